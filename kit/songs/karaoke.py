"""A tune and its band turned into a Soft Karaoke song file.

The tracks come in the order karaoke players expect: the conductor, the "Soft Karaoke"
header with its @K tags, the "Words" track with @L, two @T titles and then one text
event per sung syllable, and after them the instruments. The Words track holds nothing
but text events, because the lyric extractor reads the third track as text.
"""
from dataclasses import dataclass

import arrangement
import score
from smf import Track, song_file

MELODY, CHORDS, BASS, CANON, DRUMS = 0, 1, 2, 3, 9


@dataclass(frozen=True)
class Song:
    file: str
    title: str
    credit: str  # the second title line: where the tune and words come from
    bpm: int
    meter: tuple
    sharps: int  # key signature
    melody: str  # one verse, note by note
    chart: str  # the chords of that verse, bar by bar
    verses: tuple = ()  # lyric of each verse; none for an instrumental
    language: str = "ENGL"
    encoding: str = "ascii"  # how the lyric bytes are written
    band: arrangement.Band = None
    intro: str = ""  # chord chart of the bars before the first verse
    interlude: str = ""  # between verses
    ending: str = ""  # after the last verse, its final chord held
    canon: tuple = ()  # (delay in bars, first verse with the round's second voice)
    repeats: int = 0  # verses of an instrumental

    @property
    def verse_count(self):
        return len(self.verses) or self.repeats


def _sections(song):
    """(kind, chord chart, verse index) in playing order."""
    out = [("intro", song.intro, None)] if song.intro else []
    for v in range(song.verse_count):
        if v and song.interlude:
            out.append(("interlude", song.interlude, None))
        out.append(("verse", song.chart, v))
    if song.ending:
        out.append(("ending", song.ending, None))
    return out


def _instrument(name, channel, program, volume, pan):
    track = Track(name)
    track.program(0, channel, program)
    track.control(0, channel, 7, volume)
    track.control(0, channel, 10, pan)
    track.control(0, channel, 91, 48)
    return track


def build(song):
    """The song file's bytes and its length in ticks."""
    notes, verse_bars = score.melody(song.melody, song.meter)
    _, chart_bars = score.chords(song.chart, song.meter)
    if verse_bars != chart_bars:
        raise ValueError(f"{song.file}: melody has {verse_bars} bars, chords {chart_bars}")
    lyrics = [score.syllables(v) for v in song.verses]
    for number, syl in enumerate(lyrics, 1):
        if len(syl) != len(notes):
            raise ValueError(f"{song.file}: verse {number} has {len(syl)} syllables for {len(notes)} notes")

    bar = score.bar_ticks(song.meter)
    band = song.band
    conductor = Track(song.file.rsplit(".", 1)[0])
    conductor.tempo(0, song.bpm)
    conductor.time_signature(0, *song.meter)
    conductor.key_signature(0, song.sharps)
    words = Track("Words")
    if song.verses:
        words.text(0, f"@L{song.language}".encode("ascii"))
        words.text(0, f"@T{song.title}".encode(song.encoding))
        words.text(0, f"@T{song.credit}".encode(song.encoding))
    lead = _instrument("Melody", MELODY, band.melody, 108, 64)
    comp = _instrument("Chords", CHORDS, band.chords, 76, 44)
    bass = _instrument("Bass", BASS, band.bass, 96, 64)
    round_voice = _instrument("Round", CANON, band.round, 80, 88) if song.canon else None
    kit = Track("Drums")
    kit.control(0, DRUMS, 7, 84)
    kit.control(0, DRUMS, 91, 40)

    tick = 0
    for kind, chart_text, verse in _sections(song):
        chart, bars = score.chords(chart_text, song.meter)
        arrangement.bass_line(bass, BASS, chart, tick, song.meter)
        if kind == "ending":
            last_bar = chart[-1]
            chart = chart[:-1]
            for key in arrangement.voicing(last_bar[2]):
                comp.note(tick + last_bar[0], last_bar[1], CHORDS, key, 66)
        arrangement.comping(comp, CHORDS, chart, tick, song.meter, band.comping)
        arrangement.drums(kit, DRUMS, tick, bars, song.meter, band.groove,
                          fill_last=kind in ("intro", "interlude"), crash_first=kind != "intro")
        if kind == "verse":
            for i, n in enumerate(notes):
                accent = 100 if (n.tick % bar) == 0 else 88
                lead.note(tick + n.tick, n.length - 24, MELODY, n.key, accent)
                if lyrics and lyrics[verse][i] is not None:
                    words.text(tick + n.tick, lyrics[verse][i].encode(song.encoding))
            if song.canon and verse >= song.canon[1]:
                # The second voice runs on into the next section: the round's tail.
                delay = song.canon[0] * bar
                for n in notes:
                    round_voice.note(tick + n.tick + delay, n.length - 24, CANON, n.key - 12, 76)
        tick += bars * bar

    tracks = [conductor]
    if song.verses:
        header = Track("Soft Karaoke")
        header.text(0, b"@KMIDI KARAOKE FILE")
        header.text(0, b"@V0100")
        header.text(0, b"@Imelodeck demo song, our own arrangement")
        tracks += [header, words]
    tracks += [lead, comp, bass] + ([round_voice] if round_voice else []) + [kit]
    return song_file(tracks, score.DIVISION, tick), tick


def seconds(song, ticks):
    return ticks / score.DIVISION * 60 / song.bpm
