#!/usr/bin/env bash
# The whole system as a user meets it, on its own Xvfb: the launcher starts in a fresh copy
# of the application folder and ends; the panel and the lyric screen appear; real clicks
# play the first song, switch the lyric font through every font face, and power off.
#
#   tests/e2e/whole-system.sh <application folder> <folder for the screenshots>
#
# The screenshots stay behind for a person to look at; the test reads their pixels.
set -euo pipefail
app=$(realpath "$1")
shots=$(realpath -m "$2")
here=$(dirname "$(realpath "$0")")
# shellcheck source=../../player/tools/xsession.bash
source "$here/../../player/tools/xsession.bash"
source "$here/pixels.bash"
source "$here/panel.bash"

for tool in Xvfb xdotool import convert compare sox; do
    command -v "$tool" >/dev/null ||
        { echo "FAILED: $tool is not installed (scripts/install-deps installs it)" >&2; exit 1; }
done

rm -rf "$shots"
mkdir -p "$shots"
work=$(mktemp -d)
launcher=""
cleanup() {
    # The launcher leads its own process group, which the player and textpull inherit.
    [ -n "$launcher" ] && kill -- "-$launcher" 2>/dev/null || true
    xsession_stop
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    import -window root "$shots/failure.png" 2>/dev/null &&
        echo "the screen at the failure: $shots/failure.png" >&2
    exit 1
}

cp -a "$app" "$work/app"
rm -f "$work/app"/Input* "$work/app"/Error*.msg "$work/app/sty.err"
mkdir -m 0700 "$work/runtime"
mkdir -m 0700 "$work/home"
# A home of its own: a ~/Karaoke of the machine's user would be sung from instead.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" MELODECK_AUDIO_FILE="$work/out.wav"
# The song folder is only read; the working files go to the session's private folder.
working="$XDG_RUNTIME_DIR/melodeck/work"
unset QT_QPA_PLATFORM
xsession_start 1280x800x24 || fail "no X server to run on"

shot() { import -window root "$shots/$1.png" || fail "no screenshot could be taken of $DISPLAY"; }

# --- the launcher installs the fonts, starts the player and ends ---------------------------
setsid "$work/app/didizir" </dev/null &
launcher=$!
within 30 ended "$launcher" || fail "the launcher did not end within 30 s (a message box waits?)"
status=0
wait "$launcher" || status=$?
[ "$status" -eq 0 ] || fail "the launcher ended with exit code $status"
fonts=$(find "$XDG_RUNTIME_DIR/melodeck/fonts" -name '*.ttf' -type l | wc -l)
[ "$fonts" -eq 14 ] || fail "the launcher installed $fonts of the 14 lyric fonts"

# --- the panel and the lyric screen appear --------------------------------------------------
panel=$(xsession_panel 30) || fail "the panel did not show within 30 s"
within 30 lyric_shown || fail "the lyric screen did not show over the whole screen"
player=$(xdotool getwindowpid "$panel") || fail "the panel's window names no process"
eval "$(xdotool getwindowgeometry --shell "$panel")"
panel_x=$X panel_y=$Y

# The loader keeps the first song's lyric file open once the song is loaded.
within 30 holds_open "$player" "$working/Input.dat" ||
    fail "the first song was not loaded within 30 s"
sleep 1 # the outline comes at the first activation
shot 1-panel-loaded

# The status line, in screen pixels: information is cyan, an error red.
status_area="258x21+$((panel_x + 220))+$((panel_y + 48))"

# --- every font face chooses a font that is installed ---------------------------------------
fonts=(".VnArial Narrow" ".VnTime" ".VnExotic" ".VnHelvetIns" "VNcompact"
    "VNswitzerlandCondensed" "VNswitzerlandCondBlack" "VNI-Revue" "VNI-Swiss-Condense"
    "SVNnew Century cond")
previous="$shots/1-panel-loaded.png"
for index in 1 2 3 4 5 6 7 8 9 0; do
    name="2-font-$index"
    click_font "$index"
    status_changed() { shot "$name" && ! same_area "$previous" "$shots/$name.png" "$status_area"; }
    within 5 status_changed || fail "font face $index (${fonts[$index]}) left the status line as it was"
    red=$(count_colour "$shots/$name.png" "$status_area" "rgb(255,0,0)" 20%)
    cyan=$(count_colour "$shots/$name.png" "$status_area" "rgb(0,255,255)" 20%)
    [ "$red" -eq 0 ] && [ "$cyan" -gt 30 ] ||
        fail "font face $index (${fonts[$index]}): the status line is not the font's name" \
            "in cyan ($cyan cyan, $red red pixels; 'not installed.' is red): $shots/$name.png"
    previous="$shots/$name.png"
done

# --- Play lights the lyric in the sung colour ------------------------------------------------
rows="1280x220+0+580"         # both lyric rows: the lower quarter of the screen
sung="rgb(255,255,128)"       # the lit layer of the lyric advance
unsung="rgb(255,32,32)"
before=$(count_colour "$shots/1-panel-loaded.png" "$rows" "$sung")
[ "$before" -lt 20 ] || fail "the lyric rows hold the sung colour before Play ($before pixels)"

lit_after_play() {
    local end=$((SECONDS + $1)) n
    while [ "$SECONDS" -lt "$end" ]; do
        shot "$2"
        n=$(count_colour "$shots/$2.png" "$rows" "$sung")
        [ "$n" -gt 100 ] && return 0
        sleep 0.5
    done
    return 1
}
# The width of the first line drawn, from its unsung layer, as soon as it is there.
first_line_width() {
    local end=$((SECONDS + 40)) box
    while [ "$SECONDS" -lt "$end" ]; do
        shot "$1"
        box=$(colour_box "$shots/$1.png" "$rows" "$unsung" "$sung")
        if [ -n "$box" ]; then
            sleep 0.5 # the whole line, its three layers
            shot "$1"
            colour_box "$shots/$1.png" "$rows" "$unsung" "$sung" | cut -dx -f1
            return 0
        fi
        sleep 0.2
    done
    return 1
}

click_play
width_arial=$(first_line_width 3-first-line-arial) ||
    fail "no lyric line appeared within 40 s of clicking Play"
lit_after_play 30 4-lit-early || fail "no syllable was lit in the sung colour within 30 s of Play"
early=$(count_colour "$shots/4-lit-early.png" "$rows" "$sung")
sleep 3
shot 5-lit-later
later=$(count_colour "$shots/5-lit-later.png" "$rows" "$sung")
[ "$later" -gt 100 ] || fail "3 s later the lyric rows hold no sung colour ($later pixels)"
same_area "$shots/4-lit-early.png" "$shots/5-lit-later.png" "$rows" &&
    fail "the lyric did not move on in 3 s of playing"
echo "sung pixels in the lyric rows: $early, 3 s later $later"

# --- a font face switches the lyric font ----------------------------------------------------
click_stop
# The song's end repaints the picture: the next line measured is the one played again.
rows_clear() { shot 6-stopped && [ -z "$(colour_box "$shots/6-stopped.png" "$rows" "$unsung" "$sung")" ]; }
within 10 rows_clear || fail "the lyric stayed on the screen after Stop"
click_font 2
click_play
width_exotic=$(first_line_width 7-first-line-exotic) ||
    fail "no lyric line appeared within 40 s of playing again"
echo "first line: $width_arial px wide in .VnArial Narrow, $width_exotic px in .VnExotic"
[ $((width_arial - width_exotic)) -ge 4 ] || [ $((width_exotic - width_arial)) -ge 4 ] ||
    fail "the first line is as wide in .VnExotic as in .VnArial Narrow: the font did not switch"
lit_after_play 30 8-lit-exotic || fail "no syllable was lit in .VnExotic within 30 s"

# --- Power ends the player and leaves no working file ---------------------------------------
click_power
within 20 ended "$player" || fail "the player did not end within 20 s of clicking Power"
left=""
for file in Error1.msg Error2.msg Input.sng Input.bin Input.dat Input.str Input.tit \
    Input0.dat Input0.str; do
    [ -e "$working/$file" ] && left="$left $file"
    [ -e "$work/app/$file" ] && left="$left app/$file"
done
[ -z "$left" ] || fail "power-off left working files behind:$left"

# --- the sound --------------------------------------------------------------------------------
[ -s "$MELODECK_AUDIO_FILE" ] || fail "the player wrote no sound to $MELODECK_AUDIO_FILE"
peak=$(sox "$MELODECK_AUDIO_FILE" -n stat 2>&1 | awk '/^Maximum amplitude/ {print $3}')
echo "WAV peak amplitude: $peak"
awk -v p="${peak:-0}" 'BEGIN { exit !(p > 0.01) }' ||
    fail "the WAV is silent (peak ${peak:-unreadable})"
echo "passed; screenshots in $shots"
