#!/usr/bin/env python3
"""Checks the Windows package: the files users get, and that faunary.exe
needs no DLL beyond those Windows ships.

    check_package.py <faunary-win64.zip> <faunary.exe> <objdump>
"""
import re
import subprocess
import sys
import zipfile
from pathlib import Path

# DLLs every 64-bit Windows has (msvcrt.dll is the system C runtime MinGW links to).
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "msvcrt.dll", "wsock32.dll",
               "ws2_32.dll", "advapi32.dll", "shell32.dll", "ole32.dll", "uxtheme.dll"}


def main(package, exe, objdump):
    problems = []
    with zipfile.ZipFile(package) as archive:
        names = set(archive.namelist())
        if archive.read("Faunary/faunary.exe") != Path(exe).read_bytes():
            problems.append("Faunary/faunary.exe is not the program just built")
        if re.search(rb"(?<!\r)\n", archive.read("Faunary/readme.txt")):
            problems.append("readme.txt has lines that do not end in CR LF")
    data = Path(__file__).resolve().parents[2] / "data"
    expected = {"Faunary/faunary.exe", "Faunary/readme.txt", "Faunary/faunary.dat"}
    expected |= {f"Faunary/data/{p.relative_to(data).as_posix()}" for p in data.rglob("*.xml")}
    problems += [f"missing {name}" for name in sorted(expected - names)]
    problems += [f"unexpected entry {name}" for name in sorted(names - expected) if not name.endswith("/")]

    imports = subprocess.run([objdump, "-p", exe], check=True, capture_output=True, text=True).stdout
    dlls = {dll.lower() for dll in re.findall(r"DLL Name: (\S+)", imports)}
    if dlls - SYSTEM_DLLS:
        problems.append(f"faunary.exe needs DLLs Windows does not ship: {sorted(dlls - SYSTEM_DLLS)}")
    for problem in problems:
        print("package: " + problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
