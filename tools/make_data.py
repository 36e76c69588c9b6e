#!/usr/bin/env python3
"""Faunary's data converter.

Reads the open game data (the API dump folder, the games' own tables in the pret folder and the
Mystery Dungeon Red folder) and writes
OUT/data/ (ten reference files, pokemon.xml, moves.xml, one record per Pokemon) and
OUT/faunary.dat. The default build holds facts only and is the one committed to the
repository; --full adds the source's dex entries and ability, move and contest effect
descriptions and must not be committed.

    tools/make_data.py .                  # the committed facts-only data set
    tools/make_data.py --full out/full    # a full build for your own use
    tools/make_data.py --resources        # the dump's folders the converter reads
"""
import argparse
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from dexconv.build import build, write  # noqa: E402
from dexconv.source import RESOURCES  # noqa: E402

REPO = Path(__file__).resolve().parent.parent
DEFAULT_API = REPO.parent / "shared" / "gamedata" / "api-v2"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("out", nargs="?", help="output folder; data/ and faunary.dat are written into it")
    parser.add_argument("--source", default=str(DEFAULT_API),
                        help="the API dump folder (default: %(default)s)")
    parser.add_argument("--md-red", default=None,
                        help="the Mystery Dungeon Red folder (default: md-red next to --source)")
    parser.add_argument("--pret", default=None,
                        help="the games' own tables (default: pret next to --source)")
    parser.add_argument("--fill-from", default=None,
                        help="another API dump folder, read for the files --source lacks")
    parser.add_argument("--full", action="store_true",
                        help="add dex entries and effect descriptions (never commit this build)")
    parser.add_argument("--resources", action="store_true",
                        help="list the dump's folders the converter reads, and stop")
    args = parser.parse_args()
    if args.resources:
        print("\n".join(RESOURCES))
        return
    if not args.out:
        parser.error("the output folder is needed")
    md_red = args.md_red or str(Path(args.source).parent / "md-red")
    started = time.monotonic()
    pret = args.pret or str(Path(args.source).parent / "pret")
    files = build(args.source, md_red, pret, args.full, args.fill_from)
    write(files, args.out)
    print(f"{len(files)} files written to {args.out} in {time.monotonic() - started:.1f} s")


if __name__ == "__main__":
    main()
