"""Writes the demo songs into a folder: make_songs.py <folder> [--list]."""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

import karaoke  # noqa: E402
from tunes import SONGS  # noqa: E402


def main():
    if len(sys.argv) == 2 and sys.argv[1] == "--list":
        print(";".join(s.file for s in SONGS))
        return
    folder = pathlib.Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    for song in SONGS:
        data, ticks = karaoke.build(song)
        (folder / song.file).write_bytes(data)
        print(f"{song.file}: {karaoke.seconds(song, ticks):.0f} s")


if __name__ == "__main__":
    main()
