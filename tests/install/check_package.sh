#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pelox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch root and builds the Debian package, then
# checks that both hold the program, its menu entry, its icons, the file type
# of star data files, the manual page, the examples and the AppStream
# metadata; that appstreamcli takes the metadata without a single remark and
# lintian the package without an error. Usage: check_package.sh BUILD_DIR
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
desktop-file-validate "$root/share/applications/pelox.desktop" || fail "the menu entry is not valid"
grep -q '^MimeType=application/x-pelox;' "$root/share/applications/pelox.desktop" || fail "entry lacks the file type"
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
# Errors fail; warnings and remarks are shown.
lintian_says=$(lintian --fail-on error --display-level ">=pedantic" "$deb" 2>&1) || fail "lintian: $lintian_says"
[ -z "$lintian_says" ] || echo "lintian: $lintian_says"
echo "package $(basename "$deb") holds the program, entry, icons, file type, manual page, examples and metadata; Depends: $depends"
