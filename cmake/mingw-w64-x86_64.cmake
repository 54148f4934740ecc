# Cross-compiles hkcal.dll and the tests for 64-bit Windows with Debian's
# MinGW-w64 (g++-mingw-w64-x86-64-posix); CTest runs the programs under Wine.
#   cmake -S . -B build/mingw -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(HKCAL_MINGW_TRIPLE x86_64-w64-mingw32)
# The posix thread model: GCC 12's win32 model has no std::thread or std::mutex.
set(CMAKE_C_COMPILER   ${HKCAL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HKCAL_MINGW_TRIPLE}-g++-posix)

set(CMAKE_FIND_ROOT_PATH /usr/${HKCAL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread linked in statically: hkcal.dll and the
# test programs need no MinGW runtime DLL beside them, only Windows' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

# Windows looks for a program's DLLs in the program's own folder: build
# hkcal.dll and every program into one, so the tests run where they are built.
if(NOT DEFINED CMAKE_RUNTIME_OUTPUT_DIRECTORY)
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()

# Wine runs the test programs (Debian's wine64 package installs it outside PATH).
find_program(HKCAL_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(HKCAL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${HKCAL_WINE})
endif()
