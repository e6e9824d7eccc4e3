"""Mary Had a Little Lamb: words after Sarah Josepha Hale (1830), traditional tune."""
from arrangement import Band
from karaoke import Song

SONG = Song(
    file="Mary_Had_a_Little_Lamb.kar",
    title="Mary Had a Little Lamb",
    credit="Words: Sarah Josepha Hale, 1830 - Tune: traditional",
    bpm=120,
    meter=(4, 4),
    sharps=-1,
    melody="a4:4 g4 f4 g4 | a4 a4 a4:2 | g4:4 g4 g4:2 | a4:4 c5 c5:2 |"
    " a4:4 g4 f4 g4 | a4 a4 a4 a4 | g4 g4 a4 g4 | f4:1 |",
    chart="F | F | C | F | F | F | C7 | F |",
    verses=(
        "\\Ma-ry had a lit-tle lamb, /Lit-tle lamb, lit-tle lamb, \\Ma-ry had a lit-tle lamb, /Its fleece was white as snow.",
        "\\Ev-ery-where that Ma-ry went, /Ma-ry went, Ma-ry went, \\Ev-ery-where that Ma-ry went /The lamb was sure to go.",
        "\\Fol-lowed her to school one day, /School one day, school one day, \\Fol-lowed her to school one day, /Which was a-gainst the rule.",
        "\\Made the chil-dren laugh and play, /Laugh and play, laugh and play, \\Made the chil-dren laugh and play /To see a lamb at school.",
    ),
    band=Band(melody=22, chords=0, bass=33, comping="strum", groove="pop"),
    intro="F | C7 |",
    interlude="Bb | C7 |",
    ending="Bb C7 | F |",
)
