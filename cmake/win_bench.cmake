# Benches under Wine: console programs that bench/run-wine-bench (or bench/run-resident-bench)
# starts, never ctest. They stay in the build folder; dist/ is what users get.
#   qm_wine_bench(NAME SOURCES... [NEEDS targets...])
# builds bench/win/SOURCES with the shared save world; NEEDS are the programs it measures.
function(qm_wine_bench name)
  cmake_parse_arguments(PARSE_ARGV 1 bench "" "" "NEEDS")
  list(TRANSFORM bench_UNPARSED_ARGUMENTS PREPEND ${CMAKE_SOURCE_DIR}/bench/win/)
  add_executable(${name} ${bench_UNPARSED_ARGUMENTS} ${CMAKE_SOURCE_DIR}/bench/win/save_world.cpp)
  target_link_libraries(${name} PRIVATE qm_win psapi)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  qm_warnings(${name})
  if(bench_NEEDS)
    add_dependencies(${name} ${bench_NEEDS})
  endif()
endfunction()

# A whole save against one WriteFile of the same bytes.
qm_wine_bench(qm_save_bench save_latency.cpp html_save_latency.cpp picture_save_latency.cpp)

# The resident program against its yardstick, a minimal tray program.
add_executable(qm_minimal_tray WIN32 ${CMAKE_SOURCE_DIR}/bench/win/minimal_tray.cpp)
target_link_options(qm_minimal_tray PRIVATE -municode)
target_link_libraries(qm_minimal_tray PRIVATE shell32 user32)
set_target_properties(qm_minimal_tray PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
qm_warnings(qm_minimal_tray)
qm_wine_bench(qm_resident_bench resident_bench.cpp started_program.cpp
  NEEDS qm_minimal_tray quillmar dist_assets)

# An import of ten old actions and the importer's start to its window.
qm_wine_bench(qm_importer_bench importer_bench.cpp started_program.cpp
  NEEDS einstellungen dist_assets)

# The settings window with twenty actions.
qm_wine_bench(qm_settings_bench settings_bench.cpp started_program.cpp
  NEEDS qm_minimal_tray quillmar dist_assets)
