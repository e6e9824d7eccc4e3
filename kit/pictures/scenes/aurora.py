"""Northern lights over a dark forest."""
import math
import random

from PIL import ImageDraw

import painting

FILE, SIZE = "Aurora.gif", (800, 600)


def paint():
    rng = random.Random(37)
    w, h = SIZE
    pic = painting.vertical_gradient(SIZE, [(0, (2, 6, 16)), (0.6, (8, 22, 36)), (1, (2, 6, 10))])
    pic = painting.stars(pic, rng, 140, 0, h * 0.7, 180)
    for band, colour in enumerate([(40, 170, 110), (30, 120, 140), (90, 60, 140)]):
        curtain = painting.mask(SIZE)
        draw = ImageDraw.Draw(curtain)
        phase, base = rng.uniform(0, 6.3), 140 + band * 60
        for x in range(0, w, 2):
            top = base + 50 * math.sin(x / w * 5 + phase) + 20 * math.sin(x / w * 13 + phase * 2)
            length = 90 + 40 * math.sin(x / w * 7 + phase)
            shine = int(70 + 50 * math.sin(x / w * 21 + phase) ** 2)
            draw.line((x, top, x, top + length), fill=shine, width=2)
        pic = painting.glow(pic, curtain, colour, 14, 0.9)
    painting.fill(pic, painting.ridge(SIZE, rng, h * 0.8, 18, 6), (4, 10, 12))
    trees = [(x, h * 0.8 - rng.uniform(10, 60)) for x in range(0, w, 14)]
    for x, top in trees:
        painting.fill(pic, [(x, top), (x + 12, h * 0.86), (x - 12, h * 0.86)], (3, 8, 10))
    return pic
