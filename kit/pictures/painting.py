"""Brushes for the background pictures: gradients, soft light and silhouettes.

Every picture is dark and calm where the lyric rows sit (the lower half), so the red and
pale yellow lyric text stands out on it.
"""
import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter


def vertical_gradient(size, stops):
    """stops: (position 0..1 from the top, (r, g, b)), in order."""
    width, height = size
    column = Image.new("RGB", (1, height))
    rows = []
    for y in range(height):
        t = y / (height - 1)
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t0 <= t <= t1:
                f = (t - t0) / (t1 - t0) if t1 > t0 else 0
                rows.append(tuple(round(a + (b - a) * f) for a, b in zip(c0, c1)))
                break
    column.putdata(rows)
    return column.resize(size, Image.Resampling.BILINEAR)


def mask(size):
    return Image.new("L", size, 0)


def glow(base, shape, colour, blur, strength=1.0):
    """Adds light of a colour where the grey mask `shape` is bright, softened by a blur."""
    soft = shape.filter(ImageFilter.GaussianBlur(blur)) if blur else shape
    if strength != 1.0:
        soft = soft.point(lambda v: min(255, round(v * strength)))
    light = Image.composite(Image.new("RGB", base.size, colour), Image.new("RGB", base.size), soft)
    return ImageChops.screen(base, light)


def ridge(size, rng, base_y, amplitude, waves=4, floor=None):
    """A hill across the picture down to `floor` (the bottom edge unless given): its line is
    a sum of slow waves with random phases."""
    width, height = size
    height = height if floor is None else floor
    parts = [(rng.uniform(0.5, 3.0) * (k + 1), rng.uniform(0, 2 * math.pi), amplitude / (k + 1))
             for k in range(waves)]
    points = [(x, base_y + sum(a * math.sin(f * x / width * math.pi + p) for f, p, a in parts))
              for x in range(0, width + 8, 8)]
    return points + [(width, height), (0, height)]


def fill(base, polygon, colour):
    ImageDraw.Draw(base).polygon(polygon, fill=colour)


def stars(base, rng, count, top, bottom, brightest=230):
    layer = mask(base.size)
    draw = ImageDraw.Draw(layer)
    for _ in range(count):
        x, y = rng.uniform(0, base.width), rng.uniform(top, bottom)
        r = rng.choice((0.6, 0.8, 1.0, 1.4))
        draw.ellipse((x - r, y - r, x + r, y + r), fill=rng.randint(brightest // 3, brightest))
    return glow(base, layer, (235, 240, 255), 0.7, 1.6)


def save(picture, path):
    """Writes by the file's suffix; a GIF gets a dithered 256-colour palette."""
    suffix = path.suffix.lower()
    if suffix == ".gif":
        picture.quantize(256, dither=Image.Dither.FLOYDSTEINBERG).save(path)
    elif suffix == ".jpg":
        picture.save(path, quality=92, subsampling=0)
    else:
        picture.save(path)
