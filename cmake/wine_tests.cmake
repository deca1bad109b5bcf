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

# Tests that wait on the X server (the tray) carry the label "tray"; only they are
# retried (see the presets *-tray).
function(qm_label_tray_tests)
  foreach(test ${ARGN})
    if(test MATCHES "Tray")
      set_tests_properties(${test} PROPERTIES LABELS tray)
    endif()
  endforeach()
endfunction()

include(GoogleTest)
file(GLOB_RECURSE QM_WIN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*_test.cpp)
# The options' dialog templates serve the tests of the dialogs.
add_executable(qm_win_tests ${QM_WIN_TEST_SOURCES} ${CMAKE_SOURCE_DIR}/options/options.rc)
target_link_libraries(qm_win_tests PRIVATE qm_win_test_support gtest_main)
qm_warnings(qm_win_tests)
add_dependencies(qm_win_tests dist_assets quillmar)
gtest_add_tests(TARGET qm_win_tests TEST_PREFIX "wine." TEST_LIST QM_WIN_TESTS)
set_tests_properties(${QM_WIN_TESTS} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_clipboard TIMEOUT 60
  SKIP_RETURN_CODE ${QM_NOT_RUN_EXIT})
qm_label_tray_tests(${QM_WIN_TESTS})
