"""Row, Row, Row Your Boat, a round first printed in 1852, in 6/8."""
from arrangement import Band
from karaoke import Song

VERSE = ("\\Row, row, row your boat /Gent-ly down the stream;"
         " \\Mer-ri-ly, mer-ri-ly, mer-ri-ly, mer-ri-ly, /Life is but a dream.")

SONG = Song(
    file="Row_Row_Row_Your_Boat.kar",
    title="Row, Row, Row Your Boat",
    credit="Traditional round, 1852",
    bpm=99,  # quarter notes: a dotted quarter of 66
    meter=(6, 8),
    sharps=2,
    melody="d4:4. d4 | d4:4 e4:8 f#4:4. | f#4:4 e4:8 f#4:4 g4:8 | a4:2. |"
    " d5:8 d5 d5 a4 a4 a4 | f#4 f#4 f#4 d4 d4 d4 | a4:4 g4:8 f#4:4 e4:8 | d4:2. |",
    chart="D | D | D | D | D | D | A7 D | D |",
    verses=(VERSE,) * 4,
    band=Band(melody=74, chords=25, bass=32, comping="arpeggio", groove="soft", round=71),
    intro="D | A7 |",
    interlude="G | A7 |",
    ending="D | D | D |",
    canon=(2, 3),
)
