# Waiting on the player and clicking its panel like a user, for the end-to-end scripts.
# Source it from bash; the clicks need panel_x and panel_y, the panel's place on the screen.

# Polls a command for up to $1 seconds.
within() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.2
    done
}

# Whether a process has ended: gone, or a zombie nobody has reaped yet.
ended() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 0
    stat=${stat##*) }
    [ "${stat:0:1}" = Z ]
}

# Whether process $1 holds file $2 open: the loader keeps a loaded song's lyric file open.
holds_open() {
    local fd
    for fd in /proc/"$1"/fd/*; do
        [ "$(readlink "$fd" 2>/dev/null)" = "$2" ] && return 0
    done
    return 1
}

# Whether the lyric screen is shown over the whole screen; the panel has the same title.
lyric_shown() {
    local w size
    size=$(xdotool getdisplaygeometry | tr ' ' x)
    for w in $(xdotool search --onlyvisible --name '^Da Zazide$' 2>/dev/null); do
        xdotool getwindowgeometry "$w" 2>/dev/null | grep -q "Geometry: $size" && return 0
    done
    return 1
}

# --- faces: where they are (twips on the panel: place, then the active rectangle) ----------
# A real click: the pointer comes onto the face, presses, releases, and leaves the panel.
click_at_twips() {
    local x=$((panel_x + $1 / 15)) y=$((panel_y + $2 / 15))
    xdotool mousemove "$x" "$y"
    sleep 0.3
    xdotool mousedown 1
    sleep 0.15
    xdotool mouseup 1
    sleep 0.3
    xdotool mousemove 5 5
    sleep 0.5
}
click_play() { click_at_twips $((2420 + 340)) $((1795 + 225)); }
click_stop() { click_at_twips $((3100 + 330)) $((1795 + 225)); }
click_power() { click_at_twips $((260 + 540)) $((230 + 390)); }
# Index 0 is the rightmost font face.
click_font() { click_at_twips $((7200 - 540 * $1 + 262)) $((2395 + 142)); }
