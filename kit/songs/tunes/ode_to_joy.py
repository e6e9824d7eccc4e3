"""Ode to Joy, the theme of the last movement of Beethoven's Ninth Symphony (1824), as an
instrumental: a plain MIDI song with no lyric."""
from arrangement import Band
from karaoke import Song

A = "f#5:4 f#5 g5 a5 | a5 g5 f#5 e5 | d5 d5 e5 f#5 |"

SONG = Song(
    file="Ode_to_Joy.mid",
    title="Ode to Joy",
    credit="Ludwig van Beethoven, 1824",
    bpm=116,
    meter=(4, 4),
    sharps=2,
    melody=f"{A} f#5:4. e5:8 e5:2 | {A} e5:4. d5:8 d5:2 |"
    " e5:4 e5 f#5 d5 | e5 f#5:8 g5 f#5:4 d5 | e5 f#5:8 g5 f#5:4 e5 | d5 e5 a4:2 |"
    f" {A} e5:4. d5:8 d5:2 |",
    chart="D | A7 | D | D A | D | A7 | D | A D | A D | A D | A D | D A | D | A7 | D | A D |",
    repeats=2,
    band=Band(melody=68, chords=0, bass=33, comping="strum", groove="pop"),
    intro="D | A |",
    interlude="G | A |",
    ending="G A | D |",
)
