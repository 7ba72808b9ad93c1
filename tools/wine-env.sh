# Wine and Xvfb helpers shared by tools/run, tools/test and tools/wine-run.
# Source it:  . "$(dirname "$0")/wine-env.sh"
#
# Wine only ever runs in the private prefixes build/wineprefix (64-bit) and build/wineprefix32
# (32-bit), never in ~/.wine. Every Xvfb these
# helpers start is stopped again by its PID; the Wine server of our prefix with `wineserver -k`.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ROOT
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset WINEDLLPATH

# use_wine 64|32: the Wine and the prefix that run programs of that build. 64-bit programs run
# with wine64 in build/wineprefix; 32-bit ones with Debian's 32-bit Wine from its private folder
# (tools/install-wine32, run through tools/wine32) in the win32 prefix build/wineprefix32. One
# wineserver binary serves both prefixes, each with its own server process.
use_wine() {
    case "$1" in
    64)
        WINE=/usr/lib/wine/wine64
        WINEARCH=win64
        WINEPREFIX="${STOCKDRAW_WINEPREFIX:-$ROOT/build/wineprefix}"
        ;;
    32)
        WINE="$ROOT/tools/wine32"
        WINEARCH=win32
        WINEPREFIX="${STOCKDRAW_WINEPREFIX32:-$ROOT/build/wineprefix32}"
        ;;
    *)
        _wine_env_log "use_wine 64|32"
        return 2
        ;;
    esac
    STOCKDRAW_WINE_BITS="$1"
    WINESERVER=/usr/lib/wine/wineserver64
    export WINE WINEARCH WINEPREFIX WINESERVER
}

# True when this machine runs Debian's 32-bit Wine: some kernels start with their 32-bit
# emulation off (ia32_emulation=off) and refuse every 32-bit Linux program.
runs_wine32() {
    "$ROOT/tools/wine32" --version >/dev/null 2>&1
}

# 32 or 64: the bitness of a Windows program file (its PE header's machine field).
pe_bits() {
    local offset machine
    offset=$(od -An -t u4 -j 60 -N 4 "$1" 2>/dev/null | tr -d ' ')
    [ -n "$offset" ] || return 1
    machine=$(od -An -t x2 -j $((offset + 4)) -N 2 "$1" 2>/dev/null | tr -d ' ')
    case "$machine" in
    014c) echo 32 ;;
    8664) echo 64 ;;
    *) return 1 ;;
    esac
}

# Bumped whenever the prefix set-up below changes, so old prefixes are brought up to date.
STOCKDRAW_PREFIX_VERSION=3

_wine_env_log() { echo "[wine-env] $*" >&2; }

# Runs with a timeout so that a stuck Wine call cannot hang a script.
_wine_timed() {
    local secs="$1"
    shift
    timeout --kill-after=10 "$secs" "$@"
}

# Fonts Wine needs to draw like Windows: its own MS Sans Serif, Tahoma and Marlett (fonts-wine)
# and Liberation (fonts-liberation2), whose metrics match Arial, Times New Roman and Courier New;
# and the X11 settings for a display without a window manager.
_wine_env_set_up_prefix() {
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    local f
    for f in /usr/share/wine/fonts/*.fon /usr/share/wine/fonts/*.ttf \
        /usr/share/fonts/truetype/liberation2/*.ttf; do
        [ -f "$f" ] || continue
        cmp -s "$f" "$fonts/$(basename "$f")" || cp -f "$f" "$fonts/"
    done
    # Programs asking for the Windows core fonts get the metric-compatible Liberation faces.
    local reg="$WINEPREFIX/stockdraw-fonts.reg"
    cat >"$reg" <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Arial Narrow"="Liberation Sans Narrow"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"

; Xvfb has no window manager: unmanaged windows spare the 2 s Wine waits for one on every hide.
[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
EOF
    _wine_timed 120 "$WINE" regedit /S "$(wine_path "$reg")" >/dev/null 2>&1 || return 1
    rm -f "$reg"
}

# Z:\ path of a host path.
wine_path() {
    local p
    p="$(readlink -f "$1")"
    printf 'Z:%s' "${p//\//\\}"
}

# Creates the private prefix once (wineboot -i) and sets it up; quick when already done.
# Safe to call from several processes at once.
ensure_prefix() {
    local marker="$WINEPREFIX/.stockdraw-prefix-v$STOCKDRAW_PREFIX_VERSION"
    [ -f "$marker" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock -w 300 9 || {
            _wine_env_log "timed out waiting for the prefix lock"
            exit 1
        }
        [ -f "$marker" ] && exit 0
        _wine_env_log "creating Wine prefix $WINEPREFIX (once)"
        _wine_timed 300 "$WINE" wineboot -i >/dev/null 2>&1 || {
            _wine_env_log "wineboot -i failed"
            exit 1
        }
        _wine_env_set_up_prefix || {
            _wine_env_log "prefix set-up failed"
            exit 1
        }
        # Let the registry changes reach the disk before anyone relies on them.
        _wine_timed 60 "$WINESERVER" -w || true
        rm -f "$WINEPREFIX"/.stockdraw-prefix-v*
        touch "$marker"
    ) 9>"$WINEPREFIX.lock"
}

# Keeps a Wine server alive for the selected prefix so each program start is quick. Remembers
# the prefixes it started one for, so stop_wineserver only stops what this script started.
STOCKDRAW_STARTED_WINESERVERS=""
start_wineserver() {
    if wineserver_running; then
        return 0
    fi
    "$WINESERVER" -p && STOCKDRAW_STARTED_WINESERVERS="$STOCKDRAW_STARTED_WINESERVERS $STOCKDRAW_WINE_BITS"
}

# True when a Wine server is running for our prefix: the server holds a lock on the file "lock"
# in its folder (/tmp/.wine-UID/server-DEV-INODE, or /tmp/wine-XXXXXX/server-DEV-INODE on Debian).
wineserver_running() {
    [ -d "$WINEPREFIX" ] || return 1
    local dev ino
    dev=$(stat -L -c %d "$WINEPREFIX") || return 1
    ino=$(stat -L -c %i "$WINEPREFIX") || return 1
    python3 - "$(printf 'server-%x-%x' "$dev" "$ino")" <<'EOF'
import fcntl, glob, sys
name = sys.argv[1]
for lock in glob.glob("/tmp/.wine-*/%s/lock" % name) + glob.glob("/tmp/wine-*/%s/lock" % name):
    try:
        with open(lock, "r+") as f:
            fcntl.lockf(f, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except OSError:
        sys.exit(0)  # held: a server is running
sys.exit(1)
EOF
}

# Stops the Wine server of the selected prefix (and every program still running in it).
# With "if-started", those of every prefix that start_wineserver started one for.
stop_wineserver() {
    local bits
    if [ "${1:-}" = "if-started" ]; then
        for bits in $STOCKDRAW_STARTED_WINESERVERS; do
            (use_wine "$bits" && stop_wineserver)
        done
        STOCKDRAW_STARTED_WINESERVERS=""
        return 0
    fi
    [ -d "$WINEPREFIX" ] || return 0
    _wine_timed 30 "$WINESERVER" -k >/dev/null 2>&1 || true
    _wine_timed 30 "$WINESERVER" -w >/dev/null 2>&1 || true
}

# set_theme on|off: Wine's light visual style, or the classic look.
set_theme() {
    local value
    case "$1" in
    on) value=1 ;;
    off) value=0 ;;
    *)
        _wine_env_log "set_theme on|off"
        return 2
        ;;
    esac
    _wine_timed 120 "$WINE" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' \
        /v ThemeActive /t REG_SZ /d "$value" /f >/dev/null 2>&1
}

# Starts a private Xvfb when there is no DISPLAY, and exports DISPLAY for it.
# STOCKDRAW_XVFB_PID is set when one was started. Screen size: $1 (default 1280x1024x24).
STOCKDRAW_XVFB_PID=""
start_xvfb_if_needed() {
    [ -n "${DISPLAY:-}" ] && return 0
    local screen="${1:-1280x1024x24}"
    local fifo display
    fifo="$(mktemp -u /tmp/stockdraw-xvfb.XXXXXX)"
    mkfifo "$fifo"
    # -displayfd: Xvfb picks a free display number itself and writes it to the pipe when ready.
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    STOCKDRAW_XVFB_PID=$!
    display=""
    if read -r -t 20 display <"$fifo"; then :; fi
    rm -f "$fifo"
    if [ -z "$display" ]; then
        _wine_env_log "Xvfb did not start"
        stop_xvfb
        return 1
    fi
    export DISPLAY=":$display"
}

stop_xvfb() {
    if [ -n "$STOCKDRAW_XVFB_PID" ]; then
        kill "$STOCKDRAW_XVFB_PID" 2>/dev/null || true
        local i
        for i in $(seq 50); do
            kill -0 "$STOCKDRAW_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$STOCKDRAW_XVFB_PID" 2>/dev/null || true
        wait "$STOCKDRAW_XVFB_PID" 2>/dev/null || true
        STOCKDRAW_XVFB_PID=""
        unset DISPLAY
    fi
}

use_wine 64
