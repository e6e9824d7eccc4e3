"""An empty stage in soft coloured spotlights and haze."""
import random

from PIL import ImageDraw

import painting

FILE, SIZE = "Stage_Lights.bmp", (1024, 768)
BEAMS = [(140, (150, 40, 140)), (330, (40, 70, 170)), (512, (170, 110, 40)), (694, (40, 130, 140)),
         (884, (120, 40, 160))]


def paint():
    rng = random.Random(23)
    w, h = SIZE
    pic = painting.vertical_gradient(SIZE, [(0, (4, 2, 10)), (0.7, (12, 6, 22)), (1, (20, 10, 26))])
    for x, colour in BEAMS:
        beam = painting.mask(SIZE)
        lean = rng.uniform(-120, 120)
        ImageDraw.Draw(beam).polygon([(x - 14, -10), (x + 14, -10), (x + lean + 150, h), (x + lean - 150, h)],
                                     fill=120)
        pic = painting.glow(pic, beam, colour, 28, 0.55)
        spot = painting.mask(SIZE)
        ImageDraw.Draw(spot).ellipse((x + lean - 170, h - 120, x + lean + 170, h - 40), fill=150)
        pic = painting.glow(pic, spot, colour, 30, 0.5)
    haze = painting.mask(SIZE)
    draw = ImageDraw.Draw(haze)
    for _ in range(40):
        x, y, r = rng.uniform(0, w), rng.uniform(h * 0.3, h), rng.uniform(60, 160)
        draw.ellipse((x - r, y - r * 0.4, x + r, y + r * 0.4), fill=rng.randint(10, 30))
    pic = painting.glow(pic, haze, (90, 70, 120), 40)
    painting.fill(pic, [(0, h - 60), (w, h - 60), (w, h), (0, h)], (6, 4, 10))
    return pic
