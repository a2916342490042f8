#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pelox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A private print server (cupsd) for the end-to-end printing tests. Its only
# printer, PeloxPDF, is the default and writes every job as a PDF into DIR/pdf;
# the machine's own print server and /etc/cups are left alone.
#
#   test-printer.sh start DIR   start it and print "export CUPS_SERVER=DIR/cups/cups.sock"
#   test-printer.sh stop DIR    stop the server started in DIR
#
# The PDF backend works only as root, so the server runs as root; any other
# user runs this script through sudo. After "stop", the server's files belong
# to the owner of DIR, who can then delete DIR.
#
# DIR/pdf is emptied by every start. A job becomes "<job name>-job_<id>.pdf",
# the id counting from 1 after every start. In the job name every ASCII
# character other than letters, digits, '-', '+' and '.' becomes '_', '_' at
# either end is dropped, an extension of up to 3 characters is cut and the
# rest shortened to 64 characters. Give every job a name: without one the
# backend makes up an unpredictable one.
#
# DIR/cups holds everything of the server: the socket it listens on (no TCP
# port), its pid, etc/ (its ServerRoot), spool/, log/ and the backend's
# scratch files. If user lp cannot enter DIR (the print filters run as lp),
# DIR/cups is a link to /tmp/test-printer.XXXXXX instead, which the next
# start in DIR removes. Where AppArmor profiles for cupsd are enforced, keep
# DIR below /tmp.

queue=PeloxPDF
ppd_src=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
marker=.test-printer

usage() {
    printf 'usage: test-printer.sh start|stop DIR\n' >&2
    exit 2
}

die() {
    printf 'test-printer: %s\n' "$*" >&2
    exit 1
}

# Client commands talk to the private server only, in the C locale so that
# their output can be parsed.
client() {
    env -u LPDEST -u PRINTER LC_ALL=C CUPS_SERVER="$sock" "$@"
}

set_paths() {
    [[ $1 != *[[:space:]]* ]] || die "DIR must not contain white space: '$1'"
    dir=$(realpath -m -- "$1") || die "bad directory: $1"
    [[ $dir != / ]] || die "refusing to use / as DIR"
    pdf=$dir/pdf
    announced=$dir/cups/cups.sock
    (( ${#announced} < 100 )) || die "socket path too long: $announced"
    set_root "$dir/cups"
    [[ -L $root ]] && set_root "$(readlink -f -- "$root")"
}

set_root() {
    root=$1
    sock=$root/cups.sock
    pidfile=$root/cupsd.pid
}

# kill -0 is not enough: an exited server stays a zombie until it is reaped,
# and in a container nobody may reap it.
alive() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [[ ${stat%% *} != Z ]]
}

# The pid of the server started in DIR, if it runs. Its command line must
# name our cupsd.conf, so that a recycled pid is never taken for it.
running_pid() {
    local pid cmdline
    [[ -r $pidfile ]] || return 1
    pid=$(<"$pidfile")
    [[ $pid =~ ^[0-9]+$ ]] && alive "$pid" || return 1
    cmdline=$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null) || return 1
    [[ $cmdline == *cupsd*"$root/etc/cupsd.conf"* ]] || return 1
    printf '%s\n' "$pid"
}

stop() {
    local pid i
    if pid=$(running_pid); then
        # the server ends the filters and backends of running jobs itself
        kill -TERM "$pid" 2>/dev/null
        for ((i = 0; i < 100; i++)); do
            alive "$pid" || break
            sleep 0.1
        done
        if alive "$pid"; then
            pkill -KILL -P "$pid"
            kill -KILL "$pid" 2>/dev/null
            sleep 0.2
        fi
    fi
    rm -f "$pidfile"
    if [[ -e $root/$marker ]]; then
        chown -R -h --reference="$dir" -- "$root"
    fi
}

fail_start() {
    local f
    printf 'test-printer: %s\n' "$*" >&2
    for f in "$root/log/cupsd.out" "$root/log/error_log"; do
        [[ -s $f ]] || continue
        printf -- '--- %s (last lines) ---\n' "$f" >&2
        tail -n 40 "$f" >&2
    done
    stop
    exit 1
}

# Leaves an empty DIR/cups (or the place it links to) with our marker in it,
# after removing what an earlier start left there.
prepare_root() {
    local link=$dir/cups real
    if [[ -L $link ]]; then
        if [[ -e $root ]]; then
            [[ -e $root/$marker ]] || die "$link points to $root, which was not made by this script; not touching it"
            rm -rf -- "$root"
        fi
        rm -f -- "$link"
    elif [[ -e $link ]]; then
        [[ -e $link/$marker ]] || die "$link exists and was not made by this script; not touching it"
        rm -rf -- "$link"
    fi
    mkdir -p -- "$pdf" || die "cannot create $pdf"
    if runuser -u lp -- test -x "$dir" 2>/dev/null; then
        mkdir -- "$link" || die "cannot create $link"
        set_root "$link"
    else
        real=$(mktemp -d /tmp/test-printer.XXXXXX) || die "mktemp failed"
        chmod 0755 "$real"
        ln -s -- "$real" "$link" || die "cannot create $link"
        set_root "$real"
    fi
    : >"$root/$marker"
}

write_config() {
    local etc=$root/etc kv k v
    mkdir -p "$etc/ppd" "$etc/ssl" "$root/spool/tmp" "$root/cache" "$root/state" "$root/log" "$root/pdf-spool" ||
        die "cannot create the directories below $root"

    # Only the private socket: no TCP, no browsing, no sharing, no web pages.
    # Whoever reaches the socket may administer this server.
    cat >"$etc/cupsd.conf" <<EOF
LogLevel info
MaxLogSize 0
Listen $sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
ErrorPolicy abort-job
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF

    # Every file the server writes stays below $root. Printcap must be set,
    # or the server overwrites the machine's /run/cups/printcap.
    cat >"$etc/cups-files.conf" <<EOF
ServerRoot $etc
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/state
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
Printcap $root/printcap
SystemGroup root
FileDevice No
EOF

    # The backend reads the machine's /etc/cups/cups-pdf.conf (a compiled-in
    # path) and then the options of the queue's PPD, so the PPD overrides where
    # the PDFs go. libcups cuts an option's value at the first '/', so paths
    # are given relative to the backend's working directory, which is the
    # server's: $root, whose "pdf" links to DIR/pdf. Files are named after the
    # job name (TitlePref 1) with the job id appended (Label 2).
    [[ -r $ppd_src ]] || die "$ppd_src not found (is printer-driver-cups-pdf installed?)"
    {
        sed -e 's/^\*DefaultPDFVer:.*/*DefaultPDFVer: 1.4/' \
            -e 's/^\*DefaultTitlePref:.*/*DefaultTitlePref: 1/' \
            -e 's/^\*DefaultLabel:.*/*DefaultLabel: 2/' \
            -e 's/^\*DefaultTruncate:.*/*DefaultTruncate: 64/' \
            -e 's/^\*DefaultPageSize:.*/*DefaultPageSize: A4/' \
            -e 's/^\*DefaultPageRegion:.*/*DefaultPageRegion: A4/' \
            "$ppd_src"
        printf '\n'
        for kv in Out=pdf AnonDirName=pdf Spool=pdf-spool Log=log Grp=lp \
            UserUMask=0022 AnonUMask=0022 DecodeHexStrings=1 Cut=3; do
            k=${kv%%=*} v=${kv#*=}
            printf '*OpenUI *%s/%s: PickOne\n*Default%s: %s\n*%s %s/%s: ""\n*CloseUI: *%s\n' \
                "$k" "$k" "$k" "$v" "$k" "$v" "$v" "$k"
        done
    } >"$root/$queue.ppd"
}

start() {
    local pid out i def
    command -v cupsd >/dev/null || die "cupsd not found (install cups)"
    [[ -x /usr/lib/cups/backend/cups-pdf ]] || die "PDF backend missing (install printer-driver-cups-pdf)"

    stop
    prepare_root
    write_config
    ln -s -- "$pdf" "$root/pdf"
    find "$pdf" -mindepth 1 -maxdepth 1 -exec rm -rf -- {} +
    # the backend writes each job as the user who sent it
    chown --reference="$dir" -- "$pdf"
    chmod 1777 "$pdf"

    # In the foreground of a background job, so that the pid is known and the
    # working directory is $root; no hand-over to systemd and no D-Bus, so
    # nothing is registered on the system bus.
    (
        cd "$root" || exit 1
        exec env -u NOTIFY_SOCKET -u LISTEN_FDS -u LISTEN_PID -u LISTEN_FDNAMES \
            -u DBUS_SESSION_BUS_ADDRESS -u CUPS_SERVERROOT -u CUPS_SERVERBIN \
            -u CUPS_DATADIR -u CUPS_STATEDIR -u CUPS_CACHEDIR -u CUPS_REQUESTROOT \
            DBUS_SYSTEM_BUS_ADDRESS="unix:path=$root/no-such-bus" \
            cupsd -f -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf" \
            </dev/null >"$root/log/cupsd.out" 2>&1
    ) &
    pid=$!
    printf '%s\n' "$pid" >"$pidfile"

    for ((i = 0; i < 150; i++)); do
        alive "$pid" || fail_start "cupsd ended during start-up"
        [[ -S $sock ]] && client lpstat -r >/dev/null 2>&1 && break
        sleep 0.1
    done
    client lpstat -r >/dev/null 2>&1 || fail_start "cupsd did not answer within 15 s"

    # The tests read the text back from the PDFs: with the default renderer
    # (Ghostscript) it would end up as outlines.
    local -a opts=(-o PageSize=A4 -o printer-is-shared=false)
    command -v pdftocairo >/dev/null && opts+=(-o pdftops-renderer-default=pdftocairo)
    out=$(client lpadmin -p "$queue" -D "Test PDF printer" -v cups-pdf:/ -P "$root/$queue.ppd" "${opts[@]}" 2>&1) ||
        fail_start "lpadmin -p failed: $out"
    out=$(client lpadmin -d "$queue" 2>&1) || fail_start "lpadmin -d failed: $out"
    out=$(client cupsenable "$queue" 2>&1) || fail_start "cupsenable failed: $out"
    out=$(client cupsaccept "$queue" 2>&1) || fail_start "cupsaccept failed: $out"

    for ((i = 0; i < 50; i++)); do
        def=$(client lpstat -d 2>/dev/null) || def=
        [[ $def == *": $queue" ]] && break
        sleep 0.1
    done
    [[ $def == *": $queue" ]] || fail_start "$queue is not the default printer (lpstat -d: $def)"
    printf 'export CUPS_SERVER=%q\n' "$announced"
}

set -uo pipefail
# whatever the caller's umask, lp must be able to read what is made here
umask 022
[[ $# == 2 && ($1 == start || $1 == stop) ]] || usage
set_paths "$2"
if [[ $(id -u) != 0 ]]; then
    # nothing to stop: no need to ask for a password
    [[ $1 == stop ]] && ! running_pid >/dev/null && exit 0
    command -v sudo >/dev/null || die "must run as root or with sudo (the PDF backend works only as root)"
    # DIR is made before sudo, so that it belongs to the caller
    mkdir -p -- "$dir" || die "cannot create $dir"
    exec sudo -- bash "$(realpath -- "${BASH_SOURCE[0]}")" "$@"
fi
"$1"
