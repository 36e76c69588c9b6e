#!/usr/bin/env python3
"""Check of the Debian package of the native program.

Makes the package with CPack from a build folder, then checks it as a user
gets it: its name, dependencies and file list, the desktop entry
(`desktop-file-validate`) and the icons' sizes; then unpacks it with `dpkg -x`
and runs the program from there as installed (Qt's offscreen platform, data
from the package's share folder, settings in a temporary XDG_CONFIG_HOME):
the first run shows the first-run message and writes the settings file there
at exit; the second run starts from it.

    check_deb.py --build-dir build --source-dir .
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path

FIRST_RUN_BOX = "message box: Faunary: We have detected that this is the first time you are running this program"
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def output_of(*command, **kwargs):
    return subprocess.run(command, check=True, capture_output=True, text=True, **kwargs).stdout.strip()


def check_contents(deb, source):
    """Problems with the package's name, dependencies and file list."""
    problems = []
    name = f"faunary_{output_of('dpkg-deb', '-f', deb, 'Version')}_{output_of('dpkg', '--print-architecture')}.deb"
    if deb.name != name:
        problems.append(f"package file named {deb.name}, not {name}")
    depends = output_of("dpkg-deb", "-f", deb, "Depends")
    problems += [f"Depends lacks {needed}: {depends}"
                 for needed in ("libqt6widgets6", "libtinyxml", "fonts-dejavu-extra") if needed not in depends]
    files = {line.split()[-1].lstrip(".") for line in output_of("dpkg-deb", "-c", deb).splitlines()
             if not line.startswith("d")}
    expected = {"/usr/bin/faunary", "/usr/share/faunary/faunary.dat", "/usr/share/applications/faunary.desktop",
                "/usr/share/doc/faunary/readme.txt"}
    expected |= {f"/usr/share/faunary/{p.relative_to(source).as_posix()}" for p in (source / "data").rglob("*.xml")}
    expected |= {f"/usr/share/icons/hicolor/{n}x{n}/apps/faunary.png" for n in ICON_SIZES}
    problems += [f"missing {name}" for name in sorted(expected - files)]
    problems += [f"unexpected file {name}" for name in sorted(files - expected)]
    return problems


def check_unpacked(root):
    result = subprocess.run(["desktop-file-validate", root / "usr/share/applications/faunary.desktop"],
                            capture_output=True, text=True)
    problems = [f"desktop entry: {result.stdout}{result.stderr}"] if result.returncode or result.stdout else []
    for n in ICON_SIZES:
        described = output_of("file", "-b", root / f"usr/share/icons/hicolor/{n}x{n}/apps/faunary.png")
        if not re.match(rf"PNG image data, {n} x {n},", described):
            problems.append(f"icon {n}x{n}: {described}")
    return problems


def check_runs(root, pokemon_count):
    """Problems with a first and a second run of the installed program, started
    by name from PATH as a desktop starts it, in an empty working folder."""
    problems = []
    work, config = root / "work", root / "config"
    work.mkdir()
    env = {key: value for key, value in os.environ.items() if key not in ("DISPLAY", "WAYLAND_DISPLAY")}
    env.update(PATH=f"{root / 'usr/bin'}{os.pathsep}{env.get('PATH', '/usr/bin:/bin')}", XDG_CONFIG_HOME=str(config),
               QT_QPA_PLATFORM="offscreen", FAUNARY_CLOSE_AFTER_START="1")
    shown = f"main window shown: {pokemon_count} entries in the Pokemon list"
    for run, boxes in (("first run", [FIRST_RUN_BOX]), ("second run", [])):
        result = subprocess.run(["faunary"], cwd=work, env=env, capture_output=True, text=True, timeout=60)
        lines = result.stdout.splitlines()
        got_boxes = [line[:len(FIRST_RUN_BOX)] for line in lines if line.startswith("message box: ")]
        if result.returncode or got_boxes != boxes or shown not in lines:
            problems.append(f"{run}: exit code {result.returncode}, reported {lines}")
        if not (config / "faunary" / "faunary.cfgx").is_file():
            problems.append(f"{run}: no settings file in {config}/faunary")
    if any(work.iterdir()) or sorted(p.name for p in (root / "usr/share/faunary").iterdir()) != ["data", "faunary.dat"]:
        problems.append("the program wrote into its working folder or its data folder")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--source-dir", required=True, help="the repository, holding the data set")
    args = parser.parse_args()
    source = Path(args.source_dir)
    with tempfile.TemporaryDirectory(prefix="faunary-deb-") as temp:
        temp = Path(temp)
        subprocess.run(["cpack", "-G", "DEB", "--config", Path(args.build_dir).resolve() / "CPackConfig.cmake",
                        "-B", temp / "out"], check=True, stdout=subprocess.DEVNULL)
        debs = list((temp / "out").glob("*.deb"))
        if len(debs) != 1:
            print(f"FAILED: CPack made {debs}, not one package")
            return 1
        subprocess.run(["dpkg", "-x", debs[0], temp / "root"], check=True)
        problems = (check_contents(debs[0], source) + check_unpacked(temp / "root")
                    + check_runs(temp / "root", len(list((source / "data" / "pokemon").iterdir()))))
        for problem in problems:
            print(f"FAILED: {problem}")
        if not problems:
            print(f"{debs[0].name}: contents, desktop entry, icons and two runs as installed are right")
        return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
