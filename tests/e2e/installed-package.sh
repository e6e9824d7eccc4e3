#!/usr/bin/env bash
# The Debian package as an ordinary user meets it: the package is built with cpack and
# unpacked into a prefix owned by root that others can only read; a user of no privilege
# starts the installed launcher on a read-only song folder of two demo songs, on its own
# Xvfb with a private runtime folder. The launcher must install the demo folder's 14 lyric
# fonts and end; the player must load the first song through its working folder
# <runtime folder>/work/; Play, then Power. The sound must not be silent, power-off must
# empty the working folder, and neither the song folder nor the prefix may have changed.
#
#   tests/e2e/installed-package.sh <build folder> <folder for the screenshots>
#
# Runs as root (to own the prefix and to become the user); the user is a spare uid with
# no account, so nothing of the machine's user database changes.
set -euo pipefail
build=$(realpath "$1")
shots=$(realpath -m "$2")
here=$(dirname "$(realpath "$0")")
# shellcheck source=../../player/tools/xsession.bash
source "$here/../../player/tools/xsession.bash"
source "$here/panel.bash"

[ "$(id -u)" -eq 0 ] || { echo "FAILED: run as root: the prefix is root's, the player a user's" >&2; exit 1; }
for tool in cpack dpkg-deb setpriv Xvfb xdotool import sox; do
    command -v "$tool" >/dev/null ||
        { echo "FAILED: $tool is not installed (scripts/install-deps installs it)" >&2; exit 1; }
done

rm -rf "$shots"
mkdir -p "$shots"
work=$(mktemp -d)
chmod 0755 "$work" # the user passes through to the prefix and the song folder
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
    if [ -n "${DISPLAY:-}" ]; then
        import -window root "$shots/failure.png" 2>/dev/null &&
            echo "the screen at the failure: $shots/failure.png" >&2
    fi
    exit 1
}

# --- the package, unpacked as root into a prefix others can only read -----------------------
(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; fail "cpack could not build the package"; }
debs=("$work"/package/melodeck_*.deb)
[ -f "${debs[0]}" ] || fail "cpack wrote no melodeck_*.deb"
deb=${debs[0]}
root="$work/root"
mkdir -m 0755 "$root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb could not unpack $deb"
strays=$(find "$root" \( ! -user 0 -o ! -group 0 -o \( ! -type l -perm /022 \) \) -printf '%P\n')
[ -z "$strays" ] || fail "the package has files not root's or writable by others: $strays"
prefix="$root/usr"
demo="$prefix/share/melodeck/demo"
[ -x "$prefix/bin/didizir" ] || fail "the package has no bin/didizir"

# --- a user of no privilege, and a song folder it can only read -----------------------------
uid=61000
while getent passwd "$uid" >/dev/null || getent group "$uid" >/dev/null ||
    [ -n "$(ps -o pid= -u "$uid" 2>/dev/null)" ]; do
    uid=$((uid + 1))
done
home="$work/home"
runtime="$work/runtime"
mkdir -m 0700 "$home" "$runtime"
mkdir -m 0755 "$work/out"
chown "$uid:$uid" "$home" "$runtime" "$work/out"
sound="$work/out/sound.wav"

songs="$work/songs"
mkdir "$songs"
for song in Twinkle_Twinkle_Little_Star.kar Au_clair_de_la_lune.kar; do
    cp "$demo/$song" "$songs/" || fail "the package has no demo song $song"
done
chmod 0444 "$songs"/*
chmod 0555 "$songs"

snapshot() { find "$root" "$songs" -printf '%p\t%y\t%s\t%T@\t%m\t%U\t%l\n' | sort; }
snapshot >"$work/before"

# --- the installed launcher on the song folder -------------------------------------------------
unset QT_QPA_PLATFORM
xsession_start 1280x800x24 || fail "no X server to run on"
# Nothing of root's environment goes along; setsid makes the launcher lead a process group.
setsid setpriv --reuid="$uid" --regid="$uid" --clear-groups \
    env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$runtime" \
    MELODECK_AUDIO_FILE="$sound" "$prefix/bin/didizir" "$songs" </dev/null &
launcher=$!

# The launcher shows nothing but message boxes; name any that waits.
boxes() {
    local w
    for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        xdotool getwindowname "$w" 2>/dev/null
    done | sort -u | paste -sd, -
}
if ! within 30 ended "$launcher"; then
    import -window root "$shots/launcher.png" 2>/dev/null || true
    fail "the launcher did not end within 30 s; windows shown: $(boxes) (screen: $shots/launcher.png)"
fi
status=0
wait "$launcher" || status=$?
[ "$status" -eq 0 ] || fail "the launcher ended with exit code $status"
fonts=$(find "$runtime/melodeck/fonts" -name '*.ttf' -type l 2>/dev/null | wc -l)
[ "$fonts" -eq 14 ] || fail "the launcher installed $fonts of the 14 lyric fonts of the demo folder"

panel=$(xsession_panel 30) || fail "the panel did not show within 30 s; windows shown: $(boxes)"
player=$(xdotool getwindowpid "$panel") || fail "the panel's window names no process"
[ "$(stat -c %u "/proc/$player")" = "$uid" ] || fail "the player does not run as the user"
eval "$(xdotool getwindowgeometry --shell "$panel")"
panel_x=$X panel_y=$Y

# The loader keeps the song's lyric file open once the song is loaded.
within 30 holds_open "$player" "$runtime/melodeck/work/Input.dat" ||
    fail "the first song was not loaded within 30 s (no $runtime/melodeck/work/Input.dat held open)"
sleep 1
import -window root "$shots/1-panel-loaded.png"

# --- Play, then Power -------------------------------------------------------------------------
click_play
sleep 8
import -window root "$shots/2-playing.png"
click_power
within 20 ended "$player" || fail "the player did not end within 20 s of clicking Power"
left=""
for file in Error1.msg Error2.msg Input.sng Input.bin Input.dat Input.str Input.tit \
    Input0.dat Input0.str; do
    [ -e "$runtime/melodeck/work/$file" ] && left="$left $file"
done
[ -z "$left" ] || fail "power-off left working files behind:$left"

[ -s "$sound" ] || fail "the player wrote no sound to $sound"
peak=$(sox "$sound" -n stat 2>&1 | awk '/^Maximum amplitude/ {print $3}')
echo "WAV peak amplitude: $peak"
awk -v p="${peak:-0}" 'BEGIN { exit !(p > 0.01) }' || fail "the WAV is silent (peak ${peak:-unreadable})"

snapshot >"$work/after"
changed=$(diff "$work/before" "$work/after" | grep '^[<>]' | cut -f1 | sort -u || true)
[ -z "$changed" ] || fail "the song folder or the prefix changed:"$'\n'"$changed"
echo "passed; screenshots in $shots"
