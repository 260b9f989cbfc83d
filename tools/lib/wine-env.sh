# Shared by the Wine launcher and the test driver: where the project's Wine prefix lives,
# how it is prepared, and how a private Xvfb display is started and stopped.
# Sourced, not run.

SNAPVALE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
SNAPVALE_BUILD="${SNAPVALE_BUILD:-$SNAPVALE_ROOT/build}"
SNAPVALE_DESKTOP_SIZE="${SNAPVALE_DESKTOP_SIZE:-1280x1024}"
SNAPVALE_DESKTOP_DEPTH=24

export WINEPREFIX="${WINEPREFIX:-$SNAPVALE_BUILD/wineprefix}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installers: the product needs neither.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# Takes the prefix's lock for this process tree, unless an outer launcher holds it.
# Descendants see SNAPVALE_WINE_LOCKED and do not wait for it again.
wine_env_lock() {
    if [[ -n "${SNAPVALE_WINE_LOCKED:-}" ]]; then return; fi
    mkdir -p "$SNAPVALE_BUILD"
    exec 9>"$SNAPVALE_BUILD/wineprefix.lock"
    flock 9
    export SNAPVALE_WINE_LOCKED=1
}

wine_env_prepare_prefix() {
    local ready="$WINEPREFIX/.snapvale-ready"
    [[ -f "$ready" ]] && return 0
    echo "wine-run: preparing the Wine prefix $WINEPREFIX" >&2
    mkdir -p "$WINEPREFIX"
    wineboot --init 9>&- >/dev/null 2>&1
    wineserver -w 9>&-

    # Wine's own fonts (Marlett for DrawFrameControl glyphs, Tahoma, ...).
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp -n /usr/share/wine/fonts/*.ttf "$fonts"/ 2>/dev/null || true

    local reg
    reg="$(mktemp --suffix=.reg)"
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
        printf '"宋体"="WenQuanYi Zen Hei"\r\n'
        printf '"SimSun"="WenQuanYi Zen Hei"\r\n'
        printf '"NSimSun"="WenQuanYi Zen Hei"\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n'
        printf '"Desktop"="Default"\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n'
        printf '"Default"="%s"\r\n\r\n' "$SNAPVALE_DESKTOP_SIZE"
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n'
        printf '"ShowCrashDialog"=dword:00000000\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
        printf '"Decorated"="N"\r\n"Managed"="N"\r\n\r\n'
    } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
    wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" 9>&- >/dev/null 2>&1
    wineserver -w 9>&-
    rm -f "$reg"
    touch "$ready"
}

SNAPVALE_XVFB_PID=""
# Starts a private Xvfb on a free display number when there is no display.
wine_env_start_display() {
    if [[ -n "${DISPLAY:-}" ]]; then return 0; fi
    local n
    for ((n = 90; n < 190; n++)); do
        if [[ ! -e "/tmp/.X$n-lock" && ! -e "/tmp/.X11-unix/X$n" ]]; then
            Xvfb ":$n" -screen 0 "${SNAPVALE_DESKTOP_SIZE}x${SNAPVALE_DESKTOP_DEPTH}" \
                -nolisten tcp -noreset 9>&- >/dev/null 2>&1 &
            SNAPVALE_XVFB_PID=$!
            local i
            for ((i = 0; i < 100; i++)); do
                if [[ -e "/tmp/.X11-unix/X$n" ]]; then
                    export DISPLAY=":$n"
                    return 0
                fi
                if ! kill -0 "$SNAPVALE_XVFB_PID" 2>/dev/null; then break; fi
                sleep 0.1
            done
            kill "$SNAPVALE_XVFB_PID" 2>/dev/null || true
            wait "$SNAPVALE_XVFB_PID" 2>/dev/null || true
            SNAPVALE_XVFB_PID=""
        fi
    done
    echo "wine-run: could not start Xvfb" >&2
    return 1
}

# Stops what was started for a private display: Wine's processes first (their desktop
# lives on that display), then Xvfb.
wine_env_stop_display() {
    if [[ -z "$SNAPVALE_XVFB_PID" ]]; then return 0; fi
    wineserver -k 9>&- 2>/dev/null || true
    wineserver -w 9>&- 2>/dev/null || true
    kill "$SNAPVALE_XVFB_PID" 2>/dev/null || true
    wait "$SNAPVALE_XVFB_PID" 2>/dev/null || true
    SNAPVALE_XVFB_PID=""
    unset DISPLAY
}

# Starts Wine's server and desktop with no inherited output, so that a program's caller
# (CTest, a pipe) is not kept waiting by Wine's helper processes after the program ends.
wine_env_warm_up() {
    if [[ -n "${SNAPVALE_WINE_WARM:-}" ]]; then return 0; fi
    wine cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
    export SNAPVALE_WINE_WARM=1
}
