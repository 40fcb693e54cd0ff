#!/usr/bin/env bash
# Builds the game's libraries for the web (WebAssembly) with Debian's Emscripten from Debian's
# own source packages and prints, on the last line of stdout, the install prefix that holds
# them; everything else goes to stderr.
#   bash scripts/web-deps.sh            build what is missing, print the prefix
#   bash scripts/web-deps.sh --refresh  read the archive's source lists again first
# The prefix lives in the cache folder, outside the tree:
#   ${VANTOR_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/vantor-game}/web/<key>/
# where the key comes from the source versions, Emscripten and its compilers, and this recipe
# (this script, scripts/debian-sources.sh, which fetches and caches the sources as for
# windows-deps.sh, and the toolchain file), so each combination is built once per machine.
# In the prefix: lib/ the static libraries SDL2 (and SDL2main), SDL2_image, SDL2_ttf,
# SDL2_mixer, FreeType, inih, pixman and libmpg123; include/ their headers; lib/cmake/ and lib/pkgconfig/
# what find_package and pkg-config read; share/licences/ the licences of all that and of
# Emscripten (its C and C++ libraries go into the game too); bin/emcc, bin/em++ and
# bin/em-config, Debian's Emscripten with its cache (the system libraries, from Debian's
# prebuilt ones) in web/emscripten-cache/<its version>/ of the same cache folder rather than in
# /usr/share/emscripten; web-deps.txt the source versions. Use it with
# cmake/wasm32-emscripten.cmake (see there).
set -euo pipefail
cd "$(dirname "$0")/.."
tree=$(pwd)
toolchain=$tree/cmake/wasm32-emscripten.cmake

log() {
    echo "web-deps: $*" >&2
}

cache=${VANTOR_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/vantor-game}/web
sources=(libsdl2 freetype libsdl2-image libsdl2-ttf libsdl2-mixer libinih pixman mpg123)
setup_group=--web
# shellcheck source=scripts/debian-sources.sh
. "$tree/scripts/debian-sources.sh" "$@"
lock_cache
emscripten_packages=(emscripten clang-14 lld-14 llvm-14 binaryen)
find_prefix "${emscripten_packages[@]}" -- "$tree/scripts/web-deps.sh" \
    "$tree/scripts/debian-sources.sh" "$toolchain" "$tree/cmake/PrefixPkgConfig.cmake"
if [[ -f $prefix/.finished ]]; then
    log "already built"
    echo "$prefix"
    exit 0
fi

start_build web-deps

# Emscripten's cache, one per version of Debian's emscripten, begun as a copy of the system
# libraries Debian built for it; Emscripten adds what else a program asks for (it is not
# frozen, as Debian's own is).
emscripten_version=$(dpkg-query -W -f='${Version}' emscripten)
em_cache=$cache/emscripten-cache/$emscripten_version
if [[ ! -d $em_cache ]]; then
    log "[$((SECONDS - started)) s] Emscripten's cache from Debian's, into $em_cache"
    mkdir -p "$cache/emscripten-cache"
    rm -rf "$em_cache.partial"
    cp -a /usr/share/emscripten/cache "$em_cache.partial"
    mv "$em_cache.partial" "$em_cache"
fi

# The compilers every build here and the game's build use: Debian's, with that cache. Where
# node is not Debian's own, Emscripten finds its JavaScript parser (node-acorn) through
# NODE_PATH.
mkdir -p "$prefix/bin"
for tool in emcc em++ em-config; do
    cat >"$prefix/bin/$tool" <<SH
#!/bin/sh
# Debian's $tool with the Emscripten cache of the game's web libraries (scripts/web-deps.sh).
EM_CACHE='$em_cache'
EM_FROZEN_CACHE=
NODE_PATH=/usr/share/nodejs\${NODE_PATH:+:\$NODE_PATH}
export EM_CACHE EM_FROZEN_CACHE NODE_PATH
exec /usr/bin/$tool "\$@"
SH
    chmod 755 "$prefix/bin/$tool"
done

# No compiler or linker flags from the caller's environment (flags meant for Linux builds would
# break these), and the sources named without the temporary folder.
export CFLAGS="-ffile-prefix-map=$work=." CXXFLAGS="-ffile-prefix-map=$work=."
unset CPPFLAGS LDFLAGS

# SDL2 without threads (the page has none), drawing into the page's canvas.
cmake_build libsdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_THREADS=OFF -DSDL_TEST=OFF \
    -DSDL_TESTS=OFF

# SDL2's own JavaScript (its audio) calls two of Emscripten's JavaScript functions that a link
# leaves out unless asked for, as Emscripten's SDL2 port asks: whatever links SDL2 asks too,
# through a file, since a "$" on a command line is the shell's. A program that sets
# DEFAULT_LIBRARY_FUNCS_TO_INCLUDE itself must name these two as well.
# shellcheck disable=SC2016 # the names begin with "$"
printf '%s\n' '$autoResumeAudioContext' '$dynCall' >"$prefix/lib/cmake/SDL2/library-functions.txt"
cat >>"$prefix/lib/cmake/SDL2/SDL2Config.cmake" <<'CMAKE'

# Added by web-deps.sh: Emscripten's JavaScript functions that SDL2's JavaScript calls.
if(TARGET SDL2::SDL2-static)
    set_property(TARGET SDL2::SDL2-static APPEND PROPERTY INTERFACE_LINK_OPTIONS
                 "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${CMAKE_CURRENT_LIST_DIR}/library-functions.txt")
endif()
CMAKE
sed -i "s|^Libs: .*|& -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@\${libdir}/cmake/SDL2/library-functions.txt|" \
    "$prefix/lib/pkgconfig/sdl2.pc"

# FreeType on its own: no zlib, bzip2, PNG, HarfBuzz or Brotli.
cmake_build freetype -DBUILD_SHARED_LIBS=OFF -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON \
    -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON

# SDL2_image decoding PNG and JPEG with its own stb_image; BMP is its own code. stb_image's
# SSE2 paths (the JPEG's inverse transform and colour conversion, most of the level's loading
# on the web) are built on WebAssembly's SIMD, which every current browser has; stb_image takes
# them only for an x86 target, so it is told it has one.
CFLAGS="$CFLAGS -msimd128 -msse2 -DSTBI__X86_TARGET" cmake_build libsdl2-image -DBUILD_SHARED_LIBS=OFF -DSDL2IMAGE_VENDORED=OFF \
    -DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_SAMPLES=OFF \
    -DSDL2IMAGE_BMP=ON -DSDL2IMAGE_PNG=ON -DSDL2IMAGE_JPG=ON \
    -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_JXL=OFF -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF
# Its CMake config asks for libjpeg and libpng even when stb_image decodes both, and so
# would fail to load; it needs neither.
sed -i -E 's/^if\(SDL2IMAGE_(JPG|PNG) AND NOT SDL2IMAGE_VENDORED /if(SDL2IMAGE_\1 AND NOT SDL2IMAGE_BACKEND_STB AND NOT SDL2IMAGE_VENDORED /' \
    "$prefix/lib/cmake/SDL2_image/SDL2_imageConfig.cmake"

# SDL2_ttf on the FreeType above (not its own copy), without HarfBuzz.
cmake_build libsdl2-ttf -DBUILD_SHARED_LIBS=OFF -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF \
    -DSDL2TTF_SAMPLES=OFF

# SDL2_mixer playing MP3 with its bundled dr_mp3, every other decoder off. WAV sound effects
# still load (Mix_LoadWAV reads them with SDL itself).
cmake_build libsdl2-mixer -DBUILD_SHARED_LIBS=OFF -DSDL2MIXER_VENDORED=OFF \
    -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_MP3=ON -DSDL2MIXER_MP3_DRMP3=ON \
    -DSDL2MIXER_MP3_MPG123=OFF -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF \
    -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS=OFF -DSDL2MIXER_WAVE=OFF

# As static libraries these three define only NAME::NAME-static; the game links NAME::NAME, as
# on Linux and Windows.
for name in SDL2_image SDL2_ttf SDL2_mixer; do
    cat >>"$prefix/lib/cmake/$name/${name}Config.cmake" <<CMAKE

# Added by web-deps.sh: the static library under the name of the shared one.
if(TARGET $name::$name-static AND NOT TARGET $name::$name)
    add_library($name::$name INTERFACE IMPORTED)
    set_target_properties($name::$name PROPERTIES INTERFACE_LINK_LIBRARIES $name::$name-static)
endif()
CMAKE
done

# inih, as on Debian.
build_inih "$prefix/bin/emcc" emar

# pixman, the compositor the game draws with: a static library built with meson (its only
# build system), with the prefix's compilers. Its SIMD paths are written for x86, ARM, MIPS,
# PowerPC and Loongson processors, none of which WebAssembly is: all off, the portable C
# paths do the work.
log "[$((SECONDS - started)) s] pixman ${version[pixman]}"
unpack pixman
# pixman always asks meson for threads, and meson's Emscripten compiler then builds it with
# -pthread (shared memory and Web Workers), which the game's page, with one thread, cannot
# link: the threads dependency is left out. Thread-local variables stay plain ones.
sed -i "s/^dep_threads = dependency('threads')$/dep_threads = dependency('', required : false)/" \
    "$work/pixman/meson.build"
grep -q "^dep_threads = dependency('', required : false)$" "$work/pixman/meson.build" || {
    log "pixman's meson.build asks for threads in a way this script does not know"
    exit 1
}
simd_off=()
for option in loongson-mmi mmx sse2 ssse3 vmx arm-simd neon a64-neon iwmmxt mips-dspr2; do
    if grep -q "'$option'" "$work/pixman/meson_options.txt"; then
        simd_off+=("-D$option=disabled")
    fi
done
build_pixman emscripten wasm32 c="$prefix/bin/emcc" cpp="$prefix/bin/em++" ar=emar ranlib=emranlib \
    -- -Dgnu-inline-asm=disabled "${simd_off[@]}"

# libmpg123, which decodes the music as it plays, with its portable floating-point decoder.
# Its autotools know no Emscripten system: the host is named as a plain WebAssembly one, and
# the prefix's compilers make it a library for the page.
build_mpg123 wasm32-unknown-none --with-cpu=generic_fpu --enable-static --disable-shared \
    CC="$prefix/bin/emcc" AR=emar RANLIB=emranlib CFLAGS="$CFLAGS -O2"

# Emscripten's C and C++ libraries (musl, libc++, compiler-rt, ...) go into every program.
install -m 644 /usr/share/doc/emscripten/copyright "$prefix/share/licences/emscripten.txt"

# ---------------------------------------------------------------------------------------------
# A program built as the game will be: every package found through the toolchain file, in the
# prefix and nowhere else, linked, and run under node.
log "[$((SECONDS - started)) s] finding, linking and running every library through the toolchain file"
mkdir -p "$work/check"
cat >"$work/check/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(WebDepsCheck LANGUAGES C CXX)
find_package(SDL2 REQUIRED)
find_package(SDL2_image REQUIRED)
find_package(SDL2_ttf REQUIRED)
find_package(SDL2_mixer REQUIRED)
find_package(Freetype REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(INIH REQUIRED IMPORTED_TARGET inih)
pkg_check_modules(PIXMAN REQUIRED IMPORTED_TARGET pixman-1)
pkg_check_modules(MPG123 REQUIRED IMPORTED_TARGET libmpg123)
# Libraries named without a folder (pixman's -lm) are Emscripten's own.
set(libraries ${FREETYPE_LIBRARY} ${INIH_LINK_LIBRARIES} ${PIXMAN_LINK_LIBRARIES}
              ${MPG123_LINK_LIBRARIES})
list(FILTER libraries INCLUDE REGEX "^/")
foreach(found IN ITEMS ${SDL2_DIR} ${SDL2_image_DIR} ${SDL2_ttf_DIR} ${SDL2_mixer_DIR}
                       ${INIH_PREFIX} ${PIXMAN_PREFIX} ${MPG123_PREFIX} ${libraries})
    cmake_path(IS_PREFIX CMAKE_PREFIX_PATH "${found}" NORMALIZE in_prefix)
    if(NOT in_prefix)
        message(FATAL_ERROR "${found} was found outside the prefix ${CMAKE_PREFIX_PATH}")
    endif()
endforeach()
add_executable(check check.cpp)
target_link_libraries(check PRIVATE SDL2::SDL2 SDL2_image::SDL2_image SDL2_ttf::SDL2_ttf
                      SDL2_mixer::SDL2_mixer PkgConfig::INIH PkgConfig::PIXMAN
                      PkgConfig::MPG123)
if(TARGET SDL2::SDL2main)
    target_link_libraries(check PRIVATE SDL2::SDL2main)
endif()
CMAKE
cat >"$work/check/check.cpp" <<'CPP'
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ini.h>
#include <mpg123.h>
#include <pixman.h>

// Each library does one small real thing; the exit status counts what went wrong.
int main(int, char**) {
    int wrong = 0;
    if (SDL_Init(0) != 0) {
        std::printf("SDL_Init: %s\n", SDL_GetError());
        ++wrong;
    }
    if ((IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG) & (IMG_INIT_PNG | IMG_INIT_JPG)) !=
        (IMG_INIT_PNG | IMG_INIT_JPG)) {
        std::printf("IMG_Init: %s\n", IMG_GetError());
        ++wrong;
    }
    if (TTF_Init() != 0) {
        std::printf("TTF_Init: %s\n", TTF_GetError());
        ++wrong;
    }
    if ((Mix_Init(MIX_INIT_MP3) & MIX_INIT_MP3) == 0) {
        std::printf("Mix_Init: %s\n", Mix_GetError());
        ++wrong;
    }
    int value = 0;
    auto handler = [](void* user, const char*, const char* name, const char* text) {
        if (std::strcmp(name, "speed") == 0) {
            *static_cast<int*>(user) = static_cast<int>(std::strtol(text, nullptr, 10));
        }
        return 1;
    };
    if (ini_parse_string("[ship]\nspeed = 7\n", handler, &value) != 0 || value != 7) {
        std::printf("inih read speed %d\n", value);
        ++wrong;
    }
    uint32_t pixel = 0;
    pixman_image_t* target = pixman_image_create_bits(PIXMAN_a8r8g8b8, 1, 1, &pixel, 4);
    pixman_color_t red = {0xffff, 0, 0, 0xffff};
    pixman_image_t* fill = pixman_image_create_solid_fill(&red);
    pixman_image_composite32(PIXMAN_OP_SRC, fill, nullptr, target, 0, 0, 0, 0, 0, 0, 1, 1);
    pixman_image_unref(fill);
    pixman_image_unref(target);
    if (pixel != 0xffff0000u) {
        std::printf("pixman filled 0x%08x\n", static_cast<unsigned>(pixel));
        ++wrong;
    }
    // libmpg123 opens a stream of no bytes without decoding anything from it.
    mpg123_handle* decoder = mpg123_init() == MPG123_OK ? mpg123_new(nullptr, nullptr) : nullptr;
    if (decoder == nullptr || mpg123_open_feed(decoder) != MPG123_OK) {
        std::printf("libmpg123 cannot open a stream\n");
        ++wrong;
    }
    mpg123_delete(decoder);
    std::printf("%d wrong\n", wrong);
    return wrong;
}
CPP
cmake -S "$work/check" -B "$work/build-check" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$prefix" >&2
cmake --build "$work/build-check" >&2
# The page's audio needs what SDL2's JavaScript calls: the link option reached the program.
for function in autoResumeAudioContext dynCall; do
    grep -q "function $function(" "$work/build-check/check.js" || {
        log "check.js has no $function(), which SDL2's audio calls; the prefix stays unfinished"
        exit 1
    }
done
# Emscripten 3.1.6 loads the .wasm with fetch() wherever there is one, and node's (18 and later)
# takes no file names.
node --no-experimental-fetch "$work/build-check/check.js" >&2 || {
    log "the check program failed under node (above); the prefix stays unfinished"
    exit 1
}

finish_build web-deps
echo "$prefix"
