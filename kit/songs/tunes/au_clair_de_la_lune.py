"""Au clair de la lune, French folk song of the 18th century; words with Latin-1 accents."""
from arrangement import Band
from karaoke import Song

A = "c5:4 c5 c5 d5 | e5:2 d5 | c5:4 e5 d5 d5 | c5:1 |"

SONG = Song(
    file="Au_clair_de_la_lune.kar",
    title="Au clair de la lune",
    credit="Chanson populaire française",
    language="FREN",
    encoding="latin-1",
    bpm=100,
    meter=(4, 4),
    sharps=0,
    melody=f"{A} {A} d5:4 d5 d5 d5 | a4:2 a4 | d5:4 c5 b4 a4 | g4:1 | {A}",
    chart="C | C G | C G | C | C | C G | C G | C | G | Dm | G | G7 | C | C G | C G | C |",
    verses=(
        "\\Au clair de la lu-ne, /mon a-mi Pier-rot, \\prê-te=moi ta plu-me /pour é-cri-re~un mot."
        " \\Ma chan-del-le~est mor-te, /je n'ai plus de feu~; \\ou-vre=moi ta por-te /pour l'a-mour de Dieu.",
        "\\Au clair de la lu-ne, /Pier-rot ré-pon-dit~: \\«~Je n'ai pas de plu-me, /je suis dans mon lit."
        " \\Va chez la voi-si-ne, /je crois qu'el-le~y est, \\car dans sa cui-si-ne /on bat le bri-quet.~»",
    ),
    band=Band(melody=73, chords=24, bass=32, comping="arpeggio", groove="soft"),
    intro="C | G7 |",
    interlude="F | G7 |",
    ending="F G7 | C |",
)
