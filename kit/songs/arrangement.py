"""Our own accompaniment for a tune: chord voicings, a bass line and a drum groove,
made from the chord chart so that every song gets a full band from a few lines."""
import re
from dataclasses import dataclass

from score import DIVISION, bar_ticks

ROOTS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
QUALITIES = {"": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10)}  # intervals above the root
CHORD = re.compile(r"^([A-G])([#b]?)(m|7|)$")

# General MIDI drum keys on channel 10.
KICK, SIDE_STICK, SNARE, CLOSED_HAT, CRASH, RIDE, LOW_TOM, HIGH_TOM = 36, 37, 38, 42, 49, 51, 45, 50


def chord_tones(symbol):
    m = CHORD.match(symbol)
    if not m:
        raise ValueError(f"unknown chord {symbol}")
    root = ROOTS[m.group(1)] + {"#": 1, "b": -1, "": 0}[m.group(2)]
    return root % 12, QUALITIES[m.group(3)]


def voicing(symbol, low=53):
    """Close position from the lowest chord tone at or above `low` (F3): keeps the chords
    under the melody and moving smoothly from one to the next."""
    root, intervals = chord_tones(symbol)
    keys = sorted(low + (root + i - low) % 12 for i in intervals)
    return keys


def bass_root(symbol, low=36):
    root, _ = chord_tones(symbol)
    return low + (root - low) % 12


@dataclass(frozen=True)
class Band:
    """Who plays what: General MIDI programs and the playing style of each part."""
    melody: int
    chords: int
    bass: int
    comping: str  # "strum", "arpeggio" or "pad"
    groove: str  # "pop", "soft" or "brush"
    round: int = 71  # the second voice of a round


def pulses(meter):
    """The beats a part counts in: quarters in 2/4 and 4/4, dotted quarters in 6/8."""
    numerator, denominator = meter
    if denominator == 8:
        return DIVISION * 3 // 2
    return DIVISION * 4 // denominator


def bass_line(track, channel, chart, start, meter):
    """Root on the first pulse of each chord, the fifth half way through longer chords."""
    pulse = pulses(meter)
    step = pulse * 2 if meter[1] == 4 else pulse
    for tick, length, symbol in chart:
        root = bass_root(symbol)
        root_tones = [root, root + 7]
        for i, at in enumerate(range(0, length, step)):
            accent = 96 if (tick + at) % bar_ticks(meter) == 0 else 84
            span = min(step, length - at)
            track.note(start + tick + at, span - 20, channel, root_tones[i % 2], accent)


def comping(track, channel, chart, start, meter, style):
    pulse = pulses(meter)
    for tick, length, symbol in chart:
        keys = voicing(symbol)
        if style == "pad":
            for key in keys:
                track.note(start + tick, length - 10, channel, key, 46)
        elif style == "strum":
            for at in range(0, length, pulse):
                downbeat = (tick + at) % bar_ticks(meter) == 0
                for key in keys:
                    track.note(start + tick + at, pulse * 3 // 4, channel, key, 70 if downbeat else 56)
        else:
            figure = keys + [keys[0] + 12] + keys[1:][::-1]
            eighth = DIVISION // 2
            for i, at in enumerate(range(0, length, eighth)):
                track.note(start + tick + at, eighth * 2, channel, figure[i % len(figure)], 60 if i else 70)


def drums(track, channel, start, bars, meter, groove, fill_last=True, crash_first=True):
    bar = bar_ticks(meter)
    pulse = pulses(meter)
    eighth = DIVISION // 2
    for b in range(bars):
        at = start + b * bar
        last = fill_last and b == bars - 1
        if crash_first and b == 0:
            track.note(at, DIVISION, channel, CRASH, 90)
        hat = RIDE if groove == "brush" else CLOSED_HAT
        span = bar // 2 if last else bar
        for e in range(0, span, eighth):
            strong = e % pulse == 0
            if groove != "brush" or strong:
                track.note(at + e, eighth // 2, channel, hat, 72 if strong else 52)
        track.note(at, eighth, channel, KICK, 100)
        for p in range(pulse, span, pulse):
            backbeat = (p // pulse) % 2 == 1
            if backbeat:
                kind = SNARE if groove == "pop" else SIDE_STICK
                track.note(at + p, eighth, channel, kind, 84 if groove == "pop" else 70)
            else:
                track.note(at + p, eighth, channel, KICK, 88)
        if last:
            for i, e in enumerate(range(bar // 2, bar, eighth)):
                tom = (SNARE, HIGH_TOM, LOW_TOM)[min(i, 2)] if groove == "pop" else SNARE
                track.note(at + e, eighth // 2, channel, tom, 60 + 8 * i)
