#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pelox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the manual page against the program: the options its OPTIONS section
# describes are exactly those --help lists, its version is the program's, and
# groff formats it without a warning. Usage: check_manual.sh PROGRAM PAGE
set -euo pipefail
program=$1
page=$2

fail() { echo "FAIL: $*" >&2; exit 1; }

help=$(QT_QPA_PLATFORM=offscreen "$program" --help)
# Each option line of --help: two blanks, the option's names and value, two
# blanks or more, its text.
from_help=$(sed -nE 's/^  (-[^ ].*)$/\1/p' <<<"$help" | sed -E 's/  .*//' \
    | grep -oE '(^|[ ,])--?[A-Za-z][A-Za-z0-9-]*' | tr -d ' ,' | sort -u)
[ -n "$from_help" ] || fail "no options found in --help"

# The line after each .TP of the OPTIONS section names the option, in roff:
# \- for a dash, font changes as \fB or by the .B, .BR, .BI macros.
from_page=$(awk '/^\.SH /{inside = ($2 == "OPTIONS")} inside && tag {print; tag = 0} /^\.TP/{tag = 1}' "$page" \
    | sed -E 's/\\-/-/g; s/\\f[BIRP]//g; s/^\.[A-Z]+ //' \
    | grep -oE '(^|[ ,"])--?[A-Za-z][A-Za-z0-9-]*' | tr -d ' ,"' | sort -u)

missing=$(comm -23 <(echo "$from_help") <(echo "$from_page"))
[ -z "$missing" ] || fail "$page does not describe: $(echo $missing)"
extra=$(comm -13 <(echo "$from_help") <(echo "$from_page"))
[ -z "$extra" ] || fail "$page describes what --help does not list: $(echo $extra)"

version=$(QT_QPA_PLATFORM=offscreen "$program" --version | awk '{print $2}')
grep -qE "^\.TH PELOX 1 [^ ]+ \"pelox $version\"" "$page" || fail "$page is not of version $version"

warnings=$(groff -man -ww -z -Tutf8 "$page" 2>&1)
[ -z "$warnings" ] || fail "groff: $warnings"
echo "the manual page describes the $(echo "$from_help" | wc -l) options of --help: $(echo $from_help)"
