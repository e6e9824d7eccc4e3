#!/usr/bin/python3
"""Times Transpose (through notebend-cli) on a generated format 1 song of about 5 MB of
note events, against a plain `cp` of the same file in the same run.

    transposer/bench/bench_transpose.py [--cli build/transposer/notebend-cli] [--runs 21]

Both runs are whole processes started the same way, alternating. Prints the median wall
time and processor time of each, and the wall time ratio against the target (at most 3
times the copy). Exits 1 when the target is missed or the transposition fails.
"""
import argparse
import os
import random
import resource
import statistics
import struct
import subprocess
import sys
import tempfile
import time

TARGET_RATIO = 3.0


def var_len(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, 0x80 | (value & 0x7F))
        value >>= 7
    return bytes(out)


def track(rng, channel, chords):
    """Two-note chords on one channel: note-ons, running status, velocity-0 and real
    note-offs, keys kept in range."""
    on, off = 0x90 | channel, 0x80 | channel
    body = bytearray(b"\x00\xff\x03" + var_len(5) + b"notes")
    for _ in range(chords):
        low, high = rng.randrange(20, 60), rng.randrange(60, 108)
        body += var_len(rng.randrange(0, 200)) + bytes((on, low, rng.randrange(1, 128)))
        body += var_len(rng.randrange(0, 20)) + bytes((high, rng.randrange(1, 128)))
        body += var_len(rng.randrange(1, 400)) + bytes((low, 0))
        body += var_len(rng.randrange(0, 20)) + bytes((off, high, 64))
    body += b"\x00\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


def song(size_bytes):
    rng = random.Random(7)
    tracks = []
    channels = range(16)  # channel 9 among them: drums are read but not shifted
    per_track = size_bytes // len(channels) // 15
    for ch in channels:
        tracks.append(track(rng, ch, per_track))
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), 480)
    return header + b"".join(tracks)


def child_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def timed(cmd, cwd):
    """Wall time and processor time (user + system) of one run of cmd."""
    cpu = child_cpu()
    start = time.perf_counter()
    done = subprocess.run(cmd, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    elapsed = time.perf_counter() - start
    if done.returncode != 0:
        sys.exit(f"{' '.join(cmd)} failed: {done.stderr.decode(errors='replace')}")
    return elapsed, child_cpu() - cpu


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", default=os.path.join(here, "../../build/transposer/notebend-cli"))
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("--size-mb", type=float, default=5.0)
    args = parser.parse_args()
    cli = os.path.abspath(args.cli)
    if not os.access(cli, os.X_OK):
        sys.exit(f"no notebend-cli at {cli}: build the release preset first, or give --cli")

    with tempfile.TemporaryDirectory() as folder:
        data = song(int(args.size_mb * 1024 * 1024))
        with open(os.path.join(folder, "Input.sng"), "wb") as f:
            f.write(data)
        copy_times, transpose_times = [], []
        for _ in range(args.runs):
            copy_times.append(timed(["cp", "Input.sng", "Input.bin"], folder))
            transpose_times.append(timed([cli, "2", "Input.sng"], folder))
        with open(os.path.join(folder, "Input.bin"), "rb") as f:
            if len(f.read()) != len(data):
                sys.exit("Input.bin differs in size from the song")

    def median_ms(runs, part):
        return statistics.median(r[part] for r in runs) * 1000

    ratio = median_ms(transpose_times, 0) / median_ms(copy_times, 0)
    print(f"song: {len(data) / 1e6:.2f} MB, format 1, {args.runs} runs each, medians")
    print("           wall ms   cpu ms")
    for name, runs in (("cp", copy_times), ("Transpose", transpose_times)):
        print(f"{name:10} {median_ms(runs, 0):8.2f} {median_ms(runs, 1):8.2f}")
    verdict = "met" if ratio <= TARGET_RATIO else "MISSED"
    print(f"wall ratio {ratio:8.2f} (target at most {TARGET_RATIO:g}: {verdict})")
    return 0 if ratio <= TARGET_RATIO else 1

if __name__ == "__main__":
    sys.exit(main())
