"""Paints the background pictures into a folder: make_pictures.py <folder> [--list]."""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

import painting  # noqa: E402
from scenes import SCENES  # noqa: E402


def main():
    if len(sys.argv) == 2 and sys.argv[1] == "--list":
        print(";".join(s.FILE for s in SCENES))
        return
    folder = pathlib.Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    for scene in SCENES:
        picture = scene.paint()
        assert picture.size == scene.SIZE
        painting.save(picture, folder / scene.FILE)


if __name__ == "__main__":
    main()
