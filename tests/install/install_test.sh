#!/usr/bin/env bash
# Installs the build into a temporary prefix, as `cmake --install` does, and
# looks at what is there as a desktop would: the desktop entry, the
# metainfo, the data file type, the icons and the programs. Then makes the
# Debian package and reads its dependencies.
#
#     install_test.sh BUILD_DIR SOURCE_DIR
#
# Exits 77 (skipped) when a tool it needs is missing; scripts/test.sh
# installs them.
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
id=es.tesmora.rotavex
datatype=application/x-rotavex-data

for tool in desktop-file-validate update-desktop-database appstreamcli update-mime-database xdg-mime mimetype \
    file cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
[ -d "$share/applications" ] || { echo "FAIL: cmake --install installs no desktop entry"; exit 1; }

for program in rotavex rotavex-calc; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
for program in rotavex rotavex-calc; do
    [ -f "$share/man/man1/$program.1" ] || fail "the manual page $program.1 is not installed"
done

# The desktop entry and the metainfo, as the validators of the desktop see them.
desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml
if ! report=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$report" ]; then
    fail "desktop-file-validate: $report"
fi
appstreamcli validate --no-net "$metainfo" >"$tmp/appstream" 2>&1 ||
    fail "appstreamcli validate: $(cat "$tmp/appstream")"
grep -qx "MimeType=$datatype;" "$desktop" || fail "the desktop entry does not open $datatype"

# The icon the desktop entry names, in every size, drawn at its size.
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
for side in 16 22 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${side}x$side/apps/$icon.png
    if [ ! -f "$png" ]; then
        fail "no ${side}x$side icon"
    elif ! file -b "$png" | grep -q "^PNG image data, $side x $side,"; then
        fail "the ${side}x$side icon is $(file -b "$png")"
    fi
done

# Data files carry no extension: the type is told by their content, in a
# file-type database of the installed prefix alone.
export XDG_DATA_HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_DATA_DIRS=$share
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID || true
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
update-mime-database "$share/mime" 2>/dev/null
update-desktop-database "$share/applications"
printf '"rotavex"\r\n3\r\n' >"$tmp/lower-case mark"
printf '"ROTAVEXX"\r\n3\r\n' >"$tmp/longer mark"
# The data files among the examples: the lots of services have a folder of their own.
examples=()
for file in "$source"/examples/*; do
    [ -f "$file" ] && examples+=("$file")
done
for file in "${examples[@]}" "$tmp/lower-case mark" "$tmp/longer mark" "$source/README.md"; do
    type=$(xdg-mime query filetype "$file")
    case $file in
    "$source"/examples/*) [ "$type" = $datatype ] || fail "$(basename "$file") is taken for $type" ;;
    *) [ "$type" != $datatype ] || fail "$(basename "$file") is taken for a data file" ;;
    esac
done
handler=$(xdg-mime query default $datatype)
[ "$handler" = "$id.desktop" ] || fail "data files open with '$handler', not $id.desktop"

# The installed programs run: the calculator prices the examples as the
# built one does, and the windowed program knows the version the metainfo
# announces.
if ! "$prefix/bin/rotavex-calc" --json "${examples[@]}" >"$tmp/installed.json"; then
    fail "the installed rotavex-calc refused the examples"
fi
"$build/src/cli/rotavex-calc" --json "${examples[@]}" >"$tmp/built.json" || true
cmp -s "$tmp/installed.json" "$tmp/built.json" || fail "the installed rotavex-calc prices the examples differently"
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo")
# --version answers from a terminal with no display, as packaging scripts run it.
version=$(env -u DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/rotavex" --version 2>&1) || fail "rotavex --version failed: $version"
[[ -n $release && $version == *" $release" ]] || fail "rotavex --version says '$version', the metainfo '$release'"
version=$("$prefix/bin/rotavex-calc" --version) || fail "rotavex-calc --version failed"
[[ $version == *" $release" ]] || fail "rotavex-calc --version says '$version', the metainfo '$release'"

# The Debian package, with what the program needs at run time beyond the
# libraries it links: the X11 platform plugin, Qt's Spanish captions and
# the report font.
cpack -G DEB -B "$tmp/package" --config "$build/CPackConfig.cmake" >"$tmp/cpack" 2>&1 ||
    fail "cpack: $(cat "$tmp/cpack")"
deb=$(ls "$tmp"/package/rotavex_*.deb 2>/dev/null | head -n 1)
if [ -z "$deb" ]; then
    fail "cpack made no package"
else
    depends=$(dpkg-deb -f "$deb" Depends)
    for package in libqt6widgets6 libqt6charts6 libqt6printsupport6 libqt6svg6 qt6-qpa-plugins \
        qt6-translations-l10n fonts-liberation; do
        [[ ", $depends," =~ [,\ ]$package[\ ,] ]] || fail "the package does not depend on $package: $depends"
    done
    contents=$(dpkg-deb -c "$deb")
    for installed in usr/bin/rotavex usr/bin/rotavex-calc usr/share/applications/$id.desktop \
        usr/share/mime/packages/$id.xml usr/share/metainfo/$id.metainfo.xml; do
        grep -q " \./$installed\$" <<<"$contents" || fail "the package lacks /$installed"
    done
fi

[ "$failures" -eq 0 ] || exit 1
echo "installed, validated and packaged"
