# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 compilers, the POSIX-thread ones
# (std::thread and std::mutex need them). Use with the prefix scripts/windows-deps.sh prints:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#       -DCMAKE_PREFIX_PATH="$(bash scripts/windows-deps.sh | tail -n 1)"
# Every folder in CMAKE_PREFIX_PATH becomes a root that find_package, find_library,
# find_path and pkg-config search; the Linux libraries, headers and .pc files of the build
# machine are never found.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

# The compilers' own Windows headers and import libraries, then the prefixes to build against.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${mingw_triple} ${CMAKE_PREFIX_PATH})
list(REMOVE_DUPLICATES CMAKE_FIND_ROOT_PATH)
# Programs (code generators, pkg-config) are the build machine's; everything linked or
# included is the target's.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest, gtest_discover_tests and try_run start the Windows programs under Wine.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR AND EXISTS /usr/lib/wine/wine64)
    set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/PrefixPkgConfig.cmake)

# The MinGW runtime (libgcc, libstdc++ and winpthread) goes into each program and DLL, so that
# none of its DLLs has to be carried beside them. Libraries are named by their full paths
# (imported targets), so static linking takes only the runtime and Windows' import libraries.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
