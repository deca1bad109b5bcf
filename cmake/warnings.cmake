function(qm_warnings target)
  # -Wrestrict is off: GCC 12 reports std::string::insert at -O3 falsely (GCC bug 105329).
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wconversion -Wno-sign-conversion -Wno-restrict)
endfunction()
