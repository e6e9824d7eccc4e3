#!/usr/bin/python3
"""Transposes every song of a folder by -6..6 with notebend-cli and checks each copy that
succeeds: shift 0 gives the same bytes; otherwise the copy parses (midicsv), and it differs
from the song only in the keys of note events, shifted outside channel 9 (counted from 0),
unchanged on it. Songs the transposer refuses are listed with its message.

    transposer/tools/check-songs.py FOLDER [--cli build/transposer/notebend-cli]

Exits 1 when any successful copy fails a check.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile

NOTE_EVENTS = ("Note_on_c", "Note_off_c")


def csv_lines(path):
    done = subprocess.run(["midicsv", path], capture_output=True)
    if done.returncode != 0:
        return None
    return done.stdout.decode("latin-1").splitlines()


def check_shifted(original, shifted, steps):
    """Empty when shifted is original with its note keys moved by steps, else the first fault."""
    if len(original) != len(shifted):
        return f"{len(shifted)} records instead of {len(original)}"
    for before, after in zip(original, shifted):
        if before == after and not any(e in before for e in NOTE_EVENTS):
            continue
        b, a = [f.strip() for f in before.split(",")], [f.strip() for f in after.split(",")]
        if len(b) < 6 or b[2] not in NOTE_EVENTS or b[:4] != a[:4] or b[5:] != a[5:]:
            return f"record changed: {before!r} -> {after!r}"
        channel, key, new_key = int(b[3]), int(b[4]), int(a[4])
        expected = key if channel == 9 or not 0 <= key + steps <= 127 else key + steps
        if new_key != expected:
            return f"key {key} on channel {channel} became {new_key}, not {expected}"
    return ""


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--cli", default=os.path.join(here, "../../build/transposer/notebend-cli"))
    args = parser.parse_args()
    cli = os.path.abspath(args.cli)
    songs = sorted(f for f in os.listdir(args.folder) if f.lower().endswith((".kar", ".mid")))
    faults = 0
    with tempfile.TemporaryDirectory() as work:
        for name in songs:
            shutil.copyfile(os.path.join(args.folder, name), os.path.join(work, "Input.sng"))
            original = csv_lines(os.path.join(work, "Input.sng"))
            refused = []
            for steps in range(-6, 7):
                done = subprocess.run([cli, str(steps), "Input.sng"], cwd=work, capture_output=True)
                out = os.path.join(work, "Input.bin")
                if done.returncode != 0:
                    with open(os.path.join(work, "Error2.msg"), "rb") as f:
                        refused.append((steps, f.read().decode("latin-1").strip()))
                    continue
                if steps == 0:
                    with open(out, "rb") as a, open(os.path.join(work, "Input.sng"), "rb") as b:
                        fault = "" if a.read() == b.read() else "shift 0 changed the bytes"
                else:
                    shifted = csv_lines(out)
                    fault = ("copy does not parse" if shifted is None
                             else check_shifted(original or [], shifted, steps))
                if fault:
                    faults += 1
                    print(f"FAULT {name} shift {steps}: {fault}")
            messages = sorted({m for _, m in refused})
            status = "ok" if not refused else f"refused {len(refused)}/13: {' | '.join(messages)}"
            print(f"{name}: {status}")
    print(f"{len(songs)} songs, {faults} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
