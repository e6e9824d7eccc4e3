"""A moonlit lake between dark hills."""
import random

from PIL import ImageDraw, ImageFilter

import painting

FILE, SIZE = "Night_Lake.jpg", (1024, 768)


def paint():
    rng = random.Random(11)
    w, h = SIZE
    horizon = int(h * 0.58)
    pic = painting.vertical_gradient(SIZE, [(0, (6, 8, 26)), (0.58, (30, 36, 78)), (0.59, (10, 14, 36)),
                                            (1, (3, 4, 14))])
    pic = painting.stars(pic, rng, 220, 0, horizon - 60)
    moon = painting.mask(SIZE)
    ImageDraw.Draw(moon).ellipse((730, 90, 800, 160), fill=255)
    pic = painting.glow(pic, moon, (150, 160, 210), 60, 0.8)
    pic = painting.glow(pic, moon, (235, 235, 220), 1.5)
    path = painting.mask(SIZE)
    draw = ImageDraw.Draw(path)
    for y in range(horizon + 4, h, 6):  # the moon's path on the water, broken by ripples
        spread = 8 + (y - horizon) * 0.25
        x = 765 + rng.uniform(-spread, spread) * 0.3
        draw.line((x - spread, y, x + spread, y), fill=max(30, 140 - (y - horizon) // 3), width=2)
    pic = painting.glow(pic, path.filter(ImageFilter.GaussianBlur(3)), (120, 130, 170), 4, 0.9)
    painting.fill(pic, painting.ridge(SIZE, rng, horizon - 70, 40, floor=horizon), (16, 20, 44))
    painting.fill(pic, painting.ridge(SIZE, rng, horizon - 25, 30, floor=horizon), (9, 12, 28))
    painting.fill(pic, [(0, horizon), (w, horizon), (w, horizon + 3), (0, horizon + 3)], (8, 10, 26))
    return pic
