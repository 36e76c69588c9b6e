#!/usr/bin/env python3
"""Check of the Debian package of the native program.

Makes the package with CPack from a build folder, then checks it as a user
gets it: its name and file list (`dpkg-deb -c`), the dependencies computed
from the program, the desktop entry (`desktop-file-validate`) and the icons;
then unpacks it with `dpkg -x` and runs the program from there as installed
(Qt's offscreen platform, data from the package's share folder, settings in a
temporary XDG_CONFIG_HOME): the first run shows only the first-run message
and writes the settings file there at exit; the second run starts from it.

    check_deb.py --build-dir build [--timing N]

--timing N starts the installed program N more times and prints the time from
process start to the main window shown (with the full data), for the record;
it asserts nothing about speed.
"""
import argparse
import glob
import os
import shutil
import statistics
import struct
import subprocess
import sys
import tempfile
import time
import zlib

PROGRAM_TIMEOUT = 60
FIRST_RUN_PREFIX = "We have detected that this is the first time you are running this program\n"


def fail(message):
    print(f"Debian package check: {message}", file=sys.stderr)
    return 1


def output_of(command, **kwargs):
    return subprocess.run(command, check=True, capture_output=True, text=True, **kwargs).stdout


def build_package(build_dir, out_dir):
    subprocess.run(["cpack", "-G", "DEB", "--config", os.path.join(build_dir, "CPackConfig.cmake"),
                    "-B", out_dir], check=True, stdout=subprocess.DEVNULL)
    return glob.glob(os.path.join(out_dir, "*.deb"))


def png_size(path):
    """Width and height of a PNG, after checking every chunk's CRC and the image data."""
    with open(path, "rb") as png:
        data = png.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("no PNG signature")
    at, idat, size = 8, b"", None
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if struct.unpack(">I", data[at + 8 + length:at + 12 + length])[0] != zlib.crc32(kind + body):
            raise ValueError(f"bad CRC in {kind!r}")
        if kind == b"IHDR":
            size = struct.unpack(">II", body[:8])
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    width, height = size
    if len(zlib.decompress(idat)) != height * (1 + 3 * width):
        raise ValueError("image data of the wrong size")
    return size


def check_contents(deb, source_dir):
    """Problems with the package's name, files, dependencies, desktop entry and icons."""
    problems = []
    arch = output_of(["dpkg", "--print-architecture"]).strip()
    version = output_of(["dpkg-deb", "-f", deb, "Version"]).strip()
    if os.path.basename(deb) != f"faunary_{version}_{arch}.deb":
        problems.append(f"package file named {os.path.basename(deb)}")
    depends = output_of(["dpkg-deb", "-f", deb, "Depends"])
    for needed in ("libqt6widgets6", "libtinyxml", "fonts-dejavu-core"):
        if needed not in depends:
            problems.append(f"Depends lacks {needed}: {depends.strip()}")

    files = {line.split()[-1].lstrip(".") for line in output_of(["dpkg-deb", "-c", deb]).splitlines()
             if not line.startswith("d")}
    data_files = {"/usr/share/faunary/" + os.path.relpath(os.path.join(folder, name), source_dir)
                  for folder, _, names in os.walk(os.path.join(source_dir, "data")) for name in names}
    icons = {f"/usr/share/icons/hicolor/{n}x{n}/apps/faunary.png" for n in (16, 24, 32, 48, 64, 128, 256)}
    expected = {"/usr/bin/faunary", "/usr/share/faunary/faunary.dat",
                "/usr/share/applications/faunary.desktop"} | data_files | icons
    for missing in sorted(expected - files):
        problems.append(f"missing {missing}")
    allowed = ("/usr/share/faunary/", "/usr/share/icons/hicolor/", "/usr/share/doc/faunary/")
    for extra in sorted(files - expected):
        if not extra.startswith(allowed):
            problems.append(f"unexpected file {extra}")
    return problems


def check_unpacked(root):
    problems = []
    desktop = os.path.join(root, "usr/share/applications/faunary.desktop")
    result = subprocess.run(["desktop-file-validate", desktop], capture_output=True, text=True)
    if result.returncode != 0 or result.stdout.strip():
        problems.append("desktop entry: " + (result.stdout + result.stderr).strip())
    for png in glob.glob(os.path.join(root, "usr/share/icons/hicolor/*/apps/faunary.png")):
        folder = os.path.basename(os.path.dirname(os.path.dirname(png)))
        try:
            width, height = png_size(png)
            if f"{width}x{height}" != folder:
                problems.append(f"{png}: {width}x{height}")
        except (ValueError, zlib.error, struct.error, TypeError) as error:
            problems.append(f"{png}: {error}")
    return problems
