#!/usr/bin/env python3
"""Check of the Debian package of the native program.

Makes the package with CPack from a build folder, then checks it as a user
gets it: its name and file list (`dpkg-deb -c`), the dependencies computed
from the program, the desktop entry (`desktop-file-validate`) and the icons;
then unpacks it with `dpkg -x` and runs the program from there as installed
(Qt's offscreen platform, data from the package's share folder, settings in a
temporary XDG_CONFIG_HOME): the first run shows only the first-run message
and writes the settings file there at exit; the second run starts from it.

    check_deb.py --build-dir build --source-dir . [--timing N]

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
import threading
import time

PROGRAM_TIMEOUT = 60
FIRST_RUN_BOX = "message box: Faunary: We have detected that this is the first time you are running this program"


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
    """Width and height from a PNG's header (Qt's writer made the rest)."""
    with open(path, "rb") as png:
        data = png.read(24)
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise ValueError("not a PNG")
    return struct.unpack(">II", data[16:24])


def check_contents(deb, source_dir):
    """Problems with the package's name, dependencies and file list."""
    problems = []
    arch = output_of(["dpkg", "--print-architecture"]).strip()
    version = output_of(["dpkg-deb", "-f", deb, "Version"]).strip()
    if os.path.basename(deb) != f"faunary_{version}_{arch}.deb":
        problems.append(f"package file named {os.path.basename(deb)}")
    depends = output_of(["dpkg-deb", "-f", deb, "Depends"])
    for needed in ("libqt6widgets6", "libtinyxml", "fonts-dejavu-extra"):
        if needed not in depends:
            problems.append(f"Depends lacks {needed}: {depends.strip()}")

    files = {line.split()[-1].lstrip(".") for line in output_of(["dpkg-deb", "-c", deb]).splitlines()
             if not line.startswith("d")}
    data_files = {"/usr/share/faunary/" + os.path.relpath(os.path.join(folder, name), source_dir)
                  for folder, _, names in os.walk(os.path.join(source_dir, "data")) for name in names}
    icons = {f"/usr/share/icons/hicolor/{n}x{n}/apps/faunary.png" for n in (16, 24, 32, 48, 64, 128, 256)}
    expected = {"/usr/bin/faunary", "/usr/share/faunary/faunary.dat", "/usr/share/applications/faunary.desktop",
                "/usr/share/doc/faunary/readme.txt"} | data_files | icons
    problems += [f"missing {name}" for name in sorted(expected - files)]
    problems += [f"unexpected file {name}" for name in sorted(files - expected)]
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
        except (ValueError, struct.error) as error:
            problems.append(f"{png}: {error}")
    return problems


def run_installed(root, work, config_home):
    """Runs the unpacked program as a desktop starts it (by name, from PATH) in
    the folder `work`. Returns its exit code, the lines it reported and the
    seconds from process start to the main window shown (None if never)."""
    env = {key: value for key, value in os.environ.items() if key not in ("DISPLAY", "WAYLAND_DISPLAY")}
    env.update({
        "PATH": os.path.join(root, "usr/bin") + os.pathsep + env.get("PATH", "/usr/bin:/bin"),
        "XDG_CONFIG_HOME": config_home,
        "QT_QPA_PLATFORM": "offscreen",
        "FAUNARY_CLOSE_AFTER_START": "1",
    })
    started = time.monotonic()
    process = subprocess.Popen(["faunary"], cwd=work, env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, text=True)
    watchdog = threading.Timer(PROGRAM_TIMEOUT, process.kill)
    watchdog.start()
    lines, shown_after = [], None
    for line in process.stdout:
        if shown_after is None and line.startswith("main window shown"):
            shown_after = time.monotonic() - started
        lines.append(line.rstrip("\n"))
    code = process.wait()
    watchdog.cancel()
    return code, lines, shown_after


def check_runs(root, work, config_home, pokemon_count):
    """Problems with a first and a second run of the installed program."""
    problems = []
    settings = os.path.join(config_home, "faunary", "faunary.cfgx")
    share_before = sorted(os.listdir(os.path.join(root, "usr/share/faunary")))
    shown = f"main window shown: {pokemon_count} entries in the Pokemon list"
    for run, boxes in (("first run", [FIRST_RUN_BOX]), ("second run", [])):
        code, lines, _ = run_installed(root, work, config_home)
        got_boxes = [line[:len(FIRST_RUN_BOX)] for line in lines if line.startswith("message box: ")]
        if code != 0 or got_boxes != boxes or shown not in lines:
            problems.append(f"{run}: exit code {code}, reported {lines}")
        if not os.path.isfile(settings):
            problems.append(f"{run}: no settings file {settings}")
    if os.listdir(work) or sorted(os.listdir(os.path.join(root, "usr/share/faunary"))) != share_before:
        problems.append("the program wrote into its working folder or its data folder")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--source-dir", required=True, help="the repository, holding the data set")
    parser.add_argument("--timing", type=int, default=0)
    args = parser.parse_args()
    for tool in ("cpack", "dpkg-deb", "dpkg-shlibdeps", "file", "desktop-file-validate"):
        if shutil.which(tool) is None:
            return fail(f"'{tool}' is not installed (./dev setup installs dpkg-dev, file and desktop-file-utils)")

    temp = tempfile.mkdtemp(prefix="faunary-deb-")
    try:
        debs = build_package(os.path.abspath(args.build_dir), os.path.join(temp, "out"))
        if len(debs) != 1:
            return fail(f"CPack made {debs}, not one package")
        root, work, config_home = (os.path.join(temp, name) for name in ("root", "work", "config"))
        os.mkdir(work)
        subprocess.run(["dpkg", "-x", debs[0], root], check=True)
        pokemon_count = len(os.listdir(os.path.join(args.source_dir, "data", "pokemon")))
        problems = (check_contents(debs[0], args.source_dir) + check_unpacked(root)
                    + check_runs(root, work, config_home, pokemon_count))
        for problem in problems:
            print(f"FAILED: {problem}")
        if problems:
            return 1
        print(f"{os.path.basename(debs[0])}: contents, desktop entry, icons and two runs as installed are right")
        if args.timing:
            times = [run_installed(root, work, config_home)[2] for _ in range(args.timing)]
            times = [seconds * 1000 for seconds in times if seconds is not None]
            print(f"start-up to the main window shown, {len(times)} runs: median {statistics.median(times):.0f} ms, "
                  f"min {min(times):.0f} ms, max {max(times):.0f} ms")
        return 0
    finally:
        shutil.rmtree(temp, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
