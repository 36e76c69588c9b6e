#!/usr/bin/env python3
"""Packs the Windows program: a zip whose folder Faunary/ holds faunary.exe,
readme.txt (with Windows line ends), data/ and faunary.dat.

    make_package.py --exe faunary.exe --readme readme.txt \
        --data-from <folder> [--data-from <fallback> ...] --output faunary-win64.zip

The data comes from the first --data-from folder that has data/pokemon.xml;
its faunary.dat goes in when it has one. Entries are sorted and carry one
fixed date, so the same inputs give the same zip.
"""
import argparse
import os
import sys
import zipfile

FIXED_DATE = (2024, 1, 1, 0, 0, 0)
TOP = "Faunary"


def add(archive, name, data, executable=False):
    info = zipfile.ZipInfo(f"{TOP}/{name}", FIXED_DATE)
    info.compress_type = zipfile.ZIP_DEFLATED
    info.external_attr = (0o755 if executable else 0o644) << 16
    archive.writestr(info, data)


def data_folder(candidates):
    for folder in candidates:
        if os.path.isfile(os.path.join(folder, "data", "pokemon.xml")):
            return folder
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--exe", required=True)
    parser.add_argument("--readme", required=True)
    parser.add_argument("--data-from", action="append", required=True)
    parser.add_argument("--output", required=True)
    args = parser.parse_args()

    source = data_folder(args.data_from)
    if source is None:
        print("make_package: no data/pokemon.xml in " + ", ".join(args.data_from), file=sys.stderr)
        return 1
    with open(args.readme, "rb") as readme:
        readme_text = readme.read().replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")

    temporary = args.output + ".tmp"
    with zipfile.ZipFile(temporary, "w") as archive:
        with open(args.exe, "rb") as exe:
            add(archive, "faunary.exe", exe.read(), executable=True)
        add(archive, "readme.txt", readme_text)
        data_root = os.path.join(source, "data")
        for folder, subfolders, files in os.walk(data_root):
            subfolders.sort()
            for name in sorted(files):
                path = os.path.join(folder, name)
                relative = os.path.relpath(path, source).replace(os.sep, "/")
                with open(path, "rb") as data:
                    add(archive, relative, data.read())
        archive_file = os.path.join(source, "faunary.dat")
        if os.path.isfile(archive_file):
            with open(archive_file, "rb") as data:
                add(archive, "faunary.dat", data.read())
    os.replace(temporary, args.output)
    print(f"{args.output}: data from {os.path.abspath(source)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
