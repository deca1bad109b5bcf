# Cross-compiling for Windows with MinGW-w64. QM_MINGW_TRIPLE selects the target:
# i686-w64-mingw32 (the primary, 32-bit build) or x86_64-w64-mingw32.
# The -posix compilers are required: the win32 thread model has no std::mutex and
# GoogleTest does not build with it.
set(CMAKE_SYSTEM_NAME Windows)
if(NOT QM_MINGW_TRIPLE)
  set(QM_MINGW_TRIPLE i686-w64-mingw32)
endif()
set(CMAKE_C_COMPILER ${QM_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QM_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QM_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QM_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
