"""Sunbeams fading into deep water."""
import random

from PIL import ImageDraw

import painting

FILE, SIZE = "Deep_Sea.gif", (1024, 768)


def paint():
    rng = random.Random(89)
    w, h = SIZE
    pic = painting.vertical_gradient(SIZE, [(0, (20, 70, 100)), (0.4, (8, 36, 64)), (1, (2, 8, 20))])
    for _ in range(9):
        ray = painting.mask(SIZE)
        x, spread = rng.uniform(0, w), rng.uniform(20, 60)
        ImageDraw.Draw(ray).polygon([(x - spread / 3, 0), (x + spread / 3, 0), (x + 260 + spread, h * 0.8),
                                     (x + 260 - spread, h * 0.8)], fill=rng.randint(40, 80))
        pic = painting.glow(pic, ray, (70, 150, 170), 22, 0.7)
    bubbles = painting.mask(SIZE)
    draw = ImageDraw.Draw(bubbles)
    for _ in range(60):
        x, y, r = rng.uniform(0, w), rng.uniform(0, h), rng.uniform(1, 4)
        draw.ellipse((x - r, y - r, x + r, y + r), outline=rng.randint(60, 140))
    return painting.glow(pic, bubbles, (150, 200, 220), 0.8)
