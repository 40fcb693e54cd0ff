#!/usr/bin/env bash
# Builds the game's packages into dist/.
#   bash scripts/package.sh deb      dist/vantor-game_<version>_amd64.deb, for Debian 12 and alike:
#       a Release build without the tests, in the Debian games layout (/usr/games/vantor-game
#       and /usr/share/games/vantor-game/), with Debian's hardening flags; its dependencies
#       come from the program's libraries (dpkg-shlibdeps); lintian checks it at the end.
#   bash scripts/package.sh windows  dist/vantor-game-<version>-windows-x64.zip, for 64-bit
#       Windows: the program cross-built with MinGW-w64 against libraries built from Debian's
#       own sources (scripts/windows-deps.sh, cached outside the tree), every DLL it needs
#       besides Windows' own, the generated files and the icon from a Linux build, the font
#       carried for when Windows has none of the game's, a README and the licences. Its unit
#       tests are built too (build-windows/, run them with ctest -L wine under Wine).
#   bash scripts/package.sh web      dist/vantor-game-<version>-web/ and its zip (index.html at
#       its top), to serve as a web page: index.html, vantor-game.js, vantor-game.wasm.gz and
#       vantor-game.data.gz (the generated files and DejaVu Sans packed), both compressed, the program built with Debian's Emscripten
#       against libraries built from Debian's own sources (scripts/web-deps.sh, cached outside
#       the tree), the generated files from a Linux build, and the licences.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=on-error.sh
source scripts/on-error.sh

# The packages always carry the streamed music and the processor's compositing: said on every
# configure, so that a build folder configured before (when either was off) cannot make a
# package without them.
packaged=(-DVANTOR_MPG123=ON -DVANTOR_PIXMAN=ON)

usage() {
    echo "usage: $0 deb | windows | web" >&2
    exit 2
}

version() {
    sed -n 's/^project(VantorGame VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt
}

# The DLLs a Windows program or DLL imports, one a line.
imports() {
    x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'
}

# Windows' own DLLs, which a Windows program may import without carrying them.
is_windows_dll() {
    case "${1,,}" in
    kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | shell32.dll | ole32.dll | \
        oleaut32.dll | imm32.dll | version.dll | winmm.dll | setupapi.dll | msvcrt.dll | \
        shlwapi.dll | comdlg32.dll | dinput8.dll | dxgi.dll | d3d9.dll | d3d11.dll | \
        d3d12.dll | dwmapi.dll | hid.dll | cfgmgr32.dll | uxtheme.dll | ws2_32.dll | \
        api-ms-win-*.dll) return 0 ;;
    esac
    return 1
}

[[ $# -eq 1 ]] || usage

case "$1" in
deb)
    bash scripts/setup.sh --package
    build="build-deb"
    # The flags every Debian package is built with, the hardening ones included.
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    CFLAGS=$(dpkg-buildflags --get CFLAGS)
    CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
    LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
    export CFLAGS CXXFLAGS LDFLAGS
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DCMAKE_INSTALL_PREFIX=/usr -DVANTOR_GAMES_LAYOUT=ON -DVANTOR_BUILD_TREE_DATA=OFF
    cmake --build "$build" -j "$(nproc)"
    (cd "$build" && cpack -G DEB)
    mkdir -p dist
    package=$(find "$build" -maxdepth 1 -name 'vantor-game_*_amd64.deb' | head -n 1)
    [[ -n $package ]] || {
        echo "package.sh: cpack made no package" >&2
        exit 1
    }
    mv "$package" dist/
    package=dist/$(basename "$package")
    echo "package.sh: wrote $package"
    # Errors fail the build; warnings and notes are shown.
    lintian --fail-on error --info "$package"
    ;;
windows)
    bash scripts/setup.sh --windows
    prefix=$(bash scripts/windows-deps.sh | tail -n 1) || {
        echo "package.sh: scripts/windows-deps.sh failed (above)" >&2
        exit 1
    }
    [[ -d $prefix/bin ]] || {
        echo "package.sh: windows-deps.sh gave no prefix" >&2
        exit 1
    }
    # The generated pictures and sounds and the icon come from a build on this machine.
    native="build-native"
    cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$native" -j "$(nproc)" --target assets vantor-icon
    "$native/tools/vantor-icon" --ico "$native/vantor-game.ico"
    build="build-windows"
    cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
        -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release "${packaged[@]}" \
        -DVANTOR_ASSET_DIR="$PWD/$native/assets" -DVANTOR_WINDOWS_ICON="$PWD/$native/vantor-game.ico"
    cmake --build "$build" -j "$(nproc)"

    name=vantor-game-$(version)-windows-x64
    stage=$build/stage/$name
    rm -rf "$build/stage"
    cmake --install "$build" --prefix "$stage" >/dev/null
    cp "$prefix"/bin/*.dll "$stage/"
    mkdir -p "$stage/fonts" "$stage/licences"
    cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$stage/fonts/"
    cp LICENSE "$stage/licences/vantor-game.txt"
    cp /usr/share/doc/fonts-dejavu-core/copyright "$stage/licences/fonts-dejavu.txt"
    # The licences of what the folder carries (GoogleTest and LAME are only in the tests).
    find "$prefix/share/licences" -name '*.txt' ! -name 'googletest.txt' ! -name 'lame.txt' \
        -exec cp {} "$stage/licences/" \;
    sed "s/@PROJECT_VERSION@/$(version)/" packaging/windows/README.txt.in |
        sed 's/$/\r/' >"$stage/README.txt"

    # Every DLL the program and its DLLs import is either in the folder or Windows' own.
    missing=()
    for binary in "$stage"/*.exe "$stage"/*.dll; do
        while read -r dll; do
            if ! is_windows_dll "$dll" && [[ ! -f $stage/$dll ]]; then
                missing+=("$(basename "$binary") needs $dll")
            fi
        done < <(imports "$binary")
    done
    if [[ ${#missing[@]} -gt 0 ]]; then
        printf 'package.sh: %s\n' "${missing[@]}" >&2
        exit 1
    fi
    echo "package.sh: every DLL the program imports is in the folder or Windows' own:" >&2
    for binary in "$stage"/*.exe "$stage"/*.dll; do
        echo "  $(basename "$binary"): $(imports "$binary" | paste -sd ' ')" >&2
    done

    mkdir -p dist
    rm -f "dist/$name.zip"
    (cd "$build/stage" && zip -qr -X "$OLDPWD/dist/$name.zip" "$name")
    echo "package.sh: wrote dist/$name.zip ($(du -h "dist/$name.zip" | cut -f1))"
    ;;
web)
    bash scripts/setup.sh --web
    prefix=$(bash scripts/web-deps.sh | tail -n 1) || {
        echo "package.sh: scripts/web-deps.sh failed (above)" >&2
        exit 1
    }
    [[ -x $prefix/bin/emcc ]] || {
        echo "package.sh: web-deps.sh gave no prefix" >&2
        exit 1
    }
    # The generated pictures and sounds come from a build on this machine.
    native="build-native"
    cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$native" -j "$(nproc)" --target assets
    build="build-web"
    cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/wasm32-emscripten.cmake \
        -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        "${packaged[@]}" -DVANTOR_ASSET_DIR="$PWD/$native/assets"
    cmake --build "$build" -j "$(nproc)"

    name=vantor-game-$(version)-web
    stage=dist/$name
    rm -rf "$stage" "dist/$name.zip"
    mkdir -p dist
    cmake --install "$build" --prefix "$PWD/$stage" >/dev/null
    mkdir -p "$stage/licences"
    cp LICENSE "$stage/licences/vantor-game.txt"
    cp /usr/share/doc/fonts-dejavu-core/copyright "$stage/licences/fonts-dejavu.txt"
    find "$prefix/share/licences" -name '*.txt' -exec cp {} "$stage/licences/" \;
    # The program and its data go compressed (a plain server sends them as they are); the page
    # unpacks them as they arrive.
    gzip -9 -n "$stage/vantor-game.wasm" "$stage/vantor-game.data"
    files=(index.html vantor-game.js vantor-game.wasm.gz vantor-game.data.gz)
    for file in "${files[@]}"; do
        [[ -s $stage/$file ]] || {
            echo "package.sh: the web page has no $file" >&2
            exit 1
        }
    done
    # index.html at the top of the zip, as sites that host a game from a zip expect.
    (cd "$stage" && zip -qr -X "../$name.zip" .)
    echo "package.sh: wrote $stage/ and dist/$name.zip ($(du -h "dist/$name.zip" | cut -f1)):" >&2
    (cd "$stage" && du -b "${files[@]}") >&2
    echo "package.sh: the page downloads $(cd "$stage" && cat "${files[@]}" | wc -c) bytes" >&2
    ;;
*)
    usage
    ;;
esac
