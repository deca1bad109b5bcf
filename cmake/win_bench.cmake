# The save-latency bench: a console program that bench/run-wine-bench starts under
# Wine, never ctest. It stays in the build folder; dist/ is what users get.
add_executable(qm_save_bench
  ${CMAKE_SOURCE_DIR}/bench/win/save_latency.cpp
  ${CMAKE_SOURCE_DIR}/bench/win/html_save_latency.cpp
  ${CMAKE_SOURCE_DIR}/bench/win/save_world.cpp)
target_link_libraries(qm_save_bench PRIVATE qm_win)
set_target_properties(qm_save_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
qm_warnings(qm_save_bench)

# The resident-program bench and its yardstick, a minimal tray program; both run under
# Wine through bench/run-resident-bench.
add_executable(qm_minimal_tray WIN32 ${CMAKE_SOURCE_DIR}/bench/win/minimal_tray.cpp)
target_link_options(qm_minimal_tray PRIVATE -municode)
target_link_libraries(qm_minimal_tray PRIVATE shell32 user32)
set_target_properties(qm_minimal_tray PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
qm_warnings(qm_minimal_tray)

add_executable(qm_resident_bench
  ${CMAKE_SOURCE_DIR}/bench/win/resident_bench.cpp
  ${CMAKE_SOURCE_DIR}/bench/win/started_program.cpp
  ${CMAKE_SOURCE_DIR}/bench/win/save_world.cpp)
target_link_libraries(qm_resident_bench PRIVATE qm_win psapi)
set_target_properties(qm_resident_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
qm_warnings(qm_resident_bench)
add_dependencies(qm_resident_bench qm_minimal_tray quillmar dist_assets)

# The importer bench: an import of ten old actions and the importer's start to its window.
add_executable(qm_importer_bench ${CMAKE_SOURCE_DIR}/bench/win/importer_bench.cpp
  ${CMAKE_SOURCE_DIR}/bench/win/started_program.cpp ${CMAKE_SOURCE_DIR}/bench/win/save_world.cpp)
target_link_libraries(qm_importer_bench PRIVATE qm_win psapi)
set_target_properties(qm_importer_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
qm_warnings(qm_importer_bench)
add_dependencies(qm_importer_bench einstellungen dist_assets)

# The settings window with twenty actions: bench/run-wine-bench build/win32 qm_settings_bench.
add_executable(qm_settings_bench
  ${CMAKE_SOURCE_DIR}/bench/win/settings_bench.cpp
  ${CMAKE_SOURCE_DIR}/bench/win/started_program.cpp
  ${CMAKE_SOURCE_DIR}/bench/win/save_world.cpp)
target_link_libraries(qm_settings_bench PRIVATE qm_win psapi)
set_target_properties(qm_settings_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
qm_warnings(qm_settings_bench)
add_dependencies(qm_settings_bench qm_minimal_tray quillmar dist_assets)
