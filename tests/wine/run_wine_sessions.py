#!/usr/bin/env python3
"""End-to-end test of faunary.exe under Wine and Xvfb.

Starts a private X server and a Wine prefix inside the build folder, copies a
fixture data set into a fresh working folder, and runs each session script
with the test driver (faunary_wine_driver.exe), which starts faunary.exe in
that folder and drives it with window messages. Sessions share the working
folder, so a later session sees the settings file an earlier one left.
Screenshots the driver takes are converted to PNG. Every step has a
time-out, and Wine and the X server are stopped at the end, pass or fail.

    run_wine_sessions.py --exe faunary.exe --driver faunary_wine_driver.exe \
        --fixture tests/fixtures/wine-basic --output build-win/wine-e2e \
        first_run.session second_run.session

With --package faunary-win64.zip instead of --exe and --fixture, the sessions
run the unpacked package: its faunary.exe in its Faunary folder, as users do.
"""
import argparse
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bmp_to_png  # noqa: E402

BOOT_TIMEOUT = 600     # a first wineboot can be slow on a loaded machine
SESSION_TIMEOUT = 300  # the driver's own waits are shorter; this only stops a hang


def fail(message):
    print(f"wine end-to-end test: {message}", file=sys.stderr)
    return 1


def windows_path(path):
    # Wine maps the Unix root to drive Z:.
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class XServer:
    """A private Xvfb on a free display number, stopped on exit."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as reader:
            number = reader.readline().strip()
        if not number:
            self.stop()
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()


def run(command, env, timeout, **kwargs):
    """Runs a command in its own process group, killing the group on time-out."""
    process = subprocess.Popen(command, env=env, start_new_session=True, **kwargs)
    try:
        output, _ = process.communicate(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        output, _ = process.communicate()
        return None, output
    return process.returncode, output


def wine_environment(prefix, display):
    env = dict(os.environ)
    env.update({
        "WINEPREFIX": prefix,
        "WINEARCH": "win64",
        "WINEDEBUG": "-all",
        # No Mono or Gecko installer prompts: the program needs neither.
        "WINEDLLOVERRIDES": "mscoree,mshtml=",
        "DISPLAY": display,
        "LANG": "en_US.UTF-8",
        "LC_ALL": "en_US.UTF-8",
    })
    env.pop("WAYLAND_DISPLAY", None)
    return env


def prepare_prefix(prefix, env):
    if os.path.exists(os.path.join(prefix, "system.reg")):
        return True
    print(f"Creating the Wine prefix {prefix} (the first time takes a while)")
    os.makedirs(prefix, exist_ok=True)
    code, output = run(["wineboot", "-i"], env, BOOT_TIMEOUT, stdout=subprocess.PIPE,
                       stderr=subprocess.STDOUT, text=True)
    if code != 0:
        print(output or "", file=sys.stderr)
        return False
    run(["wineserver", "-w"], env, BOOT_TIMEOUT)
    return os.path.exists(os.path.join(prefix, "system.reg"))


def use_virtual_desktop(env):
    """Runs every window inside one Wine desktop window, so that Wine draws
    the window frames itself (Xvfb has no window manager to draw them)."""
    for key, name, value in ((r"HKCU\Software\Wine\Explorer", "Desktop", "Faunary"),
                             (r"HKCU\Software\Wine\Explorer\Desktops", "Faunary", "1024x768")):
        code, output = run(["wine", "reg", "add", key, "/v", name, "/d", value, "/f"], env, 120,
                           stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if code != 0:
            print(output or "", file=sys.stderr)
            return False
    return True


def stop_wine(env):
    run(["wineserver", "-k"], env, 30, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--exe")
    parser.add_argument("--driver", required=True)
    parser.add_argument("--fixture", help="folder holding data/ (and faunary.dat)")
    parser.add_argument("--package", help="the Windows zip, run unpacked")
    parser.add_argument("--output", required=True, help="screenshots, logs and the Wine prefix go here")
    parser.add_argument("sessions", nargs="+")
    args = parser.parse_args()

    for tool in ("wine", "wineserver", "wineboot", "Xvfb"):
        if shutil.which(tool) is None:
            return fail(f"'{tool}' is not installed (./dev setup installs wine, wine64 and xvfb)")
    if bool(args.package) == bool(args.exe and args.fixture):
        return fail("give either --exe and --fixture, or --package")
    inputs = [args.package] if args.package else [args.exe, args.fixture]
    for path in inputs + [args.driver] + args.sessions:
        if not os.path.exists(path):
            return fail(f"{path} does not exist")

    output = os.path.abspath(args.output)
    os.makedirs(output, exist_ok=True)
    prefix = os.path.join(output, "wine-prefix")
    try:
        x_server = XServer()
    except (OSError, RuntimeError) as error:
        return fail(f"cannot start Xvfb: {error}")
    env = wine_environment(prefix, x_server.display)
    work = tempfile.mkdtemp(prefix="faunary-wine-")
    passed = False
    try:
        if not prepare_prefix(prefix, env):
            return fail("wineboot could not create the Wine prefix")
        if not use_virtual_desktop(env):
            return fail("cannot set up Wine's virtual desktop")
        if args.package:
            with zipfile.ZipFile(args.package) as archive:
                archive.extractall(work)
            exe = os.path.join(work, "Faunary", "faunary.exe")
            folder = os.path.join(work, "Faunary")
        else:
            for name in os.listdir(args.fixture):
                source = os.path.join(args.fixture, name)
                if os.path.isdir(source):
                    shutil.copytree(source, os.path.join(work, name))
                else:
                    shutil.copy2(source, work)
            exe, folder = args.exe, work
        passed = True
        for session in args.sessions:
            print(f"--- {os.path.basename(session)}")
            started = time.monotonic()
            code, _ = run(["wine", args.driver, windows_path(exe), windows_path(folder),
                           windows_path(session), windows_path(output)], env, SESSION_TIMEOUT)
            if code is None:
                print(f"{session}: FAILED: the driver did not finish within {SESSION_TIMEOUT} s")
            elif code != 0:
                print(f"{session}: FAILED: the driver exited with code {code}")
            print(f"({time.monotonic() - started:.1f} s)")
            if code != 0:
                passed = False
                break
        for name in sorted(os.listdir(output)):
            if name.endswith(".bmp"):
                png = os.path.join(output, name[:-4] + ".png")
                with open(os.path.join(output, name), "rb") as bmp:
                    width, height, rows = bmp_to_png.read_bmp(bmp.read())
                with open(png, "wb") as target:
                    target.write(bmp_to_png.png_bytes(width, height, rows))
                print(f"screenshot: {png}")
    finally:
        stop_wine(env)
        x_server.stop()
        if passed:
            shutil.rmtree(work, ignore_errors=True)
        else:
            print(f"working folder kept for inspection: {work}")
    print("wine end-to-end test: " + ("PASSED" if passed else "FAILED"))
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
