#!/usr/bin/env bash
# Whole-process speed of textpull against midicsv reading the same file, on a generated song
# whose third track holds about 1 MB of lyric events and on the largest song of a folder.
#
#   extractor/bench/textpull-bench.sh [textpull] [song folder] [runs]
#
# Defaults: build/app/textpull, ../shared/corpus/kar beside the checkout, 20 runs. Prints
# the median wall time of each program per file; the target is textpull <= midicsv.
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
textpull="$(realpath "${1:-$repo/build/app/textpull}")"
songs="${2:-$repo/../shared/corpus/kar}"
runs="${3:-20}"
command -v midicsv >/dev/null || { echo "midicsv is missing (scripts/install-deps)"; exit 1; }
[ -x "$textpull" ] || { echo "no textpull at $textpull: build first"; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A format-1 song of three tracks; the third is syllables "/la" and "la" with delta 5, about
# 1 MB, so every time stays within textpull's 999999 ticks.
/usr/bin/python3 - "$work/big.mid" <<'PY'
import sys
def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, 0x80 | (n & 0x7F))
        n >>= 7
    return bytes(out)
def chunk(tag, body):
    return tag + len(body).to_bytes(4, "big") + body
eot = b"\x00\xff\x2f\x00"
conductor = b"\x00\xff\x51\x03\x07\xa1\x20" + eot
music = b"\x00\xc0\x00\x00\x90\x3c\x40\x60\x80\x3c\x40" + eot
lyric = bytearray(b"\x00\xff\x01\x08@TBench!")
i = 0
while len(lyric) < 1_000_000:
    text = b"/la" if i % 8 == 0 else b"la"
    lyric += vlq(5) + b"\xff\x05" + vlq(len(text)) + text
    i += 1
lyric += eot
song = chunk(b"MThd", b"\x00\x01\x00\x03\x01\xe0") + chunk(b"MTrk", conductor) + chunk(b"MTrk", music) + chunk(b"MTrk", bytes(lyric))
open(sys.argv[1], "wb").write(song)
PY

largest="$(find "$songs" -maxdepth 1 -type f \( -iname '*.kar' -o -iname '*.mid' \) -printf '%s\t%p\n' 2>/dev/null | sort -n | tail -1 | cut -f2-)"

# Wall time in milliseconds of a command run $runs times: "median minimum". The first
# argument names a step run untimed before each run (":" for none).
wall_ms() {
    local prepare="$1" times=() start end
    shift
    for ((i = 0; i < runs; i++)); do
        "$prepare"
        start=$EPOCHREALTIME
        "$@" >/dev/null
        end=$EPOCHREALTIME
        times+=("$(awk -v s="$start" -v e="$end" 'BEGIN {printf "%.3f", (e - s) * 1000}')")
    done
    printf '%s\n' "${times[@]}" | sort -n |
        awk '{a[NR] = $1} END {printf "%.2f %.2f", (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2, a[1]}'
}

# textpull runs in a folder holding only the song, as the player leaves it: the working
# files of the previous song are deleted before each run (outside the timing).
delete_working_files() { rm -f Input0.dat Input0.str Input.dat Input.str Input.tit Error1.msg; }

bench() {
    local song="$1" label="$2" ours theirs
    rm -rf "$work/run" && mkdir "$work/run" && cp "$song" "$work/run/Input.sng"
    cd "$work/run"
    if ! "$textpull" 1; then
        echo "$label: textpull failed: $(cat Error1.msg)"
        return 1
    fi
    ours=($(wall_ms delete_working_files "$textpull" 1))
    theirs=($(wall_ms : midicsv "$song"))
    cd "$work"
    printf '%-44s %5s KB  textpull %7s ms (min %6s)  midicsv %7s ms (min %6s)\n' "$label" \
        "$(($(stat -c %s "$song") / 1024))" "${ours[0]}" "${ours[1]}" "${theirs[0]}" "${theirs[1]}"
}

echo "median of $runs runs, whole process"
bench "$work/big.mid" "generated: 1 MB of lyric events in track 3"
if [ -n "$largest" ]; then
    bench "$largest" "largest song: $(basename "$largest")"
else
    echo "no songs in $songs"
fi
