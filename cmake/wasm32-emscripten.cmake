# Building for the web (WebAssembly played in a browser) with Debian's Emscripten. Use with the
# prefix scripts/web-deps.sh prints, without emcmake:
#   cmake -S . -B build-web -DCMAKE_TOOLCHAIN_FILE=cmake/wasm32-emscripten.cmake \
#       -DCMAKE_PREFIX_PATH="$(bash scripts/web-deps.sh | tail -n 1)"
# The compilers are the prefix's bin/emcc and bin/em++: Debian's, with Emscripten's cache (its
# system libraries) in the project's cache folder instead of /usr/share/emscripten. Every
# folder in CMAKE_PREFIX_PATH becomes a root that find_package, find_library, find_path and
# pkg-config search; the Linux libraries, headers and .pc files of the build machine are never
# found, and neither are Emscripten's own ports (the SDL2 of its sysroot).
if(NOT VANTOR_WEB_PREFIX)
    foreach(dir IN LISTS CMAKE_PREFIX_PATH)
        if(NOT VANTOR_WEB_PREFIX AND EXISTS ${dir}/bin/emcc)
            set(VANTOR_WEB_PREFIX ${dir})
        endif()
    endforeach()
endif()
if(NOT VANTOR_WEB_PREFIX)
    message(FATAL_ERROR "No prefix of scripts/web-deps.sh in CMAKE_PREFIX_PATH "
                        "(\"${CMAKE_PREFIX_PATH}\"): give the folder it prints.")
endif()
# try_compile's projects read this file again, without CMAKE_PREFIX_PATH.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VANTOR_WEB_PREFIX)
set(CMAKE_C_COMPILER ${VANTOR_WEB_PREFIX}/bin/emcc)
set(CMAKE_CXX_COMPILER ${VANTOR_WEB_PREFIX}/bin/em++)
# Emscripten's platform file asks em-config where the cache is: the prefix's answers.
if(NOT "$ENV{PATH}" MATCHES "^${VANTOR_WEB_PREFIX}/bin:")
    set(ENV{PATH} "${VANTOR_WEB_PREFIX}/bin:$ENV{PATH}")
endif()

include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# Only the prefixes: not the build machine's folders, not Emscripten's sysroot.
set(CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

include(${CMAKE_CURRENT_LIST_DIR}/PrefixPkgConfig.cmake)

# ctest and try_run start the programs with node, without its fetch(): Emscripten 3.1.6 loads
# the .wasm with fetch() wherever there is one, and node's takes no file names.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR AND EXISTS /usr/bin/node)
    set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/node --no-experimental-fetch)
endif()

# SDL2 is the prefix's static library. Emscripten's built-in SDL is kept out: its SDL 1 headers
# (sysroot/include/SDL, SDL.h, SDL_image.h, SDL_ttf.h, SDL_mixer.h and more) would stand in for
# any SDL header the prefix lacks, and its JavaScript SDL 1 for any SDL function left unresolved.
set(CMAKE_C_FLAGS_INIT "-sUSE_SDL=0")
set(CMAKE_CXX_FLAGS_INIT "-sUSE_SDL=0")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-sUSE_SDL=0")
