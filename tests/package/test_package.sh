#!/usr/bin/env bash
# The Debian package as a user meets it.
#   test_package.sh build    BUILD_DIR          make the .deb with CPack
#   test_package.sh contents BUILD_DIR VERSION  computed depends, files, version
#   test_package.sh install  BUILD_DIR          install, start on Xvfb, Escape, remove
# Exit 77 means skipped (CTest's SKIP_RETURN_CODE).
# Installing and removing wait for the package system's lock, should apt or
# dpkg be busy elsewhere, rather than fail.
set -euo pipefail

command=$1
build=$2
deb_glob="$build/tonmira_*.deb"

fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }

the_deb() {
    local debs=($deb_glob)
    [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package in $build, found: ${debs[*]}"
    echo "${debs[0]}"
}

# Files (not directories) that the package ships, as absolute paths.
shipped_files() {
    dpkg-deb --fsys-tarfile "$1" | tar -t | grep -v '/$' | sed 's|^\./|/|'
}

case "$command" in
build)
    rm -f $deb_glob
    (cd "$build" && cpack -G DEB)
    deb=$(the_deb)
    echo "built $deb"
    ;;

contents)
    version=$3
    deb=$(the_deb)
    dpkg-deb --info "$deb"
    field() { dpkg-deb --field "$deb" "$1"; }
    [ "$(field Package)" = tonmira ] || fail "package name"
    [ "$(field Version)" = "$version" ] || fail "version $(field Version), the project says $version"
    for library in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6; do
        field Depends | grep -Eq "(^|, )${library//+/\\+} \(>= [^)]+\)" || fail "Depends lacks a computed $library"
    done
    field Depends | grep -Eq '(^|, )qt6-qpa-plugins(,|$)' || fail "Depends lacks qt6-qpa-plugins"
    [ "$(field Recommends)" = fonts-wqy-microhei ] || fail "Recommends is '$(field Recommends)'"
    files=$(shipped_files "$deb")
    echo "$files"
    for file in /usr/bin/tonmira \
        /usr/share/applications/example.tonmira.Tonmira.desktop \
        /usr/share/metainfo/example.tonmira.Tonmira.metainfo.xml \
        /usr/share/icons/hicolor/scalable/apps/example.tonmira.Tonmira.svg; do
        grep -qx "$file" <<<"$files" || fail "$file is not in the package"
    done
    ;;

install)
    [ "$(id -u)" -eq 0 ] || skip "installing the package needs root; run the tests as root to include this"
    if dpkg-query -W -f='${Status}' tonmira 2>/dev/null | grep -q 'install ok installed'; then
        skip "a tonmira package is already installed here; not touching it"
    fi
    deb=$(the_deb)
    files=$(shipped_files "$deb")
    apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -q -y -o DPkg::Lock::Timeout=600 "$@"; }
    trap 'apt_get purge tonmira >/dev/null 2>&1 || true' EXIT

    apt_get install --no-install-recommends "$deb"
    [ -x /usr/bin/tonmira ] || fail "/usr/bin/tonmira missing after install"

    status=0
    LANG=C.UTF-8 QT_QPA_PLATFORM=xcb "$(dirname "$0")/../desktop-session" \
        "$(dirname "$0")/../start_and_escape.sh" /usr/bin/tonmira || status=$?
    [ "$status" -eq 0 ] || fail "the installed tonmira ended with status $status"

    apt_get purge tonmira
    trap - EXIT
    left=$(while read -r file; do [ -e "$file" ] && echo "$file"; done <<<"$files" || true)
    [ -z "$left" ] || fail "left behind after removal: $left"
    echo "installed, started, closed with status 0, removed without a trace"
    ;;

*)
    fail "unknown command $command"
    ;;
esac
