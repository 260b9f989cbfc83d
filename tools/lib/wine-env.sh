# Shared by the Wine launchers and the test driver: where the project's Wine prefix of each
# architecture lives, how it is prepared, and how a private Xvfb display is started and
# stopped. Sourced, not run; call arch_select first.

source "$(dirname "${BASH_SOURCE[0]}")/arch.sh"

SNAPVALE_DESKTOP_SIZE="${SNAPVALE_DESKTOP_SIZE:-1280x1024}"
SNAPVALE_DESKTOP_DEPTH=24

export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installers: the product needs neither.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# Runs a Windows program with the loader of the architecture arch_select chose.
wine_env_run() {
    "$WINELOADER" "$@"
}

# Takes the prefix's lock for this process tree, unless an outer launcher holds it.
# Descendants see SNAPVALE_WINE_LOCKED and do not wait for it again.
wine_env_lock() {
    if [[ "${SNAPVALE_WINE_LOCKED:-}" == "$SNAPVALE_BUILD" ]]; then return; fi
    mkdir -p "$SNAPVALE_BUILD"
    exec 9>"$SNAPVALE_BUILD/wineprefix.lock"
    flock 9
    export SNAPVALE_WINE_LOCKED="$SNAPVALE_BUILD"
}

# The version of the prefix's set-up, written into its ready marker. Raise it whenever the
# set-up below changes: a prefix whose marker holds another version (or is empty, as the
# first set-ups left it) gets the set-up applied again without being rebuilt.
SNAPVALE_PREFIX_VERSION=2

# The CJK font the prefix shows Chinese with (Debian's fonts-wqy-zenhei), as Wine's font
# links name it: "file,family".
SNAPVALE_CJK_LINK='wqy-zenhei.ttc,WenQuanYi Zen Hei'

# A REG_MULTI_SZ value of a .reg file: hex(7) with the UTF-16LE bytes of the strings, each
# ended by a NUL, and a final NUL.
wine_env_reg_multi_sz() {
    local bytes
    bytes="$({ printf '%s\0' "$@"; printf '\0'; } | iconv -f UTF-8 -t UTF-16LE |
        od -An -v -tx1 -w1 | tr -d ' ' | paste -sd,)"
    printf 'hex(7):%s' "$bytes"
}

wine_env_prepare_prefix() {
    local ready="$WINEPREFIX/.snapvale-ready"
    if [[ -f "$ready" && "$(cat "$ready")" == "$SNAPVALE_PREFIX_VERSION" ]]; then
        return 0
    fi
    if [[ -f "$ready" ]]; then
        echo "wine-run: updating the Wine prefix $WINEPREFIX" >&2
    else
        echo "wine-run: preparing the Wine prefix $WINEPREFIX" >&2
        mkdir -p "$WINEPREFIX"
        wine_env_run wineboot --init 9>&- >/dev/null 2>&1
        "$WINESERVER" -w 9>&-
    fi

    # Wine's own fonts (Marlett for DrawFrameControl glyphs, Tahoma, ...).
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp -n /usr/share/wine/fonts/*.ttf "$fonts"/ 2>/dev/null || true

    # Chinese text in every font the host and the program draw it with. The Chinese UI
    # names are substitutes of the CJK font. Latin fonts reach it through font links: Wine
    # looks a font's links up by the full name of the face it selected, so bold Tahoma
    # ("Tahoma Bold", the host's caption font, also behind a bold "MS Shell Dlg") needs a
    # link of its own beside "Tahoma"; an entry only counts when its file is found.
    local link
    link="$(wine_env_reg_multi_sz "$SNAPVALE_CJK_LINK")"
    local reg
    reg="$(mktemp --suffix=.reg)"
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
        printf '"宋体"="WenQuanYi Zen Hei"\r\n'
        printf '"SimSun"="WenQuanYi Zen Hei"\r\n'
        printf '"NSimSun"="WenQuanYi Zen Hei"\r\n\r\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
        printf '"Tahoma"=%s\r\n' "$link"
        printf '"Tahoma Bold"=%s\r\n\r\n' "$link"
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n'
        printf '"Desktop"="Default"\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n'
        printf '"Default"="%s"\r\n\r\n' "$SNAPVALE_DESKTOP_SIZE"
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n'
        printf '"ShowCrashDialog"=dword:00000000\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
        printf '"Decorated"="N"\r\n"Managed"="N"\r\n\r\n'
    } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
    wine_env_run regedit /S "$(wine_env_run winepath -w "$reg" 2>/dev/null 9>&-)" 9>&- \
        >/dev/null 2>&1
    "$WINESERVER" -w 9>&-
    rm -f "$reg"
    echo "$SNAPVALE_PREFIX_VERSION" >"$ready"
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
    "$WINESERVER" -k 9>&- 2>/dev/null || true
    "$WINESERVER" -w 9>&- 2>/dev/null || true
    kill "$SNAPVALE_XVFB_PID" 2>/dev/null || true
    wait "$SNAPVALE_XVFB_PID" 2>/dev/null || true
    SNAPVALE_XVFB_PID=""
    unset DISPLAY
}

# Starts Wine's server and desktop with no inherited output, so that a program's caller
# (CTest, a pipe) is not kept waiting by Wine's helper processes after the program ends.
wine_env_warm_up() {
    if [[ "${SNAPVALE_WINE_WARM:-}" == "$WINEPREFIX" ]]; then return 0; fi
    wine_env_run cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
    export SNAPVALE_WINE_WARM="$WINEPREFIX"
}
