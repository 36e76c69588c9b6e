#!/usr/bin/env python3
"""Checks the Windows package: the files users get, and that faunary.exe
needs no DLL beyond those Windows ships.

    check_package.py <faunary-win64.zip> <faunary.exe> <objdump>
"""
import subprocess
import sys
import zipfile

REFERENCE_FILES = ["abilities.xml", "breedgroup.xml", "colours.xml", "contestfx.xml", "evolution.xml",
                   "friendarea.xml", "habitats.xml", "location.xml", "movefx.xml", "types.xml"]
# DLLs every 64-bit Windows has (msvcrt.dll is the system C runtime MinGW links to).
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "msvcrt.dll", "wsock32.dll",
               "ws2_32.dll", "advapi32.dll", "shell32.dll", "ole32.dll"}


def main(argv):
    if len(argv) != 4:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    package, exe, objdump = argv[1:]
    problems = []
    with zipfile.ZipFile(package) as archive:
        names = set(archive.namelist())
        with open(exe, "rb") as built:
            if archive.read("Faunary/faunary.exe") != built.read():
                problems.append("Faunary/faunary.exe is not the program just built")
        readme = archive.read("Faunary/readme.txt").decode("ascii")
        if "\r\n" not in readme or "\n" in readme.replace("\r\n", ""):
            problems.append("readme.txt does not have Windows line ends throughout")
        for word in ("faunary.cfgx", "faunary.dat", "data"):
            if word not in readme:
                problems.append(f"readme.txt does not mention {word}")
        for name in REFERENCE_FILES + ["pokemon.xml", "moves.xml"]:
            if f"Faunary/data/{name}" not in names:
                problems.append(f"Faunary/data/{name} is missing")
        if any(not name.startswith("Faunary/") for name in names):
            problems.append("entries outside the Faunary folder")

    imports = subprocess.run([objdump, "-p", exe], check=True, capture_output=True, text=True).stdout
    dlls = {line.split("DLL Name:")[1].strip().lower() for line in imports.splitlines() if "DLL Name:" in line}
    foreign = sorted(dlls - SYSTEM_DLLS)
    if foreign:
        problems.append("faunary.exe needs DLLs Windows does not ship: " + ", ".join(foreign))

    for problem in problems:
        print("package: " + problem)
    print(f"package: {len(names)} entries; faunary.exe imports {', '.join(sorted(dlls))}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
