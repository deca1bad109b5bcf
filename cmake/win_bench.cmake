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

# A yardstick program that a bench starts beside ours: as little as a Windows program can
# be, with no library of ours.
#   qm_yardstick(NAME SOURCES...)
function(qm_yardstick name)
  list(TRANSFORM ARGN PREPEND ${CMAKE_SOURCE_DIR}/bench/win/)
  add_executable(${name} WIN32 ${ARGN})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_options(${name} PRIVATE -municode)
  target_link_libraries(${name} PRIVATE shell32 user32)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  qm_warnings(${name})
endfunction()

# A whole save against the least work of its job: in this process, and from a click on
# the tray icon of the real program against qm_least_save.exe on the same click.
qm_yardstick(qm_least_save least_save.cpp least_work.cpp)
qm_wine_bench(qm_save_bench save_latency.cpp click_save_latency.cpp least_work.cpp
  started_program.cpp html_save_latency.cpp picture_save_latency.cpp markdown_save_latency.cpp
  NEEDS qm_least_save quillmar dist_assets)

# The resident program against its yardstick, a minimal tray program.
qm_yardstick(qm_minimal_tray minimal_tray.cpp)
qm_wine_bench(qm_resident_bench resident_bench.cpp started_program.cpp
  NEEDS qm_minimal_tray quillmar dist_assets)

# An import of ten old actions and the importer's start to its window.
qm_wine_bench(qm_importer_bench importer_bench.cpp started_program.cpp
  NEEDS einstellungen dist_assets)

# The settings window with twenty actions.
qm_wine_bench(qm_settings_bench settings_bench.cpp started_program.cpp
  NEEDS qm_minimal_tray quillmar dist_assets)
