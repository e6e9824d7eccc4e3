# Pieces for scripts that run the player on their own X server. Source it from bash.
#
#   xsession_start 1280x800x24      starts Xvfb at 96 dpi on a free display; sets DISPLAY
#                                   and XSESSION_XVFB (its process id)
#   xsession_stop                   ends that Xvfb
#   xsession_panel SECONDS          prints the window id of the player's panel once shown

xsession_start() {
    local number
    # Xvfb picks a free display and writes its number to the pipe.
    exec {xsession_fd}< <(Xvfb -displayfd 1 -screen 0 "$1" -dpi 96 -nolisten tcp 2>/dev/null &
        echo "pid $!")
    read -r _ XSESSION_XVFB <&"$xsession_fd"
    if ! read -r -t 30 number <&"$xsession_fd"; then
        echo "Xvfb did not start within 30 s" >&2
        return 1
    fi
    export DISPLAY=":$number"
    for _ in $(seq 100); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "Xvfb on $DISPLAY does not answer" >&2
    return 1
}

xsession_stop() {
    if [ -n "${XSESSION_XVFB:-}" ]; then
        kill "$XSESSION_XVFB" 2>/dev/null || true
        wait "$XSESSION_XVFB" 2>/dev/null || true
        XSESSION_XVFB=""
    fi
}

# The lyric screen has the same title; the panel is the window of the panel's size.
xsession_panel() {
    local end=$((SECONDS + $1)) w
    while [ "$SECONDS" -lt "$end" ]; do
        for w in $(xdotool search --onlyvisible --name '^Da Zazide$' 2>/dev/null); do
            if xdotool getwindowgeometry "$w" 2>/dev/null | grep -q 'Geometry: 604x196'; then
                echo "$w"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}
