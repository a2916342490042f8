#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pelox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch root and builds the Debian package, then
# checks that both hold the program, its menu entry, its icons, the file type
# of star data files, the manual page, the examples and the AppStream
# metadata; that the menu entry and the file type speak English with German
# translations; that appstreamcli takes the metadata without a single remark and
# lintian the package without an error; and that an install in place makes the
# desktop know star files and open them with the program. Usage:
# check_package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
root="$work/root/usr"
metainfo=share/metainfo/org.example.pelox.metainfo.xml
for f in bin/pelox share/applications/pelox.desktop share/mime/packages/pelox.xml \
    share/icons/hicolor/16x16/apps/pelox.png share/icons/hicolor/48x48/apps/pelox.png \
    share/icons/hicolor/256x256/apps/pelox.png share/man/man1/pelox.1.gz $metainfo \
    share/doc/pelox/copyright share/doc/pelox/changelog.gz; do
    [ -s "$root/$f" ] || fail "install lacks $f"
done
examples=$(ls "$root"/share/pelox/examples/*.plx | wc -l)
[ "$examples" -ge 5 ] || fail "install has $examples examples"
# The tree, so that the metadata is also checked against the menu entry it
# names. Pedantic remarks count too: a software centre may show any of them.
remarks=$(appstreamcli validate-tree --pedantic --no-net "$work/root" 2>&1) || fail "appstreamcli: $remarks"
! grep -qE '^\s*[EWIP]:' <<<"$remarks" || fail "appstreamcli: $remarks"
grep -q "<mediatype>application/x-pelox</mediatype>" "$root/$metainfo" || fail "metadata lacks the file type"
grep -qi "folded 3D paper star" "$root/$metainfo" || fail "metadata's description lacks the folded star"
desktop-file-validate "$root/share/applications/pelox.desktop" || fail "the menu entry is not valid"
grep -q '^MimeType=application/x-pelox;' "$root/share/applications/pelox.desktop" || fail "entry lacks the file type"
# English by default, each text also in German, as the desktop picks by its language.
entry="$root/share/applications/pelox.desktop"
for key in GenericName Comment Keywords; do
    english=$(sed -n "s/^$key=//p" "$entry")
    german=$(sed -n "s/^$key\[de\]=//p" "$entry")
    [ -n "$english" ] && [ -n "$german" ] && [ "$english" != "$german" ] \
        || fail "entry's $key is not English with a German translation: '$english' / '$german'"
done
grep -q '^Name=Pelox$' "$entry" || fail "entry is not named Pelox"
comments=$(python3 -c "
import sys, xml.etree.ElementTree as ET
ns = '{http://www.freedesktop.org/standards/shared-mime-info}'
lang = '{http://www.w3.org/XML/1998/namespace}lang'
for c in ET.parse(sys.argv[1]).getroot().iter(ns + 'comment'):
    print(c.get(lang, 'default') + '=' + c.text)" "$root/share/mime/packages/pelox.xml")
english=$(sed -n 's/^default=//p' <<<"$comments")
german=$(sed -n 's/^de=//p' <<<"$comments")
[ -n "$english" ] && [ -n "$german" ] && [ "$english" != "$german" ] \
    || fail "file type is not described in English with a German translation: $comments"
# A package and a staging folder leave the desktop's caches to the package
# manager; a cache in the package would clash with the system's.
for f in share/mime/mime.cache share/applications/mimeinfo.cache; do
    [ ! -e "$root/$f" ] || fail "staged install holds $f"
done
file_size=$(python3 -c "import struct,sys; d=open(sys.argv[1],'rb').read(24); print(struct.unpack('>II', d[16:24]))" \
    "$root/share/icons/hicolor/48x48/apps/pelox.png")
[ "$file_size" = "(48, 48)" ] || fail "48x48 icon is $file_size"

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >/dev/null) || fail "cpack failed"
deb=$(ls "$work"/pkg/pelox_*.deb)
contents=$(dpkg-deb --contents "$deb")
for f in ./usr/bin/pelox ./usr/share/applications/pelox.desktop ./usr/share/mime/packages/pelox.xml \
    ./usr/share/icons/hicolor/32x32/apps/pelox.png ./usr/share/icons/hicolor/128x128/apps/pelox.png \
    ./usr/share/man/man1/pelox.1.gz ./usr/share/pelox/examples/blume.plx ./usr/$metainfo; do
    grep -q " $f\$" <<<"$contents" || fail "package lacks $f"
done
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6printsupport6 libqpdf qt6-qpa-plugins libcups2; do
    grep -q "$p" <<<"$depends" || fail "Depends lacks $p: $depends"
done
description=$(dpkg-deb -f "$deb" Description)
grep -qi 'folded 3D paper star' <<<"$description" || fail "package description lacks the folded star: $description"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/pelox/changelog.gz | zcat | grep -qi 'folded star' \
    || fail "changelog lacks the folded star"
# Errors fail; warnings and remarks are shown.
lintian_says=$(lintian --fail-on error --display-level ">=pedantic" "$deb" 2>&1) || fail "lintian: $lintian_says"
[ -z "$lintian_says" ] || echo "lintian: $lintian_says"
# The install README describes: in place, as root would into /usr/local. Once
# it is done, the desktop (here asked through GIO, as file managers do) takes
# a .plx file for a star file and opens it with the program.
said=$(env -u DESTDIR cmake --install "$build" --prefix "$work/local" 2>&1) || fail "install in place: $said"
cp "$root/share/pelox/examples/blume.plx" "$work/star.plx"
desktop() {
    PATH="$work/local/bin:$PATH" XDG_DATA_DIRS="$work/local/share" XDG_DATA_HOME="$work/none" \
        XDG_CONFIG_HOME="$work/none" XDG_CONFIG_DIRS="$work/none" "$@"
}
type=$(desktop gio info -a standard::content-type "$work/star.plx" | sed -n 's/^ *standard::content-type: //p')
[ "$type" = application/x-pelox ] || fail "after the install a .plx file is '$type'"
opener=$(desktop gio mime application/x-pelox)
grep -q '^Default application.*: pelox\.desktop$' <<<"$opener" || fail "after the install no program opens a .plx file: $opener"
echo "package $(basename "$deb") holds the program, entry, icons, file type, manual page, examples and metadata; Depends: $depends; installed in place, a .plx file is $type and opens with pelox.desktop"
