#!/usr/bin/env bash
# Cross-builds the game's libraries for 64-bit Windows from Debian's own source packages and
# prints, on the last line of stdout, the install prefix that holds them; everything else goes
# to stderr.
#   bash scripts/windows-deps.sh            build what is missing, print the prefix
#   bash scripts/windows-deps.sh --refresh  read the archive's source lists again first
# The prefix lives in the cache folder, outside the tree:
#   ${VANTOR_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/vantor-game}/windows/<key>/
# where the key comes from the source versions, the compilers and this recipe (this script and
# the toolchain file), so each combination is built once per machine. The source lists are
# read from the archive the first time only (or with --refresh, or when the machine's apt
# sources change); after that a run with everything built reads nothing from the network.
# In the prefix: bin/ the DLLs to carry beside the game (SDL2, SDL2_image, SDL2_ttf,
# SDL2_mixer, libfreetype, libmpg123), lib/ their import libraries, SDL2main, GoogleTest, LAME,
# inih and pixman as static libraries, share/licences/ the licences of all that and of the MinGW runtime, lib/cmake/ and lib/pkgconfig/ what find_package and pkg-config read,
# include/ the headers, windows-deps.txt the source versions. Use it with
# cmake/mingw-w64-x86_64.cmake (see there). The fetching, the cache and its key are shared with
# web-deps.sh: scripts/debian-sources.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
tree=$(pwd)
toolchain=$tree/cmake/mingw-w64-x86_64.cmake

log() {
    echo "windows-deps: $*" >&2
}

cache=${VANTOR_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/vantor-game}/windows
sources=(libsdl2 freetype libsdl2-image libsdl2-ttf libsdl2-mixer googletest libinih pixman mpg123
    lame)
setup_group=--windows
# shellcheck source=scripts/debian-sources.sh
. "$tree/scripts/debian-sources.sh" "$@"
lock_cache
find_prefix gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev \
    binutils-mingw-w64-x86-64 -- "$tree/scripts/windows-deps.sh" "$tree/scripts/debian-sources.sh" \
    "$toolchain" "$tree/cmake/PrefixPkgConfig.cmake"
if [[ -f $prefix/.finished ]]; then
    log "already built"
    echo "$prefix"
    exit 0
fi

start_build windows-deps

# The Windows builds take no compiler or linker flags from the caller's environment (flags
# meant for Linux builds would break them), and name their sources without the temporary
# folder.
export CFLAGS="-ffile-prefix-map=$work=." CXXFLAGS="-ffile-prefix-map=$work=."
unset CPPFLAGS LDFLAGS

# SDL2 as a DLL, with SDL2main (the static library with WinMain) beside it.
cmake_build libsdl2 -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF -DSDL_TESTS=OFF

# FreeType on its own: no zlib, bzip2, PNG, HarfBuzz or Brotli.
cmake_build freetype -DBUILD_SHARED_LIBS=ON -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON \
    -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON

# SDL2_ttf on the FreeType above (not its own copy), without HarfBuzz.
cmake_build libsdl2-ttf -DBUILD_SHARED_LIBS=ON -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF \
    -DSDL2TTF_SAMPLES=OFF

# SDL2_image decoding PNG and JPEG with its own stb_image (not WIC); BMP is its own code.
cmake_build libsdl2-image -DBUILD_SHARED_LIBS=ON -DSDL2IMAGE_VENDORED=OFF \
    -DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_BACKEND_WIC=OFF -DSDL2IMAGE_SAMPLES=OFF \
    -DSDL2IMAGE_BMP=ON -DSDL2IMAGE_PNG=ON -DSDL2IMAGE_JPG=ON \
    -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_JXL=OFF -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF
# Its CMake config asks for libjpeg and libpng even when stb_image decodes both, and so
# would fail to load; it needs neither.
sed -i -E 's/^if\(SDL2IMAGE_(JPG|PNG) AND NOT SDL2IMAGE_VENDORED /if(SDL2IMAGE_\1 AND NOT SDL2IMAGE_BACKEND_STB AND NOT SDL2IMAGE_VENDORED /' \
    "$prefix/lib/cmake/SDL2_image/SDL2_imageConfig.cmake"

# SDL2_mixer playing MP3 with its bundled dr_mp3, every other decoder off. WAV sound effects
# still load (Mix_LoadWAV reads them with SDL itself).
cmake_build libsdl2-mixer -DBUILD_SHARED_LIBS=ON -DSDL2MIXER_VENDORED=OFF \
    -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_MP3=ON -DSDL2MIXER_MP3_DRMP3=ON \
    -DSDL2MIXER_MP3_MPG123=OFF -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF \
    -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS=OFF -DSDL2MIXER_WAVE=OFF

# GoogleTest and GoogleMock as static libraries, for test programs run under Wine.
cmake_build googletest -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON

# inih, as on Debian.
build_inih x86_64-w64-mingw32-gcc-posix x86_64-w64-mingw32-ar

# pixman, the compositor the game draws with where there is no graphics card: a static library
# built with meson (its only build system), with the same compilers as the toolchain file.
log "[$((SECONDS - started)) s] pixman ${version[pixman]}"
unpack pixman
build_pixman windows x86_64 c=x86_64-w64-mingw32-gcc-posix cpp=x86_64-w64-mingw32-g++-posix \
    ar=x86_64-w64-mingw32-ar strip=x86_64-w64-mingw32-strip windres=x86_64-w64-mingw32-windres --

# libmpg123, which decodes the music as it plays, as a DLL (it is under the LGPL: a player may
# put another build of it beside the game), with its x86-64 SIMD decoders chosen at run time.
# Windows' shlwapi.dll is the one DLL it imports besides the C runtime.
build_mpg123 x86_64-w64-mingw32 --with-cpu=x86-64 --enable-shared --disable-static \
    CC=x86_64-w64-mingw32-gcc-posix CFLAGS="$CFLAGS -O2"

# LAME's encoder, a static library for the sound tests under Wine, which encode their tone
# files with it as on Linux; nothing of it goes into the zip.
log "[$((SECONDS - started)) s] lame ${version[lame]}"
unpack lame
(
    cd "$work/lame" || exit 1
    ./configure --host=x86_64-w64-mingw32 --prefix="$prefix" --disable-shared --enable-static \
        --disable-frontend --disable-decoder --disable-gtktest CC=x86_64-w64-mingw32-gcc-posix \
        CFLAGS="$CFLAGS -O2" >&2
    make -j 2 -C libmp3lame >&2
    make -C libmp3lame install >&2
    make -C include install >&2
)

# The MinGW runtime goes into every program and DLL: its licences too (GCC's runtime
# libraries, and the MinGW-w64 runtime with winpthreads).
install -m 644 /usr/share/doc/gcc-mingw-w64-base/copyright "$prefix/share/licences/gcc-mingw-w64.txt"
install -m 644 /usr/share/doc/mingw-w64-x86-64-dev/copyright "$prefix/share/licences/mingw-w64.txt"

# A program built as the game will be: every package found through the toolchain file, and
# linked.
log "[$((SECONDS - started)) s] finding and linking every library through the toolchain file"
mkdir -p "$work/check"
cat >"$work/check/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(WindowsDepsCheck LANGUAGES C CXX)
find_package(SDL2 REQUIRED)
find_package(SDL2_image REQUIRED)
find_package(SDL2_ttf REQUIRED)
find_package(SDL2_mixer REQUIRED)
find_package(GTest REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(INIH REQUIRED IMPORTED_TARGET inih)
pkg_check_modules(PIXMAN REQUIRED IMPORTED_TARGET pixman-1)
pkg_check_modules(MPG123 REQUIRED IMPORTED_TARGET libmpg123)
add_executable(check WIN32 check.cpp)
target_link_libraries(check PRIVATE SDL2::SDL2main SDL2::SDL2 SDL2_image::SDL2_image
                      SDL2_ttf::SDL2_ttf SDL2_mixer::SDL2_mixer GTest::gtest PkgConfig::INIH
                      PkgConfig::PIXMAN PkgConfig::MPG123)
CMAKE
cat >"$work/check/check.cpp" <<'CPP'
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>
#include <ini.h>
#include <mpg123.h>
#include <pixman.h>
int main(int, char**) {
    return SDL_Init(0) + IMG_Init(0) + TTF_Init() + Mix_Init(0) +
           ini_parse_string("", nullptr, nullptr) + testing::UnitTest::GetInstance()->total_test_count() +
           (pixman_image_create_solid_fill(nullptr) != nullptr) + mpg123_init();
}
CPP
cmake -S "$work/check" -B "$work/build-check" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_PREFIX_PATH="$prefix" >&2
cmake --build "$work/build-check" >&2

# ---------------------------------------------------------------------------------------------
# Each DLL may import only Windows' own DLLs and the other DLLs of the prefix, and so may a
# program linked as above: the MinGW runtime is inside them, no DLL of it has to be carried.
windows_dlls=(advapi32.dll gdi32.dll imm32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll
    setupapi.dll shell32.dll shlwapi.dll user32.dll version.dll winmm.dll)
allowed=" ${windows_dlls[*]} "
shopt -s nullglob
dlls=("$prefix"/bin/*.dll)
shopt -u nullglob
for dll in "${dlls[@]}"; do
    name=$(basename "$dll")
    allowed+="${name,,} "
done
log "what each DLL imports (x86_64-w64-mingw32-objdump -p):"
foreign=0
for dll in "${dlls[@]}" "$work/build-check/check.exe"; do
    imports=$(x86_64-w64-mingw32-objdump -p "$dll" | awk '/DLL Name:/ { print $3 }')
    log "  $(basename "$dll"): ${imports//$'\n'/ }"
    for import in $imports; do
        if [[ $allowed != *" ${import,,} "* ]]; then
            log "    $import is neither Windows' own nor one of the prefix"
            foreign=1
        fi
    done
done
if [[ $foreign -ne 0 || ${#dlls[@]} -eq 0 ]]; then
    log "DLLs that would have to be carried are imported (above); the prefix stays unfinished"
    exit 1
fi
log "every DLL, and check.exe, imports only Windows' own DLLs and the prefix's"

finish_build windows-deps
echo "$prefix"
