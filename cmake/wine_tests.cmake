# Windows tests, run by ctest under Wine. A fixture brings up the bench once per run
# (private prefix, Xvfb, persistent wineserver) and takes it down afterwards; every
# test program is started through tests/win/wine-run, which joins that bench.
set(QM_BENCH_DIR ${CMAKE_BINARY_DIR}/winebench)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tests/win/wine-run ${QM_BENCH_DIR})

set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_test(NAME wine.bench.up COMMAND ${CMAKE_SOURCE_DIR}/tests/win/wine-bench up ${QM_BENCH_DIR})
add_test(NAME wine.bench.down COMMAND ${CMAKE_SOURCE_DIR}/tests/win/wine-bench down ${QM_BENCH_DIR})
set_tests_properties(wine.bench.up PROPERTIES FIXTURES_SETUP wine TIMEOUT 180)
set_tests_properties(wine.bench.down PROPERTIES FIXTURES_CLEANUP wine)

# Helper programs that the tests start as other processes.
file(GLOB QM_TEST_TOOLS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/tools/*.cpp)
foreach(tool_source ${QM_TEST_TOOLS})
  get_filename_component(tool ${tool_source} NAME_WE)
  add_executable(${tool} ${tool_source})
  target_link_options(${tool} PRIVATE -municode)
  target_link_libraries(${tool} PRIVATE qm_win)
  qm_warnings(${tool})
  list(APPEND QM_TEST_TOOL_TARGETS ${tool})
endforeach()

include(GoogleTest)
file(GLOB_RECURSE QM_WIN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
if(QM_WIN_TEST_SOURCES)
  add_executable(qm_win_tests ${QM_WIN_TEST_SOURCES})
  target_link_libraries(qm_win_tests PRIVATE qm_win gtest_main gmock)
  qm_warnings(qm_win_tests)
  if(QM_TEST_TOOL_TARGETS)
    add_dependencies(qm_win_tests ${QM_TEST_TOOL_TARGETS})
  endif()
  # Documents written by hand, compared byte for byte with what the HTML writer makes.
  file(GLOB QM_GOLDEN_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/golden/*)
  set(QM_GOLDEN_DIR $<TARGET_FILE_DIR:qm_win_tests>/golden)
  add_custom_target(qm_golden_files
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QM_GOLDEN_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QM_GOLDEN_FILES} ${QM_GOLDEN_DIR}
    DEPENDS ${QM_GOLDEN_FILES})
  add_dependencies(qm_win_tests qm_golden_files)
  gtest_add_tests(TARGET qm_win_tests TEST_PREFIX "wine." TEST_LIST QM_WIN_TESTS)
  set_tests_properties(${QM_WIN_TESTS} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_clipboard TIMEOUT 60
                       SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
endif()
