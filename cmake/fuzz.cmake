# libFuzzer build (clang, preset fuzz): the rules under ASan and UBSan, instrumented for
# the fuzzer but without its main; each target below is a program of fuzz/NAME_fuzz.cpp
# that ctest runs for a fixed number of inputs (chosen so that a run takes a few
# seconds), starting from the seeds in fuzz/corpus/NAME/. What the runs find to be new
# goes to corpus/NAME in the build folder, never into the sources. Further arguments are
# sources the target needs besides the rules (the code page of the native tests).
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "The fuzz build needs clang++: use the preset fuzz")
endif()

set(QM_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all
                       -fno-omit-frame-pointer -g -O1)
target_compile_options(qm_rules PRIVATE ${QM_FUZZ_SANITIZERS} -fsanitize=fuzzer-no-link)

function(qm_fuzz_target name runs)
  set(program ${name}_fuzz)
  add_executable(${program} ${CMAKE_SOURCE_DIR}/fuzz/${program}.cpp ${ARGN})
  target_compile_options(${program} PRIVATE ${QM_FUZZ_SANITIZERS} -fsanitize=fuzzer)
  target_link_options(${program} PRIVATE ${QM_FUZZ_SANITIZERS} -fsanitize=fuzzer)
  target_link_libraries(${program} PRIVATE qm_rules)
  qm_warnings(${program})
  set(found ${CMAKE_BINARY_DIR}/corpus/${name})
  file(MAKE_DIRECTORY ${found})
  add_test(NAME fuzz.${name}
           COMMAND ${program} -runs=${runs} -max_len=1024 -print_final_stats=1
                   -artifact_prefix=${CMAKE_BINARY_DIR}/${name}- ${found}
                   ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
  set_tests_properties(fuzz.${name} PROPERTIES TIMEOUT 300)
endfunction()

qm_fuzz_target(html_line 200000)  # the line conversion of the HTML writer
qm_fuzz_target(old_body 50000)    # the old-body extraction when a document is extended
qm_fuzz_target(dde_reply 200000)  # the reply parser of the browser's DDE answer
qm_fuzz_target(source_url 100000) # the SourceURL line of the clipboard's "HTML Format"
qm_fuzz_target(drop_list 200000) # the file-drop list of the clipboard (CF_HDROP)
qm_fuzz_target(copied_picture 500000) # the bitmap and PNG blocks of the clipboard
qm_fuzz_target(markdown_note 50000  # the Markdown conversion of copied HTML
               ${CMAKE_SOURCE_DIR}/tests/native/support/ansi_text_cp1252.cpp)
