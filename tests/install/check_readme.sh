#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pelox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks README against the program: every control it names in English carries
# the German caption the window shows beside it, as the translations pair
# them, and none is named by its German caption alone; the pictures it shows
# exist, each English one with its German one; the line it gives for English
# makes the program English while no language set leaves it German; it keeps
# its two set-up commands and stays under 12 KB. Usage: check_readme.sh
# PROGRAM SOURCE_DIR
set -euo pipefail
program=$1
source=$2
readme=$source/README.md
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

size=$(wc -c <"$readme")
[ "$size" -lt 12000 ] || fail "README has $size bytes"
for command in "bash scripts/run.sh" "bash scripts/test.sh"; do
    grep -qx "    $command" "$readme" || fail "README lacks the set-up command $command"
done

# "**Open** (*Lesen*)", "**Redo**, *Wiederholen*" and the like, over line
# breaks, each checked against the translations' pairs of German caption and
# English text.
python3 - "$readme" "$source/i18n/pelox_en.ts" <<'PY' || exit 1
import re, sys, xml.etree.ElementTree as ET

def plain(text):
    return " ".join((text or "").split())

readme = plain(open(sys.argv[1], encoding="utf-8").read())
pairs = set()
german = {}
for message in ET.parse(sys.argv[2]).getroot().iter("message"):
    de, en = plain(message.findtext("source")), plain(message.findtext("translation"))
    pairs.add((en, de))
    # A field's label ends in a colon the README's text leaves out.
    pairs.add((en.rstrip(":"), de.rstrip(":")))
    if de != en:
        german[de] = en
named = re.findall(r"\*\*([^*]+)\*\*(?:,| \()\s*\*([^*]+)\*(?=[,)])", readme)
wrong = sorted({f"{en} ({de})" for en, de in named if (en, de) not in pairs})
alone = sorted({f"{b} (English: {german[b]})" for b in re.findall(r"\*\*([^*]+)\*\*", readme) if b in german})
if len(named) < 20:
    sys.exit(f"FAIL: README names only {len(named)} controls in both languages")
if wrong:
    sys.exit("FAIL: README pairs what the translations do not: " + "; ".join(wrong))
if alone:
    sys.exit("FAIL: README names controls by their German caption alone: " + "; ".join(alone))
print(f"README names {len(named)} controls in English with their German captions")
PY

pictures=$(grep -oE '(\]\(|src=")docs/[^)"]+\.png' "$readme" | sed -E 's/^(\]\(|src=")//' | sort -u)
for picture in $pictures; do
    [ -s "$source/$picture" ] || fail "README shows $picture, which does not exist"
done
for english in $(grep -e '-en\.png$' <<<"$pictures"); do
    grep -qx "${english%-en.png}.png" <<<"$pictures" || fail "README shows $english without its German picture"
done
[ "$(grep -ce '-en\.png$' <<<"$pictures")" -ge 4 ] || fail "README shows fewer than four English pictures"

# The language README promises: German with none set, as a container starts,
# English with the line it gives.
grep -q '^    LANGUAGE=en pelox$' "$readme" || fail "README lacks the line that starts the program in English"
# A sanitizer build keeps its options, or it reports Qt's leaks at exit.
help() {
    env -i PATH="$PATH" HOME="$home" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen \
        ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
        "$@" "$program" --help 2>/dev/null
}
german_help=$(help) || fail "pelox --help failed with no language set"
english_help=$(help LANGUAGE=en) || fail "LANGUAGE=en pelox --help failed"
grep -q '[äöüß]' <<<"$german_help" || fail "with no language set the program is not German: $german_help"
! grep -q '[äöüß]' <<<"$english_help" && [ "$english_help" != "$german_help" ] \
    || fail "LANGUAGE=en does not make the program English: $english_help"
echo "README's $(wc -w <<<"$pictures") pictures exist, LANGUAGE=en switches the language, $size bytes"
