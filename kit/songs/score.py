"""Reading the tunes as they are written in tunes/: melodies note by note, chord charts
bar by bar, and lyrics syllable by syllable.

A melody is a row of notes such as "c5:4 d5 e5:8. f5:16 r:2 |": pitch name with octave
(c4 is middle C) or r for a rest, then an optional length (1 whole, 2 half, 4 quarter,
8 eighth, 16 sixteenth, a dot adds half). A length holds until the next one is given.
"|" is a bar line, and each bar must fill the metre exactly.

A lyric is words split into syllables by "-" ("=" also shows a hyphen, for words such as
dormez-vous), "~" joins two words on one note, and a lone "_" holds the previous
syllable over a further note. "\\" before a word opens a page, "/" opens its second line.
"""
import re
from dataclasses import dataclass

DIVISION = 480  # ticks per quarter note
STEPS = {"c": 0, "d": 2, "e": 4, "f": 5, "g": 7, "a": 9, "b": 11}
NOTE = re.compile(r"^([a-g])([#b]?)(-?\d)$")


@dataclass(frozen=True)
class Note:
    tick: int  # from the start of the tune
    length: int  # ticks
    key: int  # MIDI key number


def bar_ticks(meter):
    numerator, denominator = meter
    return numerator * DIVISION * 4 // denominator


def length_ticks(text):
    dotted = text.endswith(".")
    base = int(text.rstrip("."))
    if base not in (1, 2, 4, 8, 16):
        raise ValueError(f"unknown note length {text}")
    ticks = DIVISION * 4 // base
    return ticks * 3 // 2 if dotted else ticks


def key_number(name):
    m = NOTE.match(name)
    if not m:
        raise ValueError(f"unknown pitch {name}")
    letter, accidental, octave = m.groups()
    shift = {"#": 1, "b": -1, "": 0}[accidental]
    return 12 * (int(octave) + 1) + STEPS[letter] + shift


def melody(text, meter):
    """The notes of a melody and the number of bars it fills."""
    notes, tick, length, bar_start, bars = [], 0, DIVISION, 0, 0
    for token in text.split():
        if token == "|":
            if tick - bar_start != bar_ticks(meter):
                raise ValueError(f"bar {bars + 1} holds {tick - bar_start} ticks")
            bar_start, bars = tick, bars + 1
            continue
        pitch, _, given = token.partition(":")
        if given:
            length = length_ticks(given)
        if pitch != "r":
            notes.append(Note(tick, length, key_number(pitch)))
        tick += length
    if tick != bar_start:
        raise ValueError("a melody must end with a bar line")
    return notes, bars


def chords(text, meter):
    """(tick, length, symbol) for each chord of a chart; chords share their bar evenly."""
    out, bars = [], [b.split() for b in text.split("|") if b.strip()]
    for number, bar in enumerate(bars):
        share = bar_ticks(meter) // len(bar)
        out += [(number * bar_ticks(meter) + i * share, share, c) for i, c in enumerate(bar)]
    return out, len(bars)


def syllables(text):
    """The texts the song's notes carry, one per note; None for a held note.

    The first syllable of a word gets a space before it, unless it opens a line, where it
    gets the line's marker instead: the lyric screen joins syllables without a separator.
    """
    out, marker = [], None
    for word in text.split():
        if word == "_":
            out.append(None)
            continue
        if word[0] in "\\/":
            marker, word = word[0], word[1:]
        parts = re.split(r"(?<=[-=])", word)
        for i, part in enumerate(parts):
            shown = part[:-1] if part.endswith("-") else part.replace("=", "-")
            shown = shown.replace("~", " ")
            if i == 0:
                shown = (marker or " ") + shown
                marker = None
            out.append(shown)
    if out and (out[0] is None or out[0][0] != "\\"):
        raise ValueError("a lyric must open with a page")
    return out
