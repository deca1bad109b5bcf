# Windows build (MinGW-w64): the adapters, the programs, the program folder and the
# Windows tests, which ctest runs under Wine.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
add_link_options(-static)

# Everything a user copies lands here: the program folder.
set(QM_DIST ${CMAKE_BINARY_DIR}/dist)

# The rules widen ANSI data for the UI with the system's code page.
target_sources(qm_rules PRIVATE settings/ansi_text_win.cpp)

add_library(qm_win STATIC
  settings/settings_file_win.cpp
  settings/file_helpers_win.cpp
  clipboard/clipboard_win.cpp
  clipboard/registered_formats_win.cpp
  clipboard/clipboard_picture_win.cpp
  clipboard/png_encoder_win.cpp
  clipboard/browser_address_win.cpp
  clipboard/dde_client_win.cpp
  settings/system_reason_win.cpp
  save/save_adapters_win.cpp
  save/shell_opener_win.cpp
  save/whole_file_win.cpp
  ui/message_box_win.cpp
  ui/screen_units_win.cpp
  ui/modeless_dialogs_win.cpp
  ui/message_guard_win.cpp
  ui/window_win.cpp
  ui/dialog_win.cpp
  ui/common_controls_win.cpp
  ui/main_program_win.cpp
  ui/program_folder_win.cpp
  options/save_notice_win.cpp
  resident/tray_icon_win.cpp
  resident/tray_menu_win.cpp
  resident/hotkey_registry_win.cpp
  resident/save_here_win.cpp
  clipboard/clipboard_privacy_win.cpp
  resident/clipboard_listener_win.cpp
  clipboard/clipboard_reader_win.cpp
  clipboard/clipboard_owner_win.cpp
  options/autostart_win.cpp
  options/explorer_verb_win.cpp
  options/options_page_win.cpp
  options/hotkeys_page_win.cpp
  options/about_window_win.cpp
  options/first_start_window_win.cpp
  actions/help_win.cpp
  actions/action_editor_win.cpp
  actions/action_list_page_win.cpp
)
target_link_libraries(qm_win PUBLIC qm_rules shell32 ole32 uuid user32 gdi32 advapi32 kernel32)
qm_warnings(qm_win)

# Version.h feeds the version resources of the programs; .rc files are UTF-8.
configure_file(${CMAKE_SOURCE_DIR}/assets/version.h.in ${CMAKE_BINARY_DIR}/generated/Version.h)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} --codepage=65001 -I${CMAKE_BINARY_DIR}/generated -I${CMAKE_SOURCE_DIR}/assets")

# The programs go out stripped and with their sections at page boundaries of the file:
# Wine maps such sections from the file, so a resting program holds only the pages it
# uses, where it otherwise reads the whole program into private memory. The build keeps
# each program as linked, with its symbols and line tables, in QM_UNSTRIPPED, so that the
# address of a user's crash can be looked up (README.md says how).
add_compile_options(-g1)
set(QM_PROGRAM_LINK_OPTIONS -municode -Wl,--file-alignment=4096)
set(QM_UNSTRIPPED ${CMAKE_BINARY_DIR}/unstripped)

function(qm_shipped_program target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QM_UNSTRIPPED})
  target_link_options(${target} PRIVATE ${QM_PROGRAM_LINK_OPTIONS})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QM_DIST}
    COMMAND ${CMAKE_STRIP} --strip-all -o ${QM_DIST}/$<TARGET_FILE_NAME:${target}>
            $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()

add_executable(quillmar WIN32 resident/main_win.cpp resident/resident_window_win.cpp
  resident/settings_frame_win.cpp assets/quillmar.rc
  actions/actions.rc options/options.rc)
set_source_files_properties(assets/quillmar.rc PROPERTIES OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/assets/quillmar.ico)
set_target_properties(quillmar PROPERTIES OUTPUT_NAME "Quillmar2.0")
qm_shipped_program(quillmar)
target_link_libraries(quillmar PRIVATE qm_win)
qm_warnings(quillmar)

# The settings importer: its own window over the same settings and file helpers.
add_executable(einstellungen WIN32 importer/main_win.cpp importer/importer_window_win.cpp
  importer/importer.rc)
set_source_files_properties(importer/importer.rc PROPERTIES OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/assets/einstellungen.ico)
qm_shipped_program(einstellungen)
target_link_libraries(einstellungen PRIVATE qm_win comdlg32)
qm_warnings(einstellungen)

add_test(NAME build.shipped_programs
  COMMAND ${CMAKE_SOURCE_DIR}/tests/build/shipped-programs-test ${CMAKE_BINARY_DIR} ${QM_MINGW_TRIPLE})

set(QM_DELIVERED
  ${CMAKE_SOURCE_DIR}/assets/einstellungen20.ini
  ${CMAKE_SOURCE_DIR}/assets/qmhelp.html)
# The tray and window icons, drawn by assets/icons-src/make_icons.py.
file(GLOB QM_ICONS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/Icons/*.ico)
add_custom_target(dist_assets ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QM_DIST}/Icons
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QM_DELIVERED} ${QM_DIST}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QM_ICONS} ${QM_DIST}/Icons
  DEPENDS ${QM_DELIVERED} ${QM_ICONS}
  COMMENT "Program folder ${QM_DIST}")

include(cmake/wine_tests.cmake)
include(cmake/e2e_tests.cmake)
include(cmake/editions.cmake)
include(cmake/win_bench.cmake)
