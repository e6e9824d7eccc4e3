#!/usr/bin/env bash
# The player's real sound path, on its own Xvfb and its own PulseAudio: the launcher starts
# in a fresh copy of the application folder, a click on Play plays a song the test writes
# first into that folder, and the null sink's monitor is recorded while it plays. The
# recording must hold the music, never reach full scale, and let a short dry-sounding
# note ring on in the reverb.
#
# Then the sound server is killed while the song plays: the player lives on, puts red text
# on the status line and still answers clicks; a new server on the same socket and a click
# on Play bring the music back. Last, the player idles with the song loaded and must use
# under 1 % of a core.
#
#   tests/e2e/real-sound.sh <application folder> <folder for screenshots and the recording>
set -euo pipefail
app=$(realpath "$1")
shots=$(realpath -m "$2")
here=$(dirname "$(realpath "$0")")
songs_kit="$here/../../kit/songs"
# shellcheck source=../../player/tools/xsession.bash
source "$here/../../player/tools/xsession.bash"
source "$here/pixels.bash"
source "$here/panel.bash"

for tool in Xvfb xdotool import convert pulseaudio pactl parec sox /usr/bin/python3; do
    command -v "$tool" >/dev/null ||
        { echo "FAILED: $tool is not installed (scripts/install-deps installs it)" >&2; exit 1; }
done

# The player chooses its own output, as for a user.
unset MELODECK_AUDIO_FILE MELODECK_AUDIO_DRIVER MELODECK_AUDIO_DEVICE QT_QPA_PLATFORM DISPLAY
rm -rf "$shots"
mkdir -p "$shots"
work=$(mktemp -d)
launcher="" pulse="" recorder=""
cleanup() {
    # The launcher leads its own process group, which the player and textpull inherit.
    [ -n "$launcher" ] && kill -- "-$launcher" 2>/dev/null || true
    [ -n "$recorder" ] && kill "$recorder" 2>/dev/null || true
    if [ -n "$pulse" ]; then
        kill "$pulse" 2>/dev/null || true
        wait "$pulse" 2>/dev/null || true
    fi
    xsession_stop
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    [ -n "${DISPLAY:-}" ] && import -window root "$shots/failure.png" 2>/dev/null &&
        echo "the screen at the failure: $shots/failure.png" >&2
    exit 1
}

# --- the song: a loud passage with words, a gap, then one short note sent fully to the reverb
# Times in seconds from the song's first note, shared with the measurement below.
music_end=4 note_at=7 note_ms=100 song_end=9.6
# Named to sort before every demo song: the player loads its folder's first song at start.
song=0_Sound_check.kar
cp -a "$app" "$work/app"
rm -f "$work/app"/Input* "$work/app"/Error*.msg "$work/app/sty.err"
/usr/bin/python3 - "$songs_kit" "$work/app/$song" "$music_end" "$note_at" "$note_ms" \
    "$song_end" <<'EOF' || fail "the test song could not be written"
import sys

sys.path.insert(0, sys.argv[1])
import arrangement  # noqa: E402
import score  # noqa: E402
from smf import Track, song_file  # noqa: E402

out, music_end, note_at, note_ms, song_end = sys.argv[2], *map(float, sys.argv[3:])
BPM, METER = 120, (4, 4)


def ticks(seconds):
    return round(seconds * score.DIVISION * BPM / 60)


melody, bars = score.melody("c5:4 e5 g5 e5 | f5 d5 c5:2 |", METER)
chart, _ = score.chords("C | G7 C |", METER)
assert bars * score.bar_ticks(METER) == ticks(music_end)

conductor = Track("Sound check")
conductor.tempo(0, BPM)
conductor.time_signature(0, *METER)
header = Track("Soft Karaoke")
header.text(0, b"@KMIDI KARAOKE FILE")
header.text(0, b"@V0100")
words = Track("Words")
words.text(0, b"@LENGL")
words.text(0, b"@TSound check")
words.text(0, b"@Tmelodeck's real sound test")
for note, syllable in zip(melody, score.syllables("\\Sing out loud, sing it clear-ly")):
    words.text(note.tick, syllable.encode("ascii"))
words.text(ticks(note_at), b"\\Knock!")


def part(name, channel, program, reverb):
    track = Track(name)
    track.program(0, channel, program)
    track.control(0, channel, 7, 127)
    track.control(0, channel, 91, reverb)
    track.control(0, channel, 93, 0)
    return track


lead = part("Melody", 0, 0, 48)
for note in melody:
    lead.note(note.tick, note.length - 24, 0, note.key, 110)
comp = part("Chords", 1, 0, 48)
arrangement.comping(comp, 1, chart, 0, METER, "strum")
bass = part("Bass", 2, 33, 48)
arrangement.bass_line(bass, 2, chart, 0, METER)
# No crash cymbal: it would still ring when the gap's noise floor is measured.
kit = part("Drums", 9, 0, 40)
arrangement.drums(kit, 9, 0, bars, METER, "pop", fill_last=False, crash_first=False)
# A woodblock stops dead at its note-off in the General MIDI SoundFonts, where a piano's
# own release would ring on for hundreds of milliseconds: what follows it is the reverb.
knock = part("Knock", 3, 115, 127)
knock.note(ticks(note_at), ticks(note_ms / 1000), 3, 72, 127)

tracks = [conductor, header, words, lead, comp, bass, kit, knock]
open(out, "wb").write(song_file(tracks, score.DIVISION, ticks(song_end)))
EOF

# --- a private PulseAudio with a null sink, and ALSA's default routed to it ---------------
# Everything the daemon and its clients look up lies in the test's folder, so neither a
# system server nor the user's own is touched. As root the daemon only warns, as long as
# it is told not to be a system daemon and keeps no pid file.
mkdir -m 0700 "$work/runtime" "$work/home" "$work/pulse"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" PULSE_RUNTIME_PATH="$work/pulse" \
    PULSE_STATE_PATH="$work/pulse" PULSE_SERVER="unix:$work/pulse/native" \
    PULSE_CLIENTCONFIG="$work/pulse/client.conf"
working="$XDG_RUNTIME_DIR/melodeck/work" # where the player writes its working files
# A client that finds no server must fail, not start one of its own.
echo "autospawn = no" >"$PULSE_CLIENTCONFIG"
cat >"$work/pulse/default.pa" <<EOF
load-module module-null-sink sink_name=karaoke rate=44100 channels=2
load-module module-native-protocol-unix auth-anonymous=1 socket=$work/pulse/native
set-default-sink karaoke
EOF
printf 'pcm.!default { type pulse }\nctl.!default { type pulse }\n' >"$HOME/.asoundrc"
# No session bus: the daemon would otherwise look for one, or start one through X. Without
# memfd it sends the recorder plain copies instead of logging errors about them. Its log is
# appended to, as a second daemon on the same socket follows a killed one.
start_pulse() {
    DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" pulseaudio -n -F "$work/pulse/default.pa" \
        --daemonize=no --system=no --use-pid-file=no --exit-idle-time=-1 --disallow-exit \
        --realtime=no --high-priority=no --enable-memfd=no --log-target=stderr \
        2>>"$shots/pulseaudio.log" &
    pulse=$!
    within 15 pulse_up || fail "the private PulseAudio did not start; see $shots/pulseaudio.log"
}
pulse_up() { pactl list short sinks 2>/dev/null | grep -q karaoke; }
start_pulse

xsession_start 1280x800x24 || fail "no X server to run on"
shot() { import -window root "$shots/$1.png" || fail "no screenshot could be taken of $DISPLAY"; }

# --- the user starts the launcher; the first song is loaded -------------------------------
setsid "$work/app/didizir" </dev/null >"$shots/player.log" 2>&1 &
launcher=$!
within 30 ended "$launcher" || fail "the launcher did not end within 30 s (a message box waits?)"
panel=$(xsession_panel 30) || fail "the panel did not show within 30 s"
within 30 lyric_shown || fail "the lyric screen did not show over the whole screen"
player=$(xdotool getwindowpid "$panel") || fail "the panel's window names no process"
eval "$(xdotool getwindowgeometry --shell "$panel")"
panel_x=$X panel_y=$Y
within 30 holds_open "$player" "$working/Input.dat" ||
    fail "the first song was not loaded within 30 s"
cmp -s "$work/app/$song" "$working/Input.sng" ||
    fail "the player loaded another song than $song first"
sleep 1 # the outline comes at the first activation
shot 1-loaded

# --- Play, recorded from the null sink's monitor ---------------------------------------------
# Records the null sink's monitor into $1 until record_stop; also a WAV beside the shots.
# The recorder's complaints go beside it: it ends with one when its server is killed.
record_start() {
    recording=$1
    parec -d karaoke.monitor --format=s16le --rate=44100 --channels=2 --latency-msec=20 \
        >"$work/$recording.raw" 2>"$shots/$recording.log" &
    recorder=$!
    sleep 1 # connected before Play: the monitor only delivers while a stream plays
}
record_stop() {
    kill "$recorder" 2>/dev/null || true
    wait "$recorder" 2>/dev/null || true
    recorder=""
    sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/$recording.raw" "$shots/$recording.wav" ||
        fail "the recording could not be read"
}
raw="$work/recording.raw"
record_start recording
click_play
started=$SECONDS

rows="1280x220+0+580" # both lyric rows: the lower quarter of the screen
sung="rgb(255,255,128)"
# Screenshots $2 until a syllable is lit in the lyric rows, for up to $1 seconds; leaves the
# number of sung pixels in lit.
await_sung() {
    local end=$((SECONDS + $1))
    lit=0
    while [ "$SECONDS" -lt "$end" ]; do
        shot "$2"
        lit=$(count_colour "$shots/$2.png" "$rows" "$sung")
        [ "$lit" -gt 100 ] && return 0
        sleep 0.3
    done
    return 1
}
await_sung 4 2-playing || true
pactl list sink-inputs >"$shots/streams.txt" 2>&1 || true
left=$((${song_end%.*} + 3 - (SECONDS - started)))
[ "$left" -le 0 ] || sleep "$left"
record_stop
shot 3-after-the-song
[ "$lit" -gt 100 ] ||
    fail "no syllable was lit in the sung colour within 4 s of Play ($lit pixels):" \
        "$shots/2-playing.png"
echo "sung pixels in the lyric rows: $lit"

# --- what was heard --------------------------------------------------------------------------
/usr/bin/python3 - "$raw" "$music_end" "$note_at" "$note_ms" <<'EOF' |
import array
import math
import sys

raw, music_end, note_at, note_ms = sys.argv[1], *map(float, sys.argv[2:])
RATE, FULL = 44100, 32768
samples = array.array("h", open(raw, "rb").read())
if sys.byteorder != "little":
    samples.byteswap()
frames = len(samples) // 2
print(f"recorded {frames / RATE:.1f} s")
failed = False


def check(ok, message):
    global failed
    if not ok:
        print(f"FAILED: {message}")
        failed = True


def rms(start, end):
    """Both channels' RMS between two times in seconds, as a fraction of full scale."""
    lo, hi = max(0, round(start * RATE)) * 2, min(frames, round(end * RATE)) * 2
    part = samples[lo:hi]
    return math.sqrt(sum(x * x for x in part) / len(part)) / FULL if part else 0.0


def db(value):
    return f"{20 * math.log10(value):.1f} dBFS" if value > 0 else "silence"


clipped = sum(1 for x in samples if x >= 32767 or x <= -32767)
peak = max((abs(x) for x in samples), default=0) / FULL
print(f"peak {db(peak)}, samples at full scale: {clipped}")
check(clipped == 0, f"{clipped} samples reached full scale: the sound clips")

# 10 ms steps: the song starts where the sound first comes within 20 dB of its loudest.
step = 0.01
levels = [rms(i * step, (i + 1) * step) for i in range(int(frames / RATE / step))]
loudest = max(levels, default=0.0)
if loudest == 0:
    check(False, "the recording is silent: nothing reached the private PulseAudio")
    sys.exit(1)
start = next(i for i, v in enumerate(levels) if v > loudest / 10) * step
# The short note: the first sound after the gap, 40 dB under the loudest.
onset = next((i * step for i, v in enumerate(levels)
              if i * step >= start + music_end + 1 and v > loudest / 100), None)
if onset is None:
    check(False, f"no note was heard after the gap, {note_at:.0f} s into the song")
    sys.exit(1)
print(f"song starts at {start:.2f} s, the short note {onset - start:.2f} s later"
      f" (written {note_at:.2f} s)")
check(abs(onset - start - note_at) < 0.5,
      "the short note came more than 0.5 s off its time: the sound stalled or skipped")

# The floor: the gap's last second, when the passage's own reverb has died away.
floor = max(rms(onset - 1.2, onset - 0.2), 1 / FULL)
music = rms(start, start + music_end)
print(f"noise floor {db(floor)} (at least one step of 16 bits); music {db(music)},"
      f" {music / floor:.0f} times the floor")
check(music > 300 * floor, "the music is not well above the noise floor (300 times)")

off = onset + note_ms / 1000
if frames / RATE < off + 1.5:
    check(False, "the recording ends before the short note's tail has died away")
    sys.exit(1)
tail = rms(off + 0.15, off + 0.4)
later = rms(off + 1.0, off + 1.5)
print(f"after the short note's end: {db(tail)} from 150 to 400 ms ({tail / floor:.1f} times the"
      f" floor), {db(later)} from 1000 to 1500 ms")
if tail > 10 * floor:
    check(later < tail / 3, "the sound after the short note does not die away")
else:
    check(False, "the short note stops dead: no reverb tail 150 to 400 ms after its end"
          " (10 times the noise floor)")
sys.exit(1 if failed else 0)
EOF
    tee "$shots/sound.txt" || fail "the recording does not sound right: $shots/recording.wav" \
    "(the streams on the private PulseAudio during Play: $shots/streams.txt)"

# --- the sound server is killed mid-song ------------------------------------------------------
# The loudest half second's RMS of a WAV, in dBFS; -200 for silence.
loudest_db() {
    sox "$shots/$1.wav" -n stats -w 0.5 2>&1 |
        awk '/^RMS Pk dB/ { print ($4 ~ /^-?[0-9.]+$/) ? $4 : -200 }'
}
# Whether $1 (dB) is at least $2 dB under $3.
within_db() { awk -v a="$1" -v d="$2" -v b="$3" 'BEGIN { exit !(a >= b - d) }'; }
music_db=$(loudest_db recording)

# The status line (LblVersion), in screen pixels: information is cyan, an error red.
status_area="258x21+$((panel_x + 220))+$((panel_y + 48))"
status_pixels() { count_colour "$shots/$1.png" "$status_area" "$2" 20%; }

record_start before-the-kill
click_play
sleep 2.5 # into the loud passage
shot 4-before-the-kill
# The shell's own "Killed" notice is no failure.
{ kill -9 "$pulse" && wait "$pulse"; } 2>/dev/null || true
pulse=""
killed=$(date +%s.%N)
record_stop
playing_db=$(loudest_db before-the-kill)
echo "loudest half second: $music_db dBFS in the song, $playing_db dBFS before the server was killed"
within_db "$playing_db" 10 "$music_db" ||
    fail "the song was not heard when the server was killed: $shots/before-the-kill.wav"
red=$(status_pixels 4-before-the-kill "rgb(255,0,0)")
[ "$red" -lt 10 ] ||
    fail "the status line was red before the server was killed: $shots/4-before-the-kill.png"

error_shown() {
    ended "$player" && fail "the player ended when its sound server went away; see $shots/player.log"
    shot 5-server-killed && [ "$(status_pixels 5-server-killed "rgb(255,0,0)")" -gt 30 ]
}
within 6 error_shown ||
    fail "no red text on the status line within 6 s of the sound server's end" \
        "(the player's log: $shots/player.log)"
awk -v from="$killed" -v to="$(date +%s.%N)" \
    'BEGIN { printf "the status line turned red %.1f s after the server was killed\n", to - from }'

# Still answering: a font face puts its font's name on the status line, and the lost output's
# notice comes back after it in red.
click_font 1
font_shown() {
    shot 6-font-after-the-loss &&
        [ "$(status_pixels 6-font-after-the-loss "rgb(0,255,255)")" -gt 30 ] &&
        [ "$(status_pixels 6-font-after-the-loss "rgb(255,0,0)")" -eq 0 ]
}
within 5 font_shown || fail "a font face clicked after the server's end left the status line" \
    "as it was: the panel does not answer"
lyric_shown || fail "the lyric screen is gone after the server's end"
notice_back() { shot 7-notice-back && [ "$(status_pixels 7-notice-back "rgb(255,0,0)")" -gt 30 ]; }
within 10 notice_back || fail "the lost output's notice did not come back in red on the status line"

# --- a new server on the same socket; Play plays with sound again ----------------------------
start_pulse
record_start after-the-restart
click_play
started=$SECONDS
await_sung 4 8-playing-again ||
    fail "no syllable was lit within 4 s of Play after the restart ($lit pixels)"
left=$((${song_end%.*} + 3 - (SECONDS - started)))
[ "$left" -le 0 ] || sleep "$left"
record_stop
again_db=$(loudest_db after-the-restart)
echo "loudest half second after the server's restart: $again_db dBFS"
within_db "$again_db" 6 "$music_db" ||
    fail "the song is not heard on the restarted server: $shots/after-the-restart.wav"

# --- idle: the song loaded, nothing playing, the output closed ----------------------------------
holds_open "$player" "$working/Input.dat" || fail "the song is no longer loaded after it played"
no_stream() { [ -z "$(pactl list short sink-inputs 2>/dev/null)" ]; }
within 5 no_stream || fail "the sound output stays open after the song's end"
# User and system time of all the player's threads, in clock ticks.
cpu_ticks() {
    local stat
    stat=$(cat "/proc/$player/stat") || fail "the player ended while idle"
    read -r -a stat <<<"${stat##*) }"
    echo $((stat[11] + stat[12]))
}
idle_seconds=20
before=$(cpu_ticks)
from=$(date +%s.%N)
sleep "$idle_seconds"
after=$(cpu_ticks)
to=$(date +%s.%N)
idle=$(awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v from="$from" -v to="$to" \
    'BEGIN { printf "%.2f", 100 * t / hz / (to - from) }')
echo "idle with a song loaded: $idle % of one core over $idle_seconds s"
awk -v p="$idle" 'BEGIN { exit !(p < 1) }' ||
    fail "the idle player uses $idle % of one core (at most 1 %)"
shot 9-idle
echo "passed; screenshots and the recordings in $shots"
