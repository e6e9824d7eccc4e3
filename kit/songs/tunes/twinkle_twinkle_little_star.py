"""Twinkle, Twinkle, Little Star: words by Jane Taylor (1806) on the French tune
"Ah ! vous dirai-je, maman"."""
from arrangement import Band
from karaoke import Song

A = "d4:4 d4 a4 a4 | b4 b4 a4:2 | g4:4 g4 f#4 f#4 | e4 e4 d4:2 |"
B = "a4:4 a4 g4 g4 | f#4 f#4 e4:2 |"
CHORUS = "\\Twin-kle, twin-kle, lit-tle star, /How I won-der what you are!"

SONG = Song(
    file="Twinkle_Twinkle_Little_Star.kar",
    title="Twinkle, Twinkle, Little Star",
    credit="Words: Jane Taylor, 1806 - Tune: traditional",
    bpm=104,
    meter=(4, 4),
    sharps=2,
    melody=f"{A} {B} {B} {A}",
    chart="D | G D | G D | A D | D A7 | D A | D A7 | D A | D | G D | G D | A D |",
    verses=(
        f"{CHORUS} \\Up a-bove the world so high, /Like a dia-mond in the sky. {CHORUS}",
        "\\When the bla-zing sun is gone, /When he no-thing shines up-on,"
        f" \\Then you show your lit-tle light, /Twin-kle, twin-kle, all the night. {CHORUS}",
        "\\Then the tra-v'ller in the dark /Thanks you for your ti-ny spark;"
        f" \\How could he see where to go, /If you did not twin-kle so? {CHORUS}",
    ),
    band=Band(melody=11, chords=89, bass=32, comping="pad", groove="soft"),
    intro="D | A7 |",
    interlude="G | A7 |",
    ending="G A7 | D |",
)
