# Wine and Xvfb helpers shared by tools/run, tools/test and tools/wine-run.
# Source it:  . "$(dirname "$0")/wine-env.sh"
#
# Wine only ever runs in the private prefix build/wineprefix (never ~/.wine). Every Xvfb these
# helpers start is stopped again by its PID; the Wine server of our prefix with `wineserver -k`.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ROOT
export WINEPREFIX="${STOCKDRAW_WINEPREFIX:-$ROOT/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
# Wine's 32-bit Windows DLLs for running 32-bit programs in WoW64 mode (tools/install-wow64).
# A prefix made while they are present has a filled syswow64 folder.
WOW64_DLLS="$ROOT/build/wine-i386"
export WINEDLLPATH="$WOW64_DLLS"
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export WINE WINESERVER

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

# True when Wine's 32-bit DLLs are at hand but the prefix was made without them.
_wine_env_prefix_lacks_wow64() {
    [ -f "$WOW64_DLLS/i386-windows/kernel32.dll" ] && [ -d "$WINEPREFIX/drive_c" ] &&
        [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]
}

# Creates the private prefix once (wineboot -i) and sets it up; quick when already done.
# Safe to call from several processes at once.
ensure_prefix() {
    local marker="$WINEPREFIX/.stockdraw-prefix-v$STOCKDRAW_PREFIX_VERSION"
    [ -f "$marker" ] && ! _wine_env_prefix_lacks_wow64 && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock -w 300 9 || {
            _wine_env_log "timed out waiting for the prefix lock"
            exit 1
        }
        if _wine_env_prefix_lacks_wow64; then
            # wineboot fills syswow64 only when it makes a prefix: start again.
            _wine_env_log "remaking Wine prefix $WINEPREFIX with the 32-bit DLLs"
            _wine_timed 30 "$WINESERVER" -k >/dev/null 2>&1 || true
            _wine_timed 30 "$WINESERVER" -w >/dev/null 2>&1 || true
            rm -rf "$WINEPREFIX"
        fi
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

# Keeps a Wine server alive for the prefix so each program start is quick. Remembers whether
# it started one, so stop_wineserver only stops what this script started.
STOCKDRAW_STARTED_WINESERVER=0
start_wineserver() {
    if wineserver_running; then
        return 0
    fi
    "$WINESERVER" -p && STOCKDRAW_STARTED_WINESERVER=1
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

# Stops the Wine server of our prefix (and every program still running in it).
# With "if-started", only when start_wineserver started it.
stop_wineserver() {
    if [ "${1:-}" = "if-started" ] && [ "$STOCKDRAW_STARTED_WINESERVER" != 1 ]; then
        return 0
    fi
    [ -d "$WINEPREFIX" ] || return 0
    _wine_timed 30 "$WINESERVER" -k >/dev/null 2>&1 || true
    _wine_timed 30 "$WINESERVER" -w >/dev/null 2>&1 || true
    STOCKDRAW_STARTED_WINESERVER=0
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
