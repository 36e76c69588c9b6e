#!/usr/bin/env python3
"""End-to-end test of faunary.exe under Wine and Xvfb.

Starts a private X server and a Wine prefix inside the output folder, copies a
fixture data set into a fresh working folder there, and runs each session
script with the test driver (faunary_wine_driver.exe), which starts
faunary.exe in that folder and drives it with window messages. Sessions share
the working folder, so a later session sees the settings file an earlier one
left. The driver's screenshots are converted to PNG (netpbm). Wine and the X
server are stopped at the end, pass or fail.

    run_wine_sessions.py --exe faunary.exe --driver faunary_wine_driver.exe \
        --fixture tests/fixtures/wine-basic --output build-win/wine-e2e \
        first_run.session second_run.session

With --package faunary-win64.zip instead of --exe and --fixture, the sessions
run the unpacked package: its faunary.exe in its Faunary folder, as users do.
"""
import argparse
import os
import shutil
import subprocess
import sys
import zipfile
from pathlib import Path

BOOT_TIMEOUT = 600     # a first wineboot can be slow on a loaded machine
SESSION_TIMEOUT = 300  # the driver's own waits are shorter; this only stops a hang


def windows_path(path):
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")  # Wine maps / to drive Z:


# The system colours a session runs under, written on every run (the prefix is
# shared): Wine's own light scheme with its visual styles, or a dark scheme
# without them, as Windows' high-contrast schemes turn visual styles off.
COLOUR_SCHEMES = {
    "light": {"Window": "255 255 255", "WindowText": "0 0 0", "ButtonFace": "245 245 245", "ButtonText": "0 0 0",
              "GrayText": "166 166 166", "Hilight": "48 150 250", "HilightText": "255 255 255",
              "Scrollbar": "255 255 255", "ButtonHilight": "255 255 255", "ButtonLight": "227 227 227",
              "ButtonShadow": "166 166 166", "ButtonDkShadow": "106 106 106", "Menu": "255 255 255",
              "MenuText": "0 0 0", "InfoWindow": "255 255 255", "InfoText": "0 0 0"},
    "dark": {"Window": "32 32 32", "WindowText": "240 240 240", "ButtonFace": "45 45 45", "ButtonText": "240 240 240",
             "GrayText": "110 110 110", "Hilight": "0 90 180", "HilightText": "255 255 255",
             "Scrollbar": "60 60 60", "ButtonHilight": "80 80 80", "ButtonLight": "65 65 65",
             "ButtonShadow": "25 25 25", "ButtonDkShadow": "10 10 10", "Menu": "45 45 45",
             "MenuText": "240 240 240", "InfoWindow": "45 45 45", "InfoText": "240 240 240"},
}


def screen_size(dpi):
    """Room for the 800x600 window at the desktop's scale."""
    return f"{1024 * dpi // 96}x{768 * dpi // 96}"


def start_xvfb(dpi):
    """A private Xvfb on a free display number, which it writes to a pipe."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen_size(dpi) + "x24",
                             "-nolisten", "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as reader:
        return xvfb, ":" + reader.readline().strip()


def to_png(bmp):
    pixels = subprocess.run(["bmptopnm", "-quiet", bmp], check=True, capture_output=True).stdout
    with open(bmp.with_suffix(".png"), "wb") as png:
        subprocess.run(["pnmtopng"], input=pixels, stdout=png, check=True)


def run_sessions(args, output, shots, env):
    def wine(*command, timeout=120):
        subprocess.run(["wine", *command], env=env, timeout=timeout, check=True)

    if not (Path(env["WINEPREFIX"]) / "system.reg").exists():
        print(f"Creating the Wine prefix {env['WINEPREFIX']} (the first time takes a while)")
        subprocess.run(["wineboot", "-i"], env=env, timeout=BOOT_TIMEOUT, check=True)
        subprocess.run(["wineserver", "-w"], env=env, timeout=BOOT_TIMEOUT)
    # Every window inside one Wine desktop window, so that Wine draws the frames
    # (Xvfb has no window manager to draw them).
    wine("reg", "add", r"HKCU\Software\Wine\Explorer", "/v", "Desktop", "/d", "Faunary", "/f")
    wine("reg", "add", r"HKCU\Software\Wine\Explorer\Desktops", "/v", "Faunary", "/d", screen_size(args.dpi), "/f")
    # The desktop's scale, as the Display settings set it (96 = 100%), and its
    # colours, read when Wine starts.
    wine("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(args.dpi), "/f")
    for name, rgb in COLOUR_SCHEMES[args.colours].items():
        wine("reg", "add", r"HKCU\Control Panel\Colors", "/v", name, "/d", rgb, "/f")
    wine("reg", "add", r"HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager", "/v", "ThemeActive",
         "/d", "1" if args.colours == "light" else "0", "/f")
    subprocess.run(["wineserver", "-k"], env=env, timeout=30)
    subprocess.run(["wineserver", "-w"], env=env, timeout=BOOT_TIMEOUT)

    # Kept after the run for inspection, replaced by the next run.
    work = output / Path(args.sessions[0]).stem
    shutil.rmtree(work, ignore_errors=True)
    if args.package:
        with zipfile.ZipFile(args.package) as package:
            package.extractall(work)
        exe, folder = work / "Faunary" / "faunary.exe", work / "Faunary"
    else:
        shutil.copytree(args.fixture, work)
        exe, folder = args.exe, work
    for session in args.sessions:
        print(f"--- {Path(session).name}", flush=True)
        wine(args.driver, *map(windows_path, (exe, folder, session, shots)), timeout=args.session_timeout)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--exe")
    parser.add_argument("--driver", required=True)
    parser.add_argument("--fixture", help="folder holding data/ (and faunary.dat)")
    parser.add_argument("--package", help="the Windows zip, run unpacked")
    parser.add_argument("--output", required=True, help="screenshots, working folders and the Wine prefix go here")
    parser.add_argument("--screenshots", help="where screenshots go (default: the output folder)")
    parser.add_argument("--colours", choices=sorted(COLOUR_SCHEMES), default="light", help="the system colours")
    parser.add_argument("--dpi", type=int, default=96, help="the desktop's dots per inch (192 = 200%%)")
    parser.add_argument("--session-timeout", type=int, default=SESSION_TIMEOUT,
                        help="seconds a session may run before it counts as hung")
    parser.add_argument("sessions", nargs="+")
    args = parser.parse_args()

    output = Path(args.output).resolve()
    output.mkdir(parents=True, exist_ok=True)
    shots = Path(args.screenshots).resolve() if args.screenshots else output
    shots.mkdir(parents=True, exist_ok=True)
    xvfb, display = start_xvfb(args.dpi)
    env = {key: value for key, value in os.environ.items() if key != "WAYLAND_DISPLAY"}
    env.update(WINEPREFIX=str(output / "wine-prefix"), WINEARCH="win64", WINEDEBUG="-all", DISPLAY=display,
               WINEDLLOVERRIDES="mscoree,mshtml=",  # no Mono or Gecko prompts: the program needs neither
               LANG="en_US.UTF-8", LC_ALL="en_US.UTF-8")
    try:
        run_sessions(args, output, shots, env)
        passed = True
    except subprocess.SubprocessError as error:  # a session failed or hung
        print(f"FAILED: {error}")
        passed = False
    finally:
        subprocess.run(["wineserver", "-k"], env=env, timeout=30)
        xvfb.terminate()
        xvfb.wait()
    for bmp in sorted(shots.glob("*.bmp")):
        to_png(bmp)
        print(f"screenshot: {bmp.with_suffix('.png')}")
    print("wine end-to-end test: " + ("PASSED" if passed else "FAILED"))
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
