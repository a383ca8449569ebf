# Cross-builds for 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64-posix), and runs
# the resulting programs under Wine (Debian: wine64, wine):
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
#
# The "posix" flavour of the compiler is the one whose C++ library has std::thread and
# std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZORVO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZORVO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZORVO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZORVO_MINGW_TRIPLE}-windres)

# Libraries and headers come from the target's tree only; build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${ZORVO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Link the C++ runtime, libgcc and winpthread into every program, so that a program runs on
# a Windows machine (or under Wine) without the MinGW DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Programs built here run under Wine wherever CMake or CTest start them (tests, test discovery).
# Wine keeps its own Windows installation (the "prefix") in a folder of the build, so that a
# test run neither depends on nor changes the user's ~/.wine; its debugging chatter is off.
find_program(ZORVO_WINE NAMES wine wine64)
if(ZORVO_WINE)
  set(ZORVO_WINEPREFIX "${CMAKE_BINARY_DIR}/wine-prefix" CACHE PATH "Wine prefix the tests run in")
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_COMMAND} -E env WINEPREFIX=${ZORVO_WINEPREFIX} WINEDEBUG=-all ${ZORVO_WINE})
endif()
