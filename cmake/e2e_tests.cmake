# End-to-end tests: the real program folder, copied afresh for every scenario and
# started under Wine as a user starts it; the test program drives it from outside (tray
# callbacks, SendInput, the clipboard) and checks saved files and the settings file.
file(GLOB QM_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
set(QM_E2E_TRAY_TESTS ${CMAKE_SOURCE_DIR}/tests/e2e/tray_menu_test.cpp)
list(REMOVE_ITEM QM_E2E_SOURCES ${QM_E2E_TRAY_TESTS})
add_executable(qm_e2e_tests ${QM_E2E_SOURCES} ${QM_E2E_TRAY_TESTS})
target_link_libraries(qm_e2e_tests PRIVATE qm_win_test_support gtest_main)
qm_warnings(qm_e2e_tests)
# The scenarios copy dist/, so the program folder must be complete first.
add_dependencies(qm_e2e_tests quillmar einstellungen dist_assets)
qm_add_wine_tests(qm_e2e_tests "e2e." 120 SOURCES ${QM_E2E_SOURCES} TRAY ${QM_E2E_TRAY_TESTS})

# The driver of the script that shows the program to a person (tools/desktop).
add_executable(qm_desktop_driver ${CMAKE_SOURCE_DIR}/tools/qm_desktop_driver.cpp)
target_link_options(qm_desktop_driver PRIVATE -municode)
target_link_libraries(qm_desktop_driver PRIVATE comctl32 shell32 user32)
qm_warnings(qm_desktop_driver)
