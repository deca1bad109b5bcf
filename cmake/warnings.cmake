function(qm_warnings target)
  # -Wrestrict is off: GCC 12 reports std::string::insert at -O3 falsely (GCC bug 105329);
  # clang has no such warning.
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wconversion -Wno-sign-conversion
                         $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)
endfunction()
