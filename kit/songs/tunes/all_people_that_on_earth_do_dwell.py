"""All People That on Earth Do Dwell: words by William Kethe (1561) on the hymn tune
Old Hundredth from the Genevan Psalter (1551)."""
from arrangement import Band
from karaoke import Song

SONG = Song(
    file="All_People_That_on_Earth_Do_Dwell.kar",
    title="All People That on Earth Do Dwell",
    credit="Words: William Kethe, 1561 - Tune: Old Hundredth, 1551",
    bpm=96,
    meter=(4, 4),
    sharps=1,
    melody="g4:2 g4:4 f#4 | e4 d4 g4 a4 | b4:1 | b4:2 b4:4 b4 | a4 g4 c5 b4 | a4:1 |"
    " g4:2 a4:4 b4 | a4 g4 e4 f#4 | g4:1 | d5:2 b4:4 g4 | a4 c5 b4 a4 | g4:1 |",
    chart="G | C G | Em | G | Am C | D | G | D Em | G | G | D7 G | G |",
    verses=(
        "\\All peo-ple that on earth do dwell, /Sing to the Lord with cheer-ful voice;"
        " \\Him serve with fear, his praise forth tell, /Come ye be-fore him and re-joice.",
        "\\The Lord, ye know, is God in-deed; /With-out our aid he did us make;"
        " \\We are his folk, he doth us feed, /And for his sheep he doth us take.",
        "\\O en-ter then his gates with praise, /Ap-proach with joy his courts un-to;"
        " \\Praise, laud, and bless his name al-ways, /For it is seem-ly so to do.",
    ),
    band=Band(melody=19, chords=52, bass=32, comping="pad", groove="brush"),
    intro="G | D |",
    interlude="C | D7 |",
    ending="C | G |",
)
