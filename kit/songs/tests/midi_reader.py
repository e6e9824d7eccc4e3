"""A strict reader of Standard MIDI Files for the song tests, written apart from the
generator so that a fault in one is not hidden by the same fault in the other."""
from dataclasses import dataclass


class MidiError(Exception):
    pass


@dataclass
class Event:
    tick: int
    status: int  # 0xFF for meta events
    data: bytes  # meta: type byte then the payload; channel events: the data bytes
    meta_type: int = None


@dataclass
class Song:
    format: int
    division: int
    tracks: list  # lists of Event


def _var_len(data, at):
    value = 0
    for _ in range(4):
        byte = data[at]
        at += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, at
    raise MidiError("variable-length quantity longer than four bytes")


def _track(body):
    events, at, tick = [], 0, 0
    lengths = {0x80: 2, 0x90: 2, 0xA0: 2, 0xB0: 2, 0xC0: 1, 0xD0: 1, 0xE0: 2}
    while at < len(body):
        delta, at = _var_len(body, at)
        tick += delta
        status = body[at]
        at += 1
        if status == 0xFF:
            kind = body[at]
            size, at = _var_len(body, at + 1)
            events.append(Event(tick, status, body[at:at + size], kind))
            at += size
        elif status >= 0xF0:
            raise MidiError(f"system event {status:#x} in a song")
        elif status >= 0x80:
            count = lengths[status & 0xF0]
            payload = body[at:at + count]
            if any(b >= 0x80 for b in payload):
                raise MidiError("status byte inside a channel event")
            events.append(Event(tick, status, payload))
            at += count
        else:
            raise MidiError(f"running status at tick {tick}")
    if not events or (events[-1].meta_type, events[-1].data) != (0x2F, b""):
        raise MidiError("track does not end with end of track")
    if any(e.meta_type == 0x2F for e in events[:-1]):
        raise MidiError("end of track before the last event")
    return events


def read(data):
    if data[:4] != b"MThd" or int.from_bytes(data[4:8], "big") != 6:
        raise MidiError("no six-byte MThd header")
    fmt, count, division = (int.from_bytes(data[i:i + 2], "big") for i in (8, 10, 12))
    tracks, at = [], 14
    while at < len(data):
        if data[at:at + 4] != b"MTrk":
            raise MidiError(f"no MTrk at offset {at}")
        size = int.from_bytes(data[at + 4:at + 8], "big")
        if at + 8 + size > len(data):
            raise MidiError("track chunk runs past the end of the file")
        tracks.append(_track(data[at + 8:at + 8 + size]))
        at += 8 + size
    if len(tracks) != count:
        raise MidiError(f"header says {count} tracks, file holds {len(tracks)}")
    return Song(fmt, division, tracks)


def track_name(track):
    return next((e.data for e in track if e.meta_type == 0x03), None)


def seconds(song):
    """Playing time from the tempo map of the first track."""
    tempos = sorted((e.tick, int.from_bytes(e.data, "big")) for e in song.tracks[0] if e.meta_type == 0x51)
    end = max(t[-1].tick for t in song.tracks)
    total, tick, micros = 0.0, 0, 500000
    for at, value in tempos + [(end, None)]:
        total += (at - tick) * micros / song.division / 1e6
        tick, micros = at, value
    return total
