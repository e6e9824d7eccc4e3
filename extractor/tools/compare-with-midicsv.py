#!/usr/bin/python3
"""Runs textpull on songs and checks the records of "Input0.dat" against midicsv's reading
of the third track: the same events in the same order, with the same times and texts.

    extractor/tools/compare-with-midicsv.py build/app/textpull SONG...

A song whose third track textpull does not understand (running status, for example) is
listed as skipped: midicsv reads more than the lyric track needs. Exits 1 on a mismatch.
"""
import csv
import io
import os
import re
import shutil
import subprocess
import sys
import tempfile


def decode(data: bytes) -> bytes:
    return bytes(b if b < 32 else (b - 16 if b >= 48 else b + 208) for b in data)


def unescape(field: str) -> bytes:
    out = bytearray()
    i = 0
    raw = field.encode("latin-1")
    while i < len(raw):
        if raw[i] == 0x5C and raw[i + 1:i + 2] == b"\\":
            out.append(0x5C)
            i += 2
        elif raw[i] == 0x5C and re.fullmatch(rb"[0-7]{3}", raw[i + 1:i + 4]):
            out.append(int(raw[i + 1:i + 4], 8))
            i += 4
        else:
            out.append(raw[i])
            i += 1
    return bytes(out)


def numbers(fields, count=None):
    values = [int(f) for f in fields]
    return bytes(v & 0xFF for v in (values if count is None else values[:count]))


def meta_text(kind: str, fields) -> bytes:
    """The data bytes textpull reports for a meta event of midicsv's kind."""
    if kind.endswith("_t"):
        return unescape(fields[0])
    if kind == "Tempo":
        return int(fields[0]).to_bytes(3, "big")
    if kind == "Sequence_number":
        return int(fields[0]).to_bytes(2, "big")
    if kind in ("Channel_prefix", "MIDI_port"):
        return numbers(fields)
    if kind == "SMPTE_offset":
        return numbers(fields)
    if kind == "Sequencer_specific":
        return numbers(fields[1:])
    if kind == "Unknown_meta_event":
        return numbers(fields[2:])
    return b""


def as_textpull_text(data: bytes) -> bytes:
    out = bytearray()
    for i, b in enumerate(data):
        if b == 0:
            b = 0x20
        if b in (0x2F, 0x5C) and i > 0:
            b = 0x2E
        out.append(b)
    return bytes(out)


def midicsv_track3(song: str):
    text = subprocess.run(["midicsv", song], check=True, capture_output=True).stdout.decode("latin-1")
    events = []
    for row in csv.reader(io.StringIO(text), skipinitialspace=True):
        if len(row) < 3 or row[0] != "3" or row[2] == "Start_track":
            continue
        events.append((int(row[1]), as_textpull_text(meta_text(row[2], row[3:]))))
    return events


def textpull_records(textpull: str, song: str):
    with tempfile.TemporaryDirectory() as folder:
        shutil.copyfile(song, os.path.join(folder, "Input.sng"))
        code = subprocess.run([textpull, "1"], cwd=folder).returncode
        with open(os.path.join(folder, "Error1.msg"), "rb") as f:
            error = f.read().decode("latin-1")
        with open(os.path.join(folder, "Input0.dat"), "rb") as f:
            dat = decode(f.read())
    lines = re.split(rb"\r\n(?=\d{6}\|)", dat)
    records = [(int(r[:6]), r[7:]) for r in lines[1:]]
    return code, error, records


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    textpull, songs = sys.argv[1], sys.argv[2:]
    failed = 0
    for song in songs:
        name = os.path.basename(song)
        code, error, ours = textpull_records(textpull, song)
        if code != 0:
            print(f"skipped  {name}: {error}")
            continue
        theirs = midicsv_track3(song)
        if ours == theirs:
            print(f"agrees   {name}: {len(ours)} events")
            continue
        failed += 1
        first = next((i for i, (a, b) in enumerate(zip(ours, theirs)) if a != b), min(len(ours), len(theirs)))
        print(f"DIFFERS  {name}: {len(ours)} records, midicsv {len(theirs)} events; first difference at {first}:"
              f" ours {ours[first:first + 1]} midicsv {theirs[first:first + 1]}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
