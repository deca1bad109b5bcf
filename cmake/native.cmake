# Native build: the rules with the host compiler, tested with GoogleTest under
# AddressSanitizer and UndefinedBehaviorSanitizer, and their benchmarks.
option(QM_SANITIZE "Build the native tests with ASan and UBSan" ON)
if(QM_SANITIZE)
  set(QM_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_compile_options(qm_rules PUBLIC ${QM_SANITIZER_FLAGS})
  target_link_options(qm_rules PUBLIC ${QM_SANITIZER_FLAGS})
endif()

find_package(GTest REQUIRED)
include(GoogleTest)
file(GLOB QM_NATIVE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp ${CMAKE_SOURCE_DIR}/tests/native/support/*.cpp)
add_executable(qm_native_tests ${QM_NATIVE_TEST_SOURCES})
target_link_libraries(qm_native_tests PRIVATE qm_rules GTest::gtest_main)
# The delivered settings file is checked where it lies in the source tree.
target_compile_definitions(qm_native_tests PRIVATE QM_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
qm_warnings(qm_native_tests)
gtest_discover_tests(qm_native_tests TEST_PREFIX "native.")

find_package(benchmark QUIET)
if(benchmark_FOUND)
  file(GLOB QM_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/native/*.cpp)
  if(QM_BENCH_SOURCES)
    add_executable(qm_rules_bench ${QM_BENCH_SOURCES} ${CMAKE_SOURCE_DIR}/tests/native/support/ansi_text_cp1252.cpp)
    target_link_libraries(qm_rules_bench PRIVATE qm_rules benchmark::benchmark)
  endif()
endif()

# The Markdown oracle of the note tests: GitHub's cmark-gfm with its table and
# strike-through extensions reads each converted note back. Only the tests link it.
find_library(QM_CMARK_GFM cmark-gfm REQUIRED)
find_library(QM_CMARK_GFM_EXTENSIONS cmark-gfm-extensions REQUIRED)
target_link_libraries(qm_native_tests PRIVATE ${QM_CMARK_GFM_EXTENSIONS} ${QM_CMARK_GFM})
