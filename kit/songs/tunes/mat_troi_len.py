"""The tune of Frère Jacques, a French round, with new Vietnamese words of ours (UTF-8).

One word is one syllable in Vietnamese, so every word takes one note.
"""
import unicodedata

from arrangement import Band
from karaoke import Song

VERSES = (
    "\\Mặt trời lên rồi, mặt trời lên rồi, /Dậy đi em, dậy đi em."
    " \\Nghe chim ca hót trên cành, /Nghe chim ca hót trên cành, \\Tính tình tang, /Tính tình tang.",
    "\\Gió mát đồng quê, gió mát đồng quê, /Lúa xanh xanh, lúa xanh xanh."
    " \\Đàn cò trắng bay lượn quanh, /Đàn cò trắng bay lượn quanh, \\Tính tình tang, /Tính tình tang.",
    "\\Cùng hát vui nào, cùng hát vui nào, /Hát cùng nhau, hát cùng nhau."
    " \\Tiếng ca vang xa khắp nơi, /Tiếng ca vang xa khắp nơi, \\Tính tình tang, /Tính tình tang.",
)

SONG = Song(
    file="Mat_troi_len.kar",
    title="Mặt trời lên",
    credit="Giai điệu dân gian Pháp, lời Việt mới",
    language="VIET",
    encoding="utf-8",
    bpm=112,
    meter=(4, 4),
    sharps=-1,
    melody="f4:4 g4 a4 f4 | f4 g4 a4 f4 | a4 bb4 c5:2 | a4:4 bb4 c5:2 |"
    " c5:8 d5 c5 bb4 a4:4 f4 | c5:8 d5 c5 bb4 a4:4 f4 | f4 c4 f4:2 | f4:4 c4 f4:2 |",
    chart="F | Dm | F | F | F | C7 F | F | F |",
    # Precomposed letters, as Vietnamese text is normally stored.
    verses=tuple(unicodedata.normalize("NFC", v) for v in VERSES),
    band=Band(melody=75, chords=46, bass=33, comping="arpeggio", groove="soft", round=71),
    intro="F | C7 |",
    interlude="Bb | C7 |",
    ending="F | C7 F | F |",
    canon=(2, 2),
)
