"""A small Standard MIDI File writer: tracks of events at absolute ticks, format 1.

Every channel event carries its own status byte (no running status), so the lyric
extractor and the transposer read these songs the same way.
"""


def var_len(value):
    """A variable-length quantity, at most four bytes as every reader of ours demands."""
    if not 0 <= value <= 0x0FFFFFFF:
        raise ValueError(f"delta time {value} does not fit in four bytes")
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, 0x80 | (value & 0x7F))
        value >>= 7
    return bytes(out)


class Track:
    """Events at absolute ticks; events at one tick keep the order they were added in."""

    def __init__(self, name=None):
        self._events = []  # (tick, order, bytes)
        self._notes = []  # (tick, length, channel, key, velocity)
        if name is not None:
            self.meta(0, 0x03, name.encode("ascii"))

    def _add(self, tick, data):
        if tick < 0:
            raise ValueError("an event before the start of the song")
        self._events.append((tick, len(self._events), bytes(data)))

    def meta(self, tick, kind, data):
        self._add(tick, bytes([0xFF, kind]) + var_len(len(data)) + data)

    def text(self, tick, data):
        self.meta(tick, 0x01, data)

    def tempo(self, tick, bpm):
        micros = round(60_000_000 / bpm)
        self.meta(tick, 0x51, micros.to_bytes(3, "big"))

    def time_signature(self, tick, numerator, denominator):
        self._add(tick, [0xFF, 0x58, 0x04, numerator, denominator.bit_length() - 1, 24, 8])

    def key_signature(self, tick, sharps, minor=False):
        self._add(tick, [0xFF, 0x59, 0x02, sharps & 0xFF, int(minor)])

    def program(self, tick, channel, number):
        self._add(tick, [0xC0 | channel, number])

    def control(self, tick, channel, number, value):
        self._add(tick, [0xB0 | channel, number, value])

    def note(self, tick, length, channel, key, velocity):
        if not (0 <= key < 128 and 0 < velocity < 128 and length > 0 and tick >= 0):
            raise ValueError(f"bad note {key} velocity {velocity} length {length} at {tick}")
        self._notes.append((tick, length, channel, key, velocity))

    def _note_events(self):
        """Note-ons and note-offs. A note ends where the next one on its key begins, so a
        key never sounds twice at once; offs sort before anything else at their tick."""
        out, later = [], {}
        for tick, length, channel, key, velocity in sorted(self._notes, reverse=True):
            end = min(tick + length, later.get((channel, key), tick + length))
            later[(channel, key)] = tick
            if end == tick:
                continue  # the same key struck twice at one tick sounds once
            out.append((tick, len(self._events) + len(out), bytes([0x90 | channel, key, velocity])))
            out.append((end, -1, bytes([0x80 | channel, key, 64])))
        return out

    def chunk(self, end_tick=0):
        """The track chunk; its end-of-track event comes at end_tick or after the last event."""
        body = bytearray()
        now = 0
        for tick, _, data in sorted(self._events + self._note_events(), key=lambda e: (e[0], e[1])):
            body += var_len(tick - now) + data
            now = tick
        body += var_len(max(end_tick - now, 0)) + b"\xff\x2f\x00"
        return b"MTrk" + len(body).to_bytes(4, "big") + bytes(body)


def song_file(tracks, division, end_tick):
    header = b"MThd" + (6).to_bytes(4, "big") + (1).to_bytes(2, "big")
    header += len(tracks).to_bytes(2, "big") + division.to_bytes(2, "big")
    return header + b"".join(t.chunk(end_tick) for t in tracks)
