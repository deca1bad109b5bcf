# Windows tests, run by ctest under Wine. A fixture brings up the Wine session once per run
# (private prefix, Xvfb, persistent wineserver) and takes it down afterwards; every
# test program is started through tests/win/wine-run, which joins that session with the
# loader of this build's architecture. Where this machine cannot run the build's
# programs, the session and every test in it exit with this code and count as skipped.
set(QM_NOT_RUN_EXIT 77)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tests/win/wine-run ${CMAKE_BINARY_DIR})

set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_test(NAME wine.session.up COMMAND ${CMAKE_SOURCE_DIR}/tests/win/wine-session up ${CMAKE_BINARY_DIR})
add_test(NAME wine.session.down COMMAND ${CMAKE_SOURCE_DIR}/tests/win/wine-session down ${CMAKE_BINARY_DIR})
set_tests_properties(wine.session.up PROPERTIES FIXTURES_SETUP wine TIMEOUT 180
  SKIP_RETURN_CODE ${QM_NOT_RUN_EXIT})
set_tests_properties(wine.session.down PROPERTIES FIXTURES_CLEANUP wine)

# The helper program that the tests start as another process.
add_executable(qm_helper ${CMAKE_SOURCE_DIR}/tests/tools/qm_helper.cpp)
target_include_directories(qm_helper PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(qm_helper PRIVATE user32)
qm_warnings(qm_helper)

# One support library for the Windows tests and the end-to-end scenarios.
file(GLOB QM_WIN_SUPPORT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/support/*.cpp)
add_library(qm_win_test_support STATIC ${QM_WIN_SUPPORT_SOURCES})
target_link_libraries(qm_win_test_support PUBLIC qm_win gtest gmock windowscodecs)
qm_warnings(qm_win_test_support)
add_dependencies(qm_win_test_support qm_helper)

# Registers the GoogleTest cases of `target` under `prefix`: those of the SOURCES and of
# the TRAY sources, which hold the tests that wait on the X server (the tray icon the
# shell gives back, popup menus picked with keys). Only the TRAY tests carry the label
# "tray": the presets *-tray run exactly them and retry them once, the others leave
# them out. The label follows the file, so renaming a test cannot change it.
function(qm_add_wine_tests target prefix timeout)
  cmake_parse_arguments(arg "" "" "SOURCES;TRAY" ${ARGN})
  gtest_add_tests(TARGET ${target} SOURCES ${arg_SOURCES} TEST_PREFIX ${prefix} TEST_LIST steady)
  gtest_add_tests(TARGET ${target} SOURCES ${arg_TRAY} TEST_PREFIX ${prefix} TEST_LIST tray)
  set_tests_properties(${steady} ${tray} PROPERTIES FIXTURES_REQUIRED wine
    RESOURCE_LOCK wine_clipboard TIMEOUT ${timeout} SKIP_RETURN_CODE ${QM_NOT_RUN_EXIT})
  set_tests_properties(${tray} PROPERTIES LABELS tray)
endfunction()

include(GoogleTest)
file(GLOB_RECURSE QM_WIN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*_test.cpp)
set(QM_WIN_TRAY_TESTS ${CMAKE_SOURCE_DIR}/tests/win/resident/tray_win_test.cpp)
list(REMOVE_ITEM QM_WIN_TEST_SOURCES ${QM_WIN_TRAY_TESTS})
# The options' dialog templates serve the tests of the dialogs.
add_executable(qm_win_tests ${QM_WIN_TEST_SOURCES} ${QM_WIN_TRAY_TESTS}
                            ${CMAKE_SOURCE_DIR}/options/options.rc)
target_link_libraries(qm_win_tests PRIVATE qm_win_test_support gtest_main)
qm_warnings(qm_win_tests)
add_dependencies(qm_win_tests dist_assets quillmar)
qm_add_wine_tests(qm_win_tests "wine." 60 SOURCES ${QM_WIN_TEST_SOURCES} TRAY ${QM_WIN_TRAY_TESTS})
