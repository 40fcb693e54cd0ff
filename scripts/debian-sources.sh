# shellcheck shell=bash disable=SC2154 # cache, sources, toolchain, tree, setup_group: the caller's
# Debian's source packages, fetched and cached for the scripts that build the game's libraries
# for another platform (windows-deps.sh, web-deps.sh). Sourced, not run. Before sourcing, the
# script sets:
#   log          a function that writes one line to stderr, with the script's name
#   cache        its cache folder (created here), which holds the private apt setups in apt/,
#                the downloaded sources in sources/, its prefixes and its lock
#   sources      the source packages it builds, in build order
#   toolchain    its CMake toolchain file, for cmake_build
#   tree         the top of the checkout
#   setup_group  the group of scripts/setup.sh that installs what its builds need
# and passes on its own arguments: the one option, --refresh, reads the archive's source lists
# again (refresh=1). Sourcing checks them, then installs the setup group.
# It then calls, in this order:
#   lock_cache                      one run at a time per cache folder
#   find_prefix PACKAGES -- FILES   sets prefix to $cache/<key>, the key coming from the
#                                   sources' versions, the given Debian packages' versions (the
#                                   compilers) and the given files (the recipe); downloads the
#                                   sources when that prefix is not finished yet
#   [[ -f $prefix/.finished ]]      a finished prefix is the answer
#   start_build NAME                an empty prefix and a temporary folder $work to build in
#   unpack SOURCE                   each source, with its copyright file kept in the prefix
#   cmake_build SOURCE OPTIONS...   unpack, then configure with $toolchain, build, install
#   build_inih CC AR                inih (libinih) as a static library, with its inih.pc
#   build_pixman SYSTEM CPU BINARY=PROGRAM... -- OPTIONS...
#                                   pixman, already unpacked, as a static library with meson
#   build_mpg123 HOST OPTIONS...    libmpg123 alone, with autotools, for the host triplet
#   finish_build NAME               the versions written to $prefix/NAME.txt, the prefix
#                                   marked finished
# and can read ${version[SOURCE]} and ${setup[SOURCE]} after find_prefix.
# The source lists are read from the archive the first time only (or with refresh=1, or when the
# machine's apt sources change); after that a run with everything built reads nothing from the
# network. A command that fails and so ends the script is named on stderr (on-error.sh).

# shellcheck source=on-error.sh
source "$tree/scripts/on-error.sh"

refresh=0
case "${1:-}" in
--refresh) refresh=1 ;;
"") ;;
*)
    echo "usage: $0 [--refresh]" >&2
    exit 2
    ;;
esac
bash "$tree/scripts/setup.sh" "$setup_group" >&2

# One run at a time per cache: a second one waits, then finds the prefix built.
lock_cache() {
    mkdir -p "$cache"
    exec 9>>"$cache/lock"
    flock 9
}

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
# missing, when the entries changed, or with refresh=1: prepare_apt SETUP DEB822 ONE-LINE
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
# The source packages: for each the setup it comes from and its version.
declare -A setup version
refused=$cache/sources/refused

# The version apt-get source would fetch in a setup, nothing when the setup has no such source
# package (what apt-get said is kept in $cache/apt/SETUP/print-uris.log): source_version SETUP
# SOURCE
source_version() {
    local said=$cache/apt/$1/print-uris.log
    # From / so that no .dsc already in the current folder is skipped from the list.
    (cd / && apt_in "$1" source --only-source --print-uris "$2" 2>"$said") |
        awk -v src="$2" '$2 ~ ("^" src "_.*\\.dsc$") {
            v = $2; sub("^" src "_", "", v); sub(/\.dsc$/, "", v); print v }' || true
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
                log "no source package $1 in the machine's archives; apt-get said:"
                sed 's/^/  /' "$cache/apt/machine/print-uris.log" >&2
                exit 1
            }
            continue
        fi
        [[ -f $refused/$name/${1}_${version[$1]} ]] || return 0
    done
    log "the archive refuses the files of $1 at every suite tried: machine ${later_suites[*]}"
    exit 1
}

# The key of a prefix: the sources, the given packages' versions and the given files' contents:
# prefix_key PACKAGES... -- FILES...
prefix_key() {
    local packages=()
    while [[ $# -gt 0 && $1 != -- ]]; do
        packages+=("$1")
        shift
    done
    shift
    {
        for src in "${sources[@]}"; do
            echo "$src ${version[$src]} ${setup[$src]}"
            [[ ! -f $cache/sources/${src}_${version[$src]}.upstream-only ]] || echo "$src upstream only"
        done
        dpkg-query -W -f='${Package} ${Version}\n' "${packages[@]}"
        cat "$@"
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

# Sets prefix to the folder of the sources' versions, the given packages and files, and
# downloads the sources when it is not finished: find_prefix PACKAGES... -- FILES...
find_prefix() {
    prepare_apt machine "$machine_sources" "$machine_list"
    for src in "${sources[@]}"; do
        choose "$src"
    done
    prefix=$cache/$(prefix_key "$@")
    if [[ ! -f $prefix/.finished ]]; then
        for src in "${sources[@]}"; do
            fetch "$src"
        done
        # A refused source package changes the key.
        prefix=$cache/$(prefix_key "$@")
    fi
}

# ---------------------------------------------------------------------------------------------
# The build: each source unpacked with Debian's patches applied, in a temporary folder, and
# installed into the prefix, which is marked finished only once everything is in it and
# checked. A prefix left half-built by a stopped run is started again from nothing.
start_build() {
    work=$(mktemp -d "${TMPDIR:-/tmp}/vantor-$1.XXXXXX")
    trap 'rm -rf "$work"' EXIT
    # A stopped run cleans up too (bash runs the EXIT trap only on an exit).
    trap 'exit 1' INT TERM HUP
    rm -rf "$prefix"
    mkdir -p "$prefix"
    started=$SECONDS
    log "building into $prefix"
}

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

# Configures, builds and installs one unpacked source with CMake and the script's toolchain
# file: cmake_build SOURCE OPTIONS...
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

# inih is the one file ini.c: a static library built with the given compiler and archiver, its
# header, and the inih.pc that pkg_check_modules(... inih) finds, as on Debian.
build_inih() {
    local cc=$1 ar=$2
    log "[$((SECONDS - started)) s] libinih ${version[libinih]}"
    unpack libinih
    mkdir -p "$prefix/lib/pkgconfig" "$prefix/include"
    "$cc" "$CFLAGS" -O2 -c "$work/libinih/ini.c" -o "$work/ini.o"
    "$ar" rcs "$prefix/lib/libinih.a" "$work/ini.o"
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
}

# pixman, the compositor the game draws with, unpacked (and patched) by the caller: a static
# library built with meson (its only build system) and installed into the prefix. The cross
# file gets the platform's compilers and tools as meson's [binaries], the prefix's pkg-config
# files and no others, and the sources named without the temporary folder:
# build_pixman SYSTEM CPU_FAMILY BINARY=PROGRAM... -- MESON_OPTIONS...
build_pixman() {
    local system=$1 cpu=$2 binaries=()
    shift 2
    while [[ $1 != -- ]]; do
        binaries+=("${1%%=*} = '${1#*=}'")
        shift
    done
    shift
    {
        echo "[binaries]"
        printf '%s\n' "${binaries[@]}"
        cat <<MESON
pkg-config = 'pkg-config'

[built-in options]
c_args = ['-ffile-prefix-map=$work=.']

[host_machine]
system = '$system'
cpu_family = '$cpu'
cpu = '$cpu'
endian = 'little'
MESON
    } >"$work/meson-cross.txt"
    PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig meson setup "$work/build-pixman" "$work/pixman" \
        --cross-file "$work/meson-cross.txt" --prefix "$prefix" --libdir lib --buildtype release \
        -Ddefault_library=static -Dtests=disabled -Dgtk=disabled -Dlibpng=disabled \
        -Dopenmp=disabled "$@" >&2
    ninja -C "$work/build-pixman" -j 2 >&2
    ninja -C "$work/build-pixman" install >&2
}

# Writes which sources went into the prefix as NAME.txt and marks it finished: finish_build NAME
# libmpg123 alone (not the mpg123 player, nor its output and synthesis libraries) with its
# own build system, autotools: configured for the host triplet with the given options (the
# compilers among them), built, and installed with its two headers and libmpg123.pc. It loads
# no modules, plays nothing itself and reads no network stream: the game hands it the bytes.
build_mpg123() {
    local host=$1
    shift
    log "[$((SECONDS - started)) s] mpg123 ${version[mpg123]}"
    unpack mpg123
    (
        cd "$work/mpg123" || exit 1
        mkdir -p "$prefix/lib"
        ./configure --host="$host" --prefix="$prefix" --disable-modules --with-audio=dummy \
            --enable-network=no "$@" >&2
        make -j 2 src/libmpg123/libmpg123.la >&2
        ./libtool --mode=install install -c src/libmpg123/libmpg123.la "$prefix/lib" >&2
    )
    install -m 644 "$work/mpg123/src/libmpg123/mpg123.h" "$work/mpg123/src/libmpg123/fmt123.h" \
        "$prefix/include/"
    install -m 644 "$work/mpg123/libmpg123.pc" "$prefix/lib/pkgconfig/"
}

finish_build() {
    {
        echo "Built by scripts/$1.sh from Debian's source packages:"
        for src in "${sources[@]}"; do
            echo "  $src ${version[$src]} (${setup[$src]})"
        done
    } >"$prefix/$1.txt"
    touch "$prefix/.finished"
    log "[$((SECONDS - started)) s] finished"
}
