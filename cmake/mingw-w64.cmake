# Builds for 64-bit Windows with MinGW-w64 (Debian's g++-mingw-w64-x86-64-posix), and runs what it
# builds under Wine:
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TIKORA_MINGW_TARGET x86_64-w64-mingw32)
# The posix flavour of the compilers, whose standard library has std::thread and std::mutex.
set(CMAKE_C_COMPILER ${TIKORA_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TIKORA_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${TIKORA_MINGW_TARGET}-windres)

# Headers and libraries come from the Windows sysroot only; programs run on the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${TIKORA_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes and winpthread are linked in, so that each .exe runs alone, without
# the compiler's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

# Programs built here run under Wine, headless, in a Wine prefix of the build folder's own.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/run-in-wine.sh
                                  ${CMAKE_BINARY_DIR}/wineprefix)
