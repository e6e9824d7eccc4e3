"""Rolling hills at dusk, the sun just gone."""
import random

from PIL import ImageDraw

import painting

FILE, SIZE = "Dusk_Hills.jpg", (1024, 768)


def paint():
    rng = random.Random(5)
    w, h = SIZE
    pic = painting.vertical_gradient(SIZE, [(0, (14, 12, 40)), (0.35, (52, 28, 72)), (0.52, (140, 70, 70)),
                                            (0.6, (60, 30, 50)), (1, (10, 6, 16))])
    sun = painting.mask(SIZE)
    ImageDraw.Draw(sun).ellipse((430, 330, 590, 490), fill=255)
    pic = painting.glow(pic, sun, (200, 110, 60), 70, 0.6)
    for depth, colour in enumerate([(58, 32, 62), (40, 22, 48), (25, 14, 34), (14, 8, 22)]):
        pic_y = h * (0.52 + depth * 0.09)
        painting.fill(pic, painting.ridge(SIZE, rng, pic_y, 36 - depth * 4), colour)
    return painting.stars(pic, rng, 40, 0, h * 0.25, 140)
