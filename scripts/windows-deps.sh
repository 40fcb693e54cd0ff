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
# SDL2_mixer, libfreetype), lib/ their import libraries, SDL2main, GoogleTest, inih and pixman
# as static libraries, share/licences/ the licences of all that and of the MinGW runtime, lib/cmake/ and lib/pkgconfig/ what find_package and pkg-config read,
# include/ the headers, windows-deps.txt the source versions. Use it with
# cmake/mingw-w64-x86_64.cmake (see there).
set -euo pipefail
cd "$(dirname "$0")/.."
tree=$(pwd)
toolchain=$tree/cmake/mingw-w64-x86_64.cmake

log() {
    echo "windows-deps: $*" >&2
}

refresh=0
case "${1:-}" in
--refresh) refresh=1 ;;
"") ;;
*)
    echo "usage: $0 [--refresh]" >&2
    exit 2
    ;;
esac

bash scripts/setup.sh --windows >&2

cache=${VANTOR_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/vantor-game}/windows
mkdir -p "$cache"
# One run at a time per cache: a second one waits, then finds the prefix built.
exec 9>>"$cache/lock"
flock 9

# ---------------------------------------------------------------------------------------------
# Private apt setups in the cache folder that know only the machine's own archives, as source
# archives. The system's apt configuration, lists and caches are left as they are.
# shellcheck source=/dev/null
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[[ -n $codename ]] || {
    log "cannot tell the Debian release from /etc/os-release"
    exit 1
}

# The machine's deb822 stanzas of type deb, for this release's suites (bookworm,
# bookworm-updates, bookworm-security, ...), as deb-src stanzas: same archive, suites,
# components and key. Other archives (with suites of their own) are left out.
derive_deb822() {
    awk -v codename="$codename" '
        function keep_suite(s) { return s == codename || index(s, codename "-") == 1 }
        function flush(   i, types, suites, n, list, j, kept, enabled) {
            if (count > 0) {
                types = ""; suites = ""; enabled = "yes"
                for (i = 1; i <= count; i++) {
                    if (tolower(name[i]) == "types") types = " " value[i] " "
                    if (tolower(name[i]) == "suites") suites = value[i]
                    if (tolower(name[i]) == "enabled") enabled = tolower(value[i])
                }
                gsub(/[ \t\n]+/, " ", types)
                gsub(/[ \t\n]+/, " ", suites)
                kept = ""
                n = split(suites, list, " ")
                for (j = 1; j <= n; j++)
                    if (keep_suite(list[j])) kept = kept (kept == "" ? "" : " ") list[j]
                if (index(types, " deb ") && kept != "" && enabled != "no") {
                    if (printed) print ""
                    print "Types: deb-src"
                    for (i = 1; i <= count; i++) {
                        if (tolower(name[i]) == "types") continue
                        if (tolower(name[i]) == "suites") print name[i] ": " kept
                        else print name[i] ":" (value[i] ~ /^\n/ ? "" : " ") value[i]
                    }
                    printed = 1
                }
            }
            count = 0
        }
        /^#/ { next }
        /^[ \t]*$/ { flush(); next }
        /^[ \t]/ { value[count] = value[count] "\n" $0; next }
        {
            count++
            name[count] = substr($0, 1, index($0, ":") - 1)
            value[count] = substr($0, index($0, ":") + 1)
            sub(/^[ \t]+/, "", value[count])
            sub(/[ \t]+$/, "", value[count])
        }
        END { flush() }
    ' "$@"
}

# The same for one-line "deb [options] archive suite components" entries.
derive_one_line() {
    awk -v codename="$codename" '
        $1 == "deb" {
            i = 2
            if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
            suite = $(i + 1)
            if (suite == codename || index(suite, codename "-") == 1) {
                sub(/deb/, "deb-src")
                print
            }
        }
    ' "$@"
}

# The entries of the private setup "machine": the machine's own archives and suites.
machine_sources=$(
    shopt -s nullglob
    for file in /etc/apt/sources.list.d/*.sources; do
        derive_deb822 "$file"
        echo
    done
)
machine_list=$(
    shopt -s nullglob
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        if [[ -f $file ]]; then
            derive_one_line "$file"
        fi
    done
)
if ! grep -q '^Types: deb-src' <<<"$machine_sources" && ! grep -q '^deb-src' <<<"$machine_list"; then
    log "found no deb entry for $codename in the machine's apt sources"
    exit 1
fi
# A source package whose files the archive refuses to hand out at the machine's own suites (it
# answers 404) is taken from a later Debian release instead: the first of these suites of the
# same archive whose files the archive hands out. Each is a private setup of its own.
later_suites=(stable testing unstable)

# The entries of a later suite: the machine's stanzas and lines for the release itself (not
# its -updates and -security suites), at that suite: later_entries SUITE deb822|one-line
later_entries() {
    if [[ $2 == deb822 ]]; then
        awk -v codename="$codename" -v suite="$1" 'BEGIN { RS = ""; ORS = "\n\n" }
            $0 ~ ("\nSuites:([^\n]* )?" codename "( |\n|$)") {
                sub(/\nSuites:[^\n]*/, "\nSuites: " suite)
                print
            }' <<<"$machine_sources"
    else
        awk -v codename="$codename" -v suite="$1" '
            $1 == "deb-src" {
                i = 2
                if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
                if ($(i + 1) == codename) { $(i + 1) = suite; print }
            }' <<<"$machine_list"
    fi
}

# Runs apt-get in one private setup: apt_in SETUP ARGUMENTS...
apt_in() {
    local dir=$cache/apt/$1
    shift
    apt-get -o "Dir::Etc::SourceList=$dir/sources.list" \
        -o "Dir::Etc::SourceParts=$dir/sources.list.d" \
        -o "Dir::State::Lists=$dir/lists" \
        -o "Dir::Cache=$dir/cache" \
        -o "APT::Sandbox::User=$(id -un)" \
        "$@"
}

# Writes a private setup's entries and reads the archive's source lists for it when they are
# missing, when the entries changed, or with --refresh: prepare_apt SETUP DEB822 ONE-LINE
declare -A prepared
prepare_apt() {
    [[ -z ${prepared[$1]:-} ]] || return 0
    local dir=$cache/apt/$1
    mkdir -p "$dir/sources.list.d" "$dir/lists/partial" "$dir/cache/archives/partial"
    if [[ $refresh -eq 1 || ! -f $dir/lists/complete ||
        $2 != "$(cat "$dir/sources.list.d/derived.sources" 2>/dev/null)" ||
        $3 != "$(cat "$dir/sources.list" 2>/dev/null)" ]]; then
        log "reading the source lists for the setup \"$1\""
        rm -f "$dir/lists/complete"
        printf '%s\n' "$2" >"$dir/sources.list.d/derived.sources"
        printf '%s\n' "$3" >"$dir/sources.list"
        apt_in "$1" update >&2
        touch "$dir/lists/complete"
    fi
    prepared[$1]=1
}

# ---------------------------------------------------------------------------------------------
# The source packages, and for each the setup it comes from and its version.
sources=(libsdl2 freetype libsdl2-image libsdl2-ttf libsdl2-mixer googletest libinih pixman)
declare -A setup version
refused=$cache/sources/refused

# The version apt-get source would fetch in a setup: source_version SETUP SOURCE
source_version() {
    # From / so that no .dsc already in the current folder is skipped from the list.
    (cd / && apt_in "$1" source --only-source --print-uris "$2" 2>/dev/null) |
        awk -v src="$2" '$2 ~ ("^" src "_.*\\.dsc$") {
            v = $2; sub("^" src "_", "", v); sub(/\.dsc$/, "", v); print v }'
}

# Picks the setup and version of one source package: the machine's own suites, or the first
# later suite whose version the archive has not refused before.
choose() {
    local name
    for name in machine "${later_suites[@]}"; do
        if [[ $name != machine ]]; then
            prepare_apt "$name" "$(later_entries "$name" deb822)" "$(later_entries "$name" one-line)"
        fi
        setup[$1]=$name
        version[$1]=$(source_version "$name" "$1")
        if [[ -z ${version[$1]} ]]; then
            [[ $name != machine ]] || {
                log "no source package $1 in the machine's archives"
                exit 1
            }
            continue
        fi
        [[ -f $refused/$name/${1}_${version[$1]} ]] || return 0
    done
    log "the archive refuses the files of $1 at every suite tried: machine ${later_suites[*]}"
    exit 1
}

# The key of a prefix: the sources, the compilers and the recipe.
prefix_key() {
    {
        for src in "${sources[@]}"; do
            echo "$src ${version[$src]} ${setup[$src]}"
            [[ ! -f $cache/sources/${src}_${version[$src]}.upstream-only ]] || echo "$src upstream only"
        done
        dpkg-query -W -f='${Package} ${Version}\n' gcc-mingw-w64-x86-64-posix \
            g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
        cat "$tree/scripts/windows-deps.sh" "$toolchain"
    } | sha256sum | cut -c1-16
}

# The upstream tarball a downloaded .dsc names, when it names one.
upstream_tarball() {
    local dsc=$cache/sources/${1}_${version[$1]}.dsc
    [[ -f $dsc ]] || return 0
    awk '/^Files:/ { files = 1; next } /^[^ ]/ { files = 0 } files && $3 ~ /\.orig\.tar\./ { print $3; exit }' "$dsc"
}

# Downloads one source package into the cache (files already there are only checked): the
# version source_version found, from the same lists.
fetch() {
    local output
    mkdir -p "$cache/sources"
    if output=$(cd "$cache/sources" &&
        apt_in "${setup[$1]}" source --only-source --download-only "$1" 2>&1); then
        printf '%s\n' "$output" >&2
        return 0
    fi
    printf '%s\n' "$output" >&2
    # The package's description and its upstream source came, only Debian's changes to it were
    # refused: the upstream source is built as Debian ships it, and the build says so.
    local orig
    orig=$(upstream_tarball "$1")
    if grep -q ' 404 ' <<<"$output" && [[ -n $orig && -f $cache/sources/$orig ]]; then
        log "the archive refuses Debian's changes to $1 ${version[$1]}; building its upstream source"
        touch "$cache/sources/${1}_${version[$1]}.upstream-only"
        return 0
    fi
    if grep -q ' 404 ' <<<"$output"; then
        log "the archive refuses the files of $1 ${version[$1]} (${setup[$1]}); trying a later suite"
        mkdir -p "$refused/${setup[$1]}"
        touch "$refused/${setup[$1]}/${1}_${version[$1]}"
        choose "$1"
        fetch "$1"
        return 0
    fi
    log "could not download the source package $1 ${version[$1]}"
    exit 1
}

prepare_apt machine "$machine_sources" "$machine_list"
for src in "${sources[@]}"; do
    choose "$src"
done
prefix=$cache/$(prefix_key)
if [[ ! -f $prefix/.finished ]]; then
    for src in "${sources[@]}"; do
        fetch "$src"
    done
    # A refused source package changes the key.
    prefix=$cache/$(prefix_key)
fi
if [[ -f $prefix/.finished ]]; then
    log "already built"
    echo "$prefix"
    exit 0
fi

# ---------------------------------------------------------------------------------------------
# The build: each source unpacked with Debian's patches applied, in a temporary folder, and
# installed into the prefix, which is marked finished only once everything is in it and
# checked. A prefix left half-built by a stopped run is started again from nothing.
work=$(mktemp -d "${TMPDIR:-/tmp}/vantor-windows-deps.XXXXXX")
trap 'rm -rf "$work"' EXIT
# A stopped run cleans up too (bash runs the EXIT trap only on an exit).
trap 'exit 1' INT TERM HUP
rm -rf "$prefix"
mkdir -p "$prefix"
started=$SECONDS
log "building into $prefix"

# The Windows builds take no compiler or linker flags from the caller's environment (flags
# meant for Linux builds would break them), and name their sources without the temporary
# folder.
export CFLAGS="-ffile-prefix-map=$work=." CXXFLAGS="-ffile-prefix-map=$work=."
unset CPPFLAGS LDFLAGS

# Unpacks one source package and keeps its copyright file, the licence of what the game
# will carry of it, as share/licences/SOURCE.txt.
unpack() {
    mkdir -p "$prefix/share/licences"
    if [[ -f $cache/sources/${1}_${version[$1]}.upstream-only ]]; then
        mkdir -p "$work/$1"
        tar -xf "$cache/sources/$(upstream_tarball "$1")" -C "$work/$1" --strip-components=1
        install -m 644 "$work/$1/COPYING" "$prefix/share/licences/$1.txt"
        return 0
    fi
    dpkg-source -x "$cache/sources/${1}_${version[$1]}.dsc" "$work/$1" >&2
    install -m 644 "$work/$1/debian/copyright" "$prefix/share/licences/$1.txt"
}

# Configures, builds and installs one unpacked source with CMake: cmake_build SOURCE OPTIONS...
cmake_build() {
    local src=$1
    shift
    log "[$((SECONDS - started)) s] $src ${version[$src]}"
    unpack "$src"
    cmake -S "$work/$src" -B "$work/build-$src" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_PREFIX_PATH="$prefix" "$@" >&2
    cmake --build "$work/build-$src" -j 2 >&2
    cmake --install "$work/build-$src" >&2
}

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

# inih is the one file ini.c: a static library, its header, and the inih.pc that
# pkg_check_modules(... inih) finds, as on Debian.
log "[$((SECONDS - started)) s] libinih ${version[libinih]}"
unpack libinih
mkdir -p "$prefix/lib/pkgconfig" "$prefix/include"
x86_64-w64-mingw32-gcc-posix "$CFLAGS" -O2 -c "$work/libinih/ini.c" -o "$work/ini.o"
x86_64-w64-mingw32-ar rcs "$prefix/lib/libinih.a" "$work/ini.o"
install -m 644 "$work/libinih/ini.h" "$prefix/include/ini.h"
cat >"$prefix/lib/pkgconfig/inih.pc" <<PC
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: inih
Description: simple .INI file parser
Version: ${version[libinih]%%-*}
Libs: -L\${libdir} -linih
Cflags: -I\${includedir}
PC

# pixman, the compositor the game draws with where there is no graphics card: a static library
# built with meson (its only build system), with the same compilers as the toolchain file.
log "[$((SECONDS - started)) s] pixman ${version[pixman]}"
unpack pixman
cat >"$work/meson-cross.txt" <<MESON
[binaries]
c = 'x86_64-w64-mingw32-gcc-posix'
cpp = 'x86_64-w64-mingw32-g++-posix'
ar = 'x86_64-w64-mingw32-ar'
strip = 'x86_64-w64-mingw32-strip'
windres = 'x86_64-w64-mingw32-windres'
pkg-config = 'pkg-config'

[built-in options]
c_args = ['-ffile-prefix-map=$work=.']

[host_machine]
system = 'windows'
cpu_family = 'x86_64'
cpu = 'x86_64'
endian = 'little'
MESON
PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig meson setup "$work/build-pixman" "$work/pixman" \
    --cross-file "$work/meson-cross.txt" --prefix "$prefix" --libdir lib --buildtype release \
    -Ddefault_library=static -Dtests=disabled -Dgtk=disabled -Dlibpng=disabled \
    -Dopenmp=disabled >&2
ninja -C "$work/build-pixman" -j 2 >&2
ninja -C "$work/build-pixman" install >&2

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
add_executable(check WIN32 check.cpp)
target_link_libraries(check PRIVATE SDL2::SDL2main SDL2::SDL2 SDL2_image::SDL2_image
                      SDL2_ttf::SDL2_ttf SDL2_mixer::SDL2_mixer GTest::gtest PkgConfig::INIH
                      PkgConfig::PIXMAN)
CMAKE
cat >"$work/check/check.cpp" <<'CPP'
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>
#include <ini.h>
#include <pixman.h>
int main(int, char**) {
    return SDL_Init(0) + IMG_Init(0) + TTF_Init() + Mix_Init(0) +
           ini_parse_string("", nullptr, nullptr) + testing::UnitTest::GetInstance()->total_test_count() +
           (pixman_image_create_solid_fill(nullptr) != nullptr);
}
CPP
cmake -S "$work/check" -B "$work/build-check" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_PREFIX_PATH="$prefix" >&2
cmake --build "$work/build-check" >&2

# ---------------------------------------------------------------------------------------------
# Each DLL may import only Windows' own DLLs and the other DLLs of the prefix, and so may a
# program linked as above: the MinGW runtime is inside them, no DLL of it has to be carried.
windows_dlls=(advapi32.dll gdi32.dll imm32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll
    setupapi.dll shell32.dll user32.dll version.dll winmm.dll)
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

{
    echo "Built by scripts/windows-deps.sh from Debian's source packages:"
    for src in "${sources[@]}"; do
        echo "  $src ${version[$src]} (${setup[$src]})"
    done
} >"$prefix/windows-deps.txt"
touch "$prefix/.finished"
log "[$((SECONDS - started)) s] finished"
echo "$prefix"
