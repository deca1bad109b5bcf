# The save-latency bench: a console program that bench/run-save-bench starts under
# Wine, never ctest. It stays in the build folder; dist/ is what users get.
add_executable(qm_save_bench
  ${CMAKE_SOURCE_DIR}/bench/win/save_latency.cpp
  ${CMAKE_SOURCE_DIR}/bench/win/html_save_latency.cpp
  ${CMAKE_SOURCE_DIR}/bench/win/save_world.cpp)
target_link_libraries(qm_save_bench PRIVATE qm_win)
set_target_properties(qm_save_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
qm_warnings(qm_save_bench)
