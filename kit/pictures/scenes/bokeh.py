"""Soft out-of-focus lights on deep blue, like a city seen through a rainy window."""
import random

from PIL import ImageDraw

import painting

FILE, SIZE = "Bokeh.bmp", (800, 600)
COLOURS = [(200, 120, 60), (80, 120, 200), (160, 70, 150), (60, 160, 160), (210, 180, 90)]


def paint():
    rng = random.Random(71)
    w, h = SIZE
    pic = painting.vertical_gradient(SIZE, [(0, (6, 10, 28)), (0.5, (10, 18, 40)), (1, (4, 6, 16))])
    for blur, count, radius in [(18, 14, 70), (6, 26, 34), (2, 30, 14)]:
        for _ in range(count):
            spot = painting.mask(SIZE)
            x, y, r = rng.uniform(0, w), rng.uniform(0, h * 0.62), rng.uniform(radius * 0.5, radius)
            ImageDraw.Draw(spot).ellipse((x - r, y - r, x + r, y + r), fill=rng.randint(50, 110))
            pic = painting.glow(pic, spot, rng.choice(COLOURS), blur)
    return pic
