#!/usr/bin/env bash
# Private CUPS scheduler with a virtual PDF printer, for the test suite.
#
#   test-printer.sh start DIR            start it; prints "export CUPS_SERVER=..."
#   test-printer.sh stop DIR             stop the scheduler started in DIR
#   test-printer.sh wait DIR N [SECS]    wait until DIR/pdf holds at least N
#                                        finished PDFs (default 30 s); exit 1
#                                        with a diagnosis on stderr on timeout
#
# Typical use:
#   eval "$(scripts/test-printer.sh start /tmp/ptest)"
#   ... run the tests (Qt and lp(1) see PeloxPDF as the default printer) ...
#   scripts/test-printer.sh wait /tmp/ptest 1
#   scripts/test-printer.sh stop /tmp/ptest
#
# The script can also be sourced; "start" then exports CUPS_SERVER into the
# calling shell as well.
#
# Layout of DIR after "start":
#   DIR/cups/            everything that belongs to the private scheduler
#     cups.sock          the only place it listens on (no TCP port at all)
#     cupsd.pid          pid of the scheduler
#     etc/               its ServerRoot (cupsd.conf, cups-files.conf, ppd/)
#     spool/ cache/ state/
#     log/               error_log, access_log, page_log, cups-pdf-PeloxPDF_log
#     pdf-spool/         scratch files of the cups-pdf backend
#     pdf -> DIR/pdf     where the backend writes (see below)
#   DIR/pdf/             the PDFs; emptied by every "start"
# If user lp cannot enter DIR (e.g. DIR below /root), DIR/cups is instead a
# symlink to /tmp/test-printer.XXXXXX; "stop" leaves it (and the logs) in
# place, the next "start" in the same DIR removes it.
#
# Where the PDFs go: the cups-pdf backend always reads /etc/cups/cups-pdf.conf
# (or /etc/cups/cups-pdf-NAME.conf for a cups-pdf:/NAME device); that path is
# compiled in. We leave that file alone and use the other knob the backend
# has: it takes its settings from the queue's PPD as well, after the system
# file, so the PPD of our queue (DIR/cups/etc/ppd/PeloxPDF.ppd) overrides Out,
# AnonDirName, Spool, Log and friends. libcups cuts a PPD default value at
# the first '/' (it takes the rest for a translation string), so the values
# are plain names relative to the backend's working directory. Backends inherit the scheduler's working directory, and cupsd
# runs in the foreground from DIR/cups, so "pdf" means DIR/cups/pdf, a
# symlink to DIR/pdf. Everything stays flat in DIR/pdf, whichever user
# submitted the job.
#
# PDF file names: "<title>-job_<id>.pdf"
#   <title>  the job name as sent by the application (QPrinter::docName(),
#            "lp -t TITLE", or the file name for "lp FILE"). The backend
#            rewrites it: every ASCII character other than letters, digits,
#            '-', '+' and '.' becomes '_' (non-ASCII bytes are kept, so
#            "März" stays), leading and trailing '_' are dropped, then an
#            extension of at most 3 characters is cut (".txt", ".pdf") and the
#            rest is truncated to 64 characters.
#              lp -t "Report 1.txt" FILE         -> Report_1-job_1.pdf
#              docName "Invoice (copy).pdf"      -> Invoice__copy_-job_2.pdf
#            An EMPTY job name makes the backend fall back to the PostScript
#            %%Title, which it parses badly: the name is then unpredictable
#            (e.g. "ault__0-job_3.pdf"). Give print jobs a name in tests.
#   <id>     the job id of this scheduler; it starts at 1 after every "start".
#   Printing the same title twice gives two files because of the job id.
#
# Must run as root: the cups-pdf backend refuses to work without root, and
# the scheduler has to run its backends as root for that.
#
# AppArmor: where the packaged cupsd/cups-pdf profiles are enforced, they
# only allow the usual system paths plus root-owned files below /tmp, so on
# such a host keep DIR below /tmp.

_tp_queue=PeloxPDF
_tp_ppd_src=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
_tp_marker=.test-printer

_tp_usage() {
    cat >&2 <<'EOF'
usage: test-printer.sh start DIR
       test-printer.sh stop DIR
       test-printer.sh wait DIR N [TIMEOUT_S]
EOF
}

_tp_die() {
    printf 'test-printer: %s\n' "$*" >&2
    exit 1
}

# Client commands talk to the private scheduler only, in the C locale so
# their output can be parsed, and without per-user destination overrides.
_tp_client() {
    env -u LPDEST -u PRINTER LC_ALL=C CUPS_SERVER="$_tp_sock" "$@"
}

_tp_paths() {
    local dir=$1
    [[ -n $dir ]] || { _tp_usage; exit 2; }
    [[ $dir != *[[:space:]]* ]] || _tp_die "DIR must not contain white space: '$dir'"
    _tp_dir=$(realpath -m -- "$dir") || _tp_die "bad directory: $dir"
    [[ $_tp_dir != / ]] || _tp_die "refusing to use / as DIR"
    _tp_pdf=$_tp_dir/pdf
    # what callers use; DIR/cups may be a link to the real place (see below)
    _tp_announced=$_tp_dir/cups/cups.sock
    _tp_set_root "$_tp_dir/cups"
    if [[ -L $_tp_root ]]; then
        _tp_set_root "$(readlink -f -- "$_tp_root")"
    fi
}

_tp_set_root() {
    _tp_root=$1
    _tp_sock=$_tp_root/cups.sock
    _tp_pidfile=$_tp_root/cupsd.pid
}

# kill -0 is not enough: an exited child stays a zombie until reaped, and
# in a container nobody may reap it.
_tp_alive() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [[ ${stat%% *} != Z ]]
}

# Prints the pid of the scheduler belonging to DIR, if it is running.
# The command line must name our cupsd.conf, so a recycled pid is never
# mistaken for it.
_tp_running_pid() {
    local pid cmdline
    [[ -r $_tp_pidfile ]] || return 1
    pid=$(<"$_tp_pidfile")
    [[ $pid =~ ^[0-9]+$ ]] || return 1
    _tp_alive "$pid" || return 1
    cmdline=$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null) || return 1
    [[ $cmdline == *cupsd*"$_tp_root/etc/cupsd.conf"* ]] || return 1
    printf '%s\n' "$pid"
}

_tp_children_of() {
    local stat pid rest ppid
    for stat in /proc/[0-9]*/stat; do
        read -r pid rest 2>/dev/null <"$stat" || continue
        # the command name is in parentheses and may contain spaces;
        # after it come the state and the parent pid
        rest=${rest##*) }
        read -r _ ppid _ <<<"$rest"
        [[ $ppid == "$1" ]] && printf '%s\n' "$pid"
    done
}

_tp_stop() {
    local pid i
    local -a kids
    pid=$(_tp_running_pid) || { rm -f "$_tp_pidfile"; return 0; }
    kill -TERM "$pid" 2>/dev/null || true
    # cupsd stops the filters and backends of running jobs itself
    for ((i = 0; i < 100; i++)); do
        _tp_alive "$pid" || break
        sleep 0.1
    done
    if _tp_alive "$pid"; then
        mapfile -t kids < <(_tp_children_of "$pid")
        kill -KILL "$pid" "${kids[@]}" 2>/dev/null || true
        sleep 0.2
    fi
    rm -f "$_tp_pidfile"
}

_tp_log_tail() {
    local f
    for f in "$_tp_root/log/cupsd.out" "$_tp_root/log/error_log"; do
        [[ -s $f ]] || continue
        printf -- '--- %s (last lines) ---\n' "$f" >&2
        tail -n 40 "$f" >&2
    done
}

_tp_fail_start() {
    printf 'test-printer: %s\n' "$*" >&2
    _tp_log_tail
    _tp_stop
    exit 1
}

_tp_write_config() {
    local etc=$_tp_root/etc
    mkdir -p "$etc/ppd" "$etc/ssl" "$_tp_root/spool/tmp" "$_tp_root/cache" \
        "$_tp_root/state" "$_tp_root/log" "$_tp_root/pdf-spool" ||
        _tp_die "cannot create directories below $_tp_root"

    # Only the private socket; no TCP, no browsing, no sharing, no web UI.
    # Anyone who can reach the socket may administer this scheduler, which
    # is what the test suite needs.
    cat >"$etc/cupsd.conf" <<EOF
# Private scheduler for the test suite (written by test-printer.sh)
LogLevel info
MaxLogSize 0
Listen $_tp_sock
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

    # Every file the scheduler writes lives below DIR/cups. Printcap must be
    # set: the built-in default would overwrite the system's
    # /run/cups/printcap.
    cat >"$etc/cups-files.conf" <<EOF
# Private scheduler for the test suite (written by test-printer.sh)
ServerRoot $etc
RequestRoot $_tp_root/spool
TempDir $_tp_root/spool/tmp
CacheDir $_tp_root/cache
StateDir $_tp_root/state
AccessLog $_tp_root/log/access_log
ErrorLog $_tp_root/log/error_log
PageLog $_tp_root/log/page_log
Printcap $_tp_root/printcap
SystemGroup root
FileDevice No
EOF

    # The packaged PPD plus the backend settings (see the top of this file).
    # Values must not contain '/'. TitlePref 1 names files after the job
    # name, Label 2 appends the job id.
    [[ -r $_tp_ppd_src ]] || _tp_die "$_tp_ppd_src not found (is printer-driver-cups-pdf installed?)"
    {
        sed -e 's/^\*DefaultPDFVer:.*/*DefaultPDFVer: 1.4/' \
            -e 's/^\*DefaultTitlePref:.*/*DefaultTitlePref: 1/' \
            -e 's/^\*DefaultLabel:.*/*DefaultLabel: 2/' \
            -e 's/^\*DefaultTruncate:.*/*DefaultTruncate: 64/' \
            -e 's/^\*DefaultPageSize:.*/*DefaultPageSize: A4/' \
            -e 's/^\*DefaultPageRegion:.*/*DefaultPageRegion: A4/' \
            "$_tp_ppd_src"
        printf '\n*%% Backend settings for the private test queue\n'
        local kv k v
        for kv in Out=pdf AnonDirName=pdf Spool=pdf-spool Log=log Grp=lp \
            UserUMask=0022 AnonUMask=0022 DecodeHexStrings=1 Cut=3; do
            k=${kv%%=*} v=${kv#*=}
            printf '*OpenUI *%s/%s: PickOne\n*Default%s: %s\n*%s %s/%s: ""\n*CloseUI: *%s\n' \
                "$k" "$k" "$k" "$v" "$k" "$v" "$v" "$k"
        done
    } >"$_tp_root/$_tp_queue.ppd"
}

# Filters run as user lp and must reach the spool and the PPD below
# DIR/cups. When DIR is somewhere lp cannot enter (e.g. below /root), the
# scheduler's files go to a directory under /tmp and DIR/cups points there.
_tp_prepare_root() {
    local link=$_tp_dir/cups real
    if [[ -L $link ]]; then
        if [[ -e $_tp_root ]]; then
            [[ -e $_tp_root/$_tp_marker ]] ||
                _tp_die "$link points to $_tp_root, which was not made by this script; not touching it"
            rm -rf -- "$_tp_root"
        fi
        rm -f -- "$link"
    elif [[ -e $link ]]; then
        [[ -e $link/$_tp_marker ]] ||
            _tp_die "$link exists and was not made by this script; not touching it"
        rm -rf -- "$link"
    fi
    mkdir -p -- "$_tp_dir" "$_tp_pdf" || _tp_die "cannot create $_tp_pdf"
    if command -v runuser >/dev/null && ! runuser -u lp -- test -x "$_tp_dir" 2>/dev/null; then
        real=$(mktemp -d /tmp/test-printer.XXXXXX) || _tp_die "mktemp failed"
        chmod 0755 "$real"
        ln -s -- "$real" "$link" || _tp_die "cannot create $link"
        _tp_set_root "$real"
    else
        mkdir -p -- "$link" || _tp_die "cannot create $link"
        _tp_set_root "$link"
    fi
    : >"$_tp_root/$_tp_marker"
}

_tp_start() {
    local pid out i def rc
    [[ $(id -u) == 0 ]] || _tp_die "must run as root (the cups-pdf backend needs it)"
    command -v cupsd >/dev/null || _tp_die "cupsd not found (install cups)"
    [[ -x /usr/lib/cups/backend/cups-pdf ]] || _tp_die "cups-pdf backend missing (install printer-driver-cups-pdf)"
    (( ${#_tp_sock} < 100 )) || _tp_die "socket path too long: $_tp_sock"

    # A scheduler left over from an earlier start in the same DIR goes first.
    _tp_stop
    _tp_prepare_root
    (( ${#_tp_sock} < 100 )) || _tp_die "socket path too long: $_tp_sock"
    _tp_write_config
    ln -s -- "$_tp_pdf" "$_tp_root/pdf"
    find "$_tp_pdf" -mindepth 1 -maxdepth 1 -exec rm -rf -- {} +
    # jobs of other users are written as that user
    chmod 1777 "$_tp_pdf"

    # Run in the foreground of a background job: the pid is known, and the
    # working directory (which the backend relies on) is DIR/cups. No
    # systemd/launchd hand-over, and no D-Bus, so nothing gets registered
    # on the system bus.
    (
        cd "$_tp_root" || exit 1
        exec env -u NOTIFY_SOCKET -u LISTEN_FDS -u LISTEN_PID -u LISTEN_FDNAMES \
            -u DBUS_SESSION_BUS_ADDRESS -u CUPS_SERVERROOT -u CUPS_SERVERBIN \
            -u CUPS_DATADIR -u CUPS_STATEDIR -u CUPS_CACHEDIR -u CUPS_REQUESTROOT \
            DBUS_SYSTEM_BUS_ADDRESS="unix:path=$_tp_root/no-such-bus" \
            cupsd -f -c "$_tp_root/etc/cupsd.conf" -s "$_tp_root/etc/cups-files.conf" \
            </dev/null >"$_tp_root/log/cupsd.out" 2>&1
    ) &
    pid=$!
    printf '%s\n' "$pid" >"$_tp_pidfile"

    # Wait for the scheduler to answer.
    for ((i = 0; i < 150; i++)); do
        _tp_alive "$pid" || _tp_fail_start "cupsd exited during start-up"
        [[ -S $_tp_sock ]] && _tp_client lpstat -r >/dev/null 2>&1 && break
        sleep 0.1
    done
    _tp_client lpstat -r >/dev/null 2>&1 || _tp_fail_start "cupsd did not answer within 15 s"

    # Text extraction from the PDFs needs the poppler renderer; the default
    # (Ghostscript) turns text into outlines/Type 3 glyphs without Unicode.
    local -a opts=(-o PageSize=A4 -o printer-is-shared=false)
    command -v pdftocairo >/dev/null && opts+=(-o pdftops-renderer-default=pdftocairo)
    out=$(_tp_client lpadmin -p "$_tp_queue" -D "Test PDF printer" -v cups-pdf:/ \
        -P "$_tp_root/$_tp_queue.ppd" "${opts[@]}" 2>&1) ||
        _tp_fail_start "lpadmin -p failed: $out"
    out=$(_tp_client lpadmin -d "$_tp_queue" 2>&1) || _tp_fail_start "lpadmin -d failed: $out"
    out=$(_tp_client cupsenable "$_tp_queue" 2>&1) || _tp_fail_start "cupsenable failed: $out"
    out=$(_tp_client cupsaccept "$_tp_queue" 2>&1) || _tp_fail_start "cupsaccept failed: $out"

    for ((i = 0; i < 50; i++)); do
        def=$(_tp_client lpstat -d 2>/dev/null) || def=
        [[ $def == *": $_tp_queue" ]] && break
        sleep 0.1
    done
    [[ $def == *": $_tp_queue" ]] || _tp_fail_start "$_tp_queue is not the default destination (lpstat -d: $def)"

    # The scheduler's own pid file is authoritative if the shell had to fork.
    if [[ -r $_tp_root/state/cupsd.pid ]]; then
        rc=$(<"$_tp_root/state/cupsd.pid")
        [[ $rc =~ ^[0-9]+$ ]] && printf '%s\n' "$rc" >"$_tp_pidfile"
    fi

    local v
    for v in PRINTER LPDEST; do
        [[ -z ${!v:-} || ${!v} == "$_tp_queue" ]] ||
            printf 'test-printer: warning: %s=%s overrides the default printer\n' "$v" "${!v}" >&2
    done
    printf 'export CUPS_SERVER=%q\n' "$_tp_announced"
}

_tp_finished_pdfs() {
    local f n=0
    for f in "$_tp_pdf"/*.pdf; do
        [[ -f $f && -s $f ]] || continue
        tail -c 64 -- "$f" | grep -aq '%%EOF' || continue
        ((n++))
    done
    printf '%s\n' "$n"
}

_tp_wait() {
    local want=$1 timeout=${2:-30} deadline jobs n
    [[ $want =~ ^[0-9]+$ ]] || { _tp_usage; exit 2; }
    [[ $timeout =~ ^[0-9]+$ ]] || { _tp_usage; exit 2; }
    deadline=$((SECONDS + timeout))
    while :; do
        # Jobs still queued or being converted: their files are not final.
        jobs=$(_tp_client lpstat -o 2>/dev/null) || jobs=
        if [[ -z $jobs ]]; then
            n=$(_tp_finished_pdfs)
            ((n >= want)) && return 0
        fi
        ((SECONDS < deadline)) || break
        sleep 0.2
    done
    {
        printf 'test-printer: timed out after %ss: %s of %s PDFs finished in %s\n' \
            "$timeout" "$(_tp_finished_pdfs)" "$want" "$_tp_pdf"
        [[ -n $jobs ]] && printf 'jobs still queued:\n%s\n' "$jobs"
        _tp_running_pid >/dev/null || printf 'the scheduler for %s is not running\n' "$_tp_dir"
        if [[ -s $_tp_root/log/cups-pdf-${_tp_queue}_log ]]; then
            printf -- '--- cups-pdf log (last lines) ---\n'
            grep -a -E '\[(ERROR|STATUS)\]' "$_tp_root/log/cups-pdf-${_tp_queue}_log" | tail -n 10
        fi
    } >&2
    _tp_log_tail
    return 1
}

_tp_main() {
    set -uo pipefail
    # whatever the caller's umask, lp must be able to read what we create
    umask 022
    local cmd=${1:-}
    case $cmd in
    start) [[ $# == 2 ]] || { _tp_usage; exit 2; }; _tp_paths "$2"; _tp_start ;;
    stop) [[ $# == 2 ]] || { _tp_usage; exit 2; }; _tp_paths "$2"; _tp_stop ;;
    wait) [[ $# == 3 || $# == 4 ]] || { _tp_usage; exit 2; }; _tp_paths "$2"; _tp_wait "$3" "${4:-30}" ;;
    *) _tp_usage; exit 2 ;;
    esac
}

if [[ ${BASH_SOURCE[0]} != "$0" ]]; then
    # Sourced: run in a subshell so errors cannot end the caller's shell,
    # then export CUPS_SERVER here too.
    if [[ ${1:-} == start ]]; then
        _tp_line=$( (_tp_main "$@") ) && _tp_rc=0 || _tp_rc=$?
        if [[ $_tp_rc == 0 ]]; then
            eval "$_tp_line"
            printf '%s\n' "$_tp_line"
        fi
    else
        (_tp_main "$@") && _tp_rc=0 || _tp_rc=$?
    fi
    # leave nothing of ours behind in the calling shell
    unset -f _tp_usage _tp_die _tp_client _tp_paths _tp_set_root _tp_alive \
        _tp_running_pid _tp_children_of _tp_stop _tp_log_tail _tp_fail_start \
        _tp_write_config _tp_prepare_root _tp_start _tp_finished_pdfs _tp_wait _tp_main
    unset _tp_queue _tp_ppd_src _tp_marker _tp_line
    eval "unset _tp_rc; return $_tp_rc"
else
    _tp_main "$@"
fi
