# End-to-end tests: the real program folder, started under Wine as a user would.
add_test(NAME e2e.standard_save
  COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/standard-save --check ${CMAKE_BINARY_DIR})
set_tests_properties(e2e.standard_save PROPERTIES
  FIXTURES_REQUIRED wine RESOURCE_LOCK wine_clipboard TIMEOUT 120)
