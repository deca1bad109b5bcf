# End-to-end tests: the real program folder, copied afresh for every scenario and
# started under Wine as a user starts it; the test program drives it from outside (tray
# callbacks, SendInput, the clipboard) and checks saved files and the settings file.
file(GLOB QM_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
add_executable(qm_e2e_tests ${QM_E2E_SOURCES})
target_link_libraries(qm_e2e_tests PRIVATE qm_win_test_support gtest_main)
qm_warnings(qm_e2e_tests)
# The scenarios copy dist/, so the program folder must be complete first.
add_dependencies(qm_e2e_tests quillmar einstellungen dist_assets)
gtest_add_tests(TARGET qm_e2e_tests TEST_PREFIX "e2e." TEST_LIST QM_E2E_TESTS)
set_tests_properties(${QM_E2E_TESTS} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_clipboard TIMEOUT 120
  SKIP_RETURN_CODE ${QM_NOT_RUN_EXIT})
qm_label_tray_tests(${QM_E2E_TESTS})

# The driver of the script that shows the program to a person (tools/desktop).
add_executable(qm_desktop_driver ${CMAKE_SOURCE_DIR}/tools/qm_desktop_driver.cpp)
target_link_options(qm_desktop_driver PRIVATE -municode)
target_link_libraries(qm_desktop_driver PRIVATE comctl32 shell32 user32)
qm_warnings(qm_desktop_driver)
