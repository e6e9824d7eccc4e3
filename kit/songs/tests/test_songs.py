"""The demo songs as the player's lyric extractor and lyric screen need them."""
import os
import pathlib
import re
import unittest
from dataclasses import dataclass

import midi_reader

APP_DIR = pathlib.Path(os.environ.get("MELODECK_APP_DIR", "build/app"))
SIXTEENTH = 120  # ticks at a division of 480
DRAW_LEAD = 8  # sixteenths: how early the lyric screen draws a line


@dataclass(frozen=True)
class Lyric:
    encoding: str
    title: str
    credit: str
    sample: str  # a word the lyric must hold, spelled right in its encoding


SONGS = {
    "Au_clair_de_la_lune.kar": Lyric("latin-1", "Au clair de la lune", "Chanson populaire française", "prête"),
    "Mat_troi_len.kar": Lyric("utf-8", "Mặt trời lên", "Giai điệu dân gian Pháp, lời Việt mới", "trời"),
    "Twinkle_Twinkle_Little_Star.kar": Lyric(
        "ascii", "Twinkle, Twinkle, Little Star", "Words: Jane Taylor, 1806 - Tune: traditional", "diamond"),
    "Mary_Had_a_Little_Lamb.kar": Lyric(
        "ascii", "Mary Had a Little Lamb", "Words: Sarah Josepha Hale, 1830 - Tune: traditional", "fleece"),
    "Row_Row_Row_Your_Boat.kar": Lyric("ascii", "Row, Row, Row Your Boat", "Traditional round, 1852", "merrily"),
    "All_People_That_on_Earth_Do_Dwell.kar": Lyric(
        "ascii", "All People That on Earth Do Dwell", "Words: William Kethe, 1561 - Tune: Old Hundredth, 1551",
        "cheerful"),
    "Ode_to_Joy.mid": None,
}


def load(name):
    return midi_reader.read((APP_DIR / name).read_bytes())


def named(song, name):
    return next(t for t in song.tracks if midi_reader.track_name(t) == name)


def texts(track):
    return [e for e in track if e.meta_type == 0x01]


def syllables(song):
    """The text events after the @ tags: (tick, bytes)."""
    return [(e.tick, e.data) for e in texts(song.tracks[2]) if not e.data.startswith(b"@")]


def lines(sung):
    """Each lyric line as (first tick, last tick, bytes), split where a marker opens one."""
    out = []
    for tick, text in sung:
        if text[:1] in (b"\\", b"/"):
            out.append([tick, tick, text])
        else:
            out[-1][1:] = [tick, out[-1][2] + text]
    return out


class EverySong(unittest.TestCase):
    def test_folder_holds_the_demo_songs(self):
        found = {p.name for p in APP_DIR.iterdir() if p.suffix.lower() in (".kar", ".mid")}
        self.assertEqual(found, set(SONGS))

    def test_songs_are_well_formed_format_1_with_a_full_band(self):
        for name in SONGS:
            with self.subTest(name):
                song = load(name)
                self.assertEqual((song.format, song.division), (1, 480))
                self.assertTrue(60 <= midi_reader.seconds(song) <= 120, midi_reader.seconds(song))
                names = [midi_reader.track_name(t) for t in song.tracks]
                self.assertTrue({b"Melody", b"Chords", b"Bass", b"Drums"} <= set(names), names)
                self.assertFalse([e for e in song.tracks[0] if e.status != 0xFF], "notes in the conductor track")
                for track in song.tracks:
                    self.assert_notes_pair_up(track, midi_reader.track_name(track))

    def assert_notes_pair_up(self, track, name):
        """Every note-on has its note-off on the same key and channel, as the transposer checks."""
        sounding = {}
        for e in track:
            kind, channel = e.status & 0xF0, e.status & 0x0F
            if kind in (0x80, 0x90):
                self.assertEqual(channel == 9, name == b"Drums", f"{name}: channel {channel + 1}")
                step = 1 if kind == 0x90 and e.data[1] else -1
                sounding[(channel, e.data[0])] = sounding.get((channel, e.data[0]), 0) + step
                self.assertIn(sounding[(channel, e.data[0])], (0, 1), f"{name}: key {e.data[0]} at {e.tick}")
        self.assertFalse([k for k, v in sounding.items() if v], f"{name}: notes left sounding")


def karaoke_songs():
    return [(name, load(name), lyric) for name, lyric in SONGS.items() if lyric]


class KaraokeSongs(unittest.TestCase):
    def test_second_track_is_the_soft_karaoke_header(self):
        for name, song, _ in karaoke_songs():
            with self.subTest(name):
                header = song.tracks[1]
                self.assertEqual(midi_reader.track_name(header), b"Soft Karaoke")
                self.assertTrue(texts(header)[0].data.startswith(b"@K"))

    def test_words_track_holds_only_text_with_tags_then_syllables(self):
        for name, song, lyric in karaoke_songs():
            with self.subTest(name):
                words = song.tracks[2]
                self.assertEqual(midi_reader.track_name(words), b"Words")
                self.assertEqual({(e.status, e.meta_type) for e in words},
                                 {(0xFF, 0x03), (0xFF, 0x01), (0xFF, 0x2F)})
                tags = [e.data for e in texts(words)[:3]]
                self.assertRegex(tags[0], rb"^@L[A-Z]{4}$")
                self.assertEqual(tags[1:], [b"@T" + lyric.title.encode(lyric.encoding),
                                            b"@T" + lyric.credit.encode(lyric.encoding)])
                self.assertFalse([e for e in texts(words)[3:] if e.data.startswith(b"@")], "a tag among the syllables")
                # The extractor takes titles from the text before the first line: exactly these tags there.
                before = b"".join(e.data for e in words if e.meta_type in (1, 3) and e.tick == 0)
                self.assertEqual(re.findall(rb"@([IKLTVW])", before), [b"L", b"T", b"T"])

    def test_syllables_are_clean_text_with_markers_only_in_front(self):
        for name, song, _ in karaoke_songs():
            with self.subTest(name):
                sung = syllables(song)
                self.assertTrue(sung[0][1].startswith(b"\\"), "the lyric must open a page")
                for tick, text in sung:
                    self.assertTrue(text and text.strip(), f"empty syllable at {tick}")
                    self.assertFalse(re.search(rb"[\x00-\x1f|@]", text), text)
                    self.assertFalse(re.search(rb"[\\/]", text[1:]), text)

    def test_pages_are_two_rows_of_screen_width(self):
        for name, song, lyric in karaoke_songs():
            with self.subTest(name):
                starts = [text[:1] for _, _, text in lines(syllables(song))]
                self.assertNotIn(b"//", b"".join(starts), "a page of three lines")
                for _, _, text in lines(syllables(song)):
                        # 48 characters still fit the 640x480 lyric window at the smallest lyric font.
                    self.assertLessEqual(len(text[1:].decode(lyric.encoding)), 48, text)

    def test_every_syllable_is_on_a_melody_note(self):
        for name, song, _ in karaoke_songs():
            with self.subTest(name):
                onsets = {e.tick for e in named(song, b"Melody") if e.status & 0xF0 == 0x90 and e.data[1]}
                ticks = [tick for tick, _ in syllables(song)]
                self.assertEqual(sorted(set(ticks)), ticks, "two syllables on one note or out of order")
                self.assertFalse([t for t in ticks if t not in onsets], "syllables between notes")

    def test_lines_can_be_drawn_ahead_and_pictures_changed_between_verses(self):
        for name, song, _ in karaoke_songs():
            with self.subTest(name):
                found = lines(syllables(song))
                self.assertGreater(found[0][0] // SIXTEENTH, DRAW_LEAD, "the first line is sung before it can show")
                gaps = [(b[0] - a[1]) // SIXTEENTH for a, b in zip(found, found[1:])]
                # The slideshow swaps a picture in a pause of 17 to 47 sixteenths before a line.
                self.assertTrue([g for g in gaps if g > 17], gaps)

    def test_lyric_bytes_are_in_the_promised_encoding(self):
        for name, song, lyric in karaoke_songs():
            with self.subTest(name):
                raw = b"".join(text for _, text in syllables(song))
                words = raw.decode(lyric.encoding).replace(" ", "").replace("\\", "").replace("/", "")
                self.assertIn(lyric.sample, words.lower().replace("-", ""))
                if lyric.encoding == "latin-1":
                    self.assertRegex(raw, rb"[\xc0-\xff]")
                    with self.assertRaises(UnicodeDecodeError):
                        raw.decode("utf-8")
                if lyric.encoding == "utf-8":
                    self.assertRegex(raw, rb"[\xc0-\xff]")
                    for _, text in syllables(song):
                        text.decode("utf-8")  # no syllable splits a character


class PlainMidi(unittest.TestCase):
    def test_plain_midi_song_has_no_lyric(self):
        for name in (n for n, lyric in SONGS.items() if lyric is None):
            with self.subTest(name):
                song = load(name)
                names = [midi_reader.track_name(t) for t in song.tracks]
                self.assertNotIn(b"Words", names)
                self.assertFalse([e for t in song.tracks for e in t if e.meta_type in (0x01, 0x05)])


if __name__ == "__main__":
    unittest.main()
