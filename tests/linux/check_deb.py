#!/usr/bin/env python3
"""Check of the Debian package of the native program.

Makes the package with CPack from a build folder, then checks it as a user
and a distribution get it: `lintian` finds no error or warning; its name,
dependencies and file list; the desktop entry (`desktop-file-validate`), the
AppStream file (`appstreamcli validate`), the icons' sizes, the manual pages
(`man -l` renders them without a warning and they name every option of the
programs' --help) and the copyright file. Then it unpacks the package with
`dpkg -x` and runs the programs from there as installed: both print their
version; faunary-text shows a page from the installed data set; bash-completion
loads the completion from the package's share folder and it completes names,
tabs and options; faunary (Qt's offscreen platform, data from the package's
share folder, settings in a temporary XDG_CONFIG_HOME) shows the first-run
message on its first run and writes the settings file there at exit; the
second run starts from it.

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
    expected = {"/usr/games/faunary", "/usr/games/faunary-text", "/usr/share/faunary/faunary.dat",
                "/usr/share/applications/faunary.desktop", "/usr/share/metainfo/invalid.faunary.Faunary.metainfo.xml",
                "/usr/share/man/man6/faunary.6.gz", "/usr/share/man/man6/faunary-text.6.gz",
                "/usr/share/bash-completion/completions/faunary-text", "/usr/share/doc/faunary/readme.txt",
                "/usr/share/doc/faunary/copyright", "/usr/share/doc/faunary/changelog.gz"}
    expected |= {f"/usr/share/faunary/{p.relative_to(source).as_posix()}" for p in (source / "data").rglob("*.xml")}
    expected |= {f"/usr/share/icons/hicolor/{n}x{n}/apps/faunary.png" for n in ICON_SIZES}
    problems += [f"missing {name}" for name in sorted(expected - files)]
    problems += [f"unexpected file {name}" for name in sorted(files - expected)]
    return problems


def check_lintian(deb):
    """Debian's own checker: no error, and no warning that is not overridden."""
    result = subprocess.run(["lintian", "--fail-on", "error,warning", deb], capture_output=True, text=True)
    tags = [line for line in result.stdout.splitlines() if re.match(r"[EW]: ", line)]
    return [f"lintian: {tag}" for tag in tags] or ([f"lintian failed: {result.stderr}"] if result.returncode else [])


def check_metadata(root):
    """The AppStream file, the copyright file and the manual pages."""
    problems = []
    metainfo = root / "usr/share/metainfo/invalid.faunary.Faunary.metainfo.xml"
    result = subprocess.run(["appstreamcli", "validate", "--no-net", metainfo], capture_output=True, text=True)
    if result.returncode:
        problems.append(f"appstreamcli validate: {result.stdout}{result.stderr}")
    if "<launchable type=\"desktop-id\">faunary.desktop</launchable>" not in metainfo.read_text():
        problems.append("the AppStream file does not launch faunary.desktop")
    copyright_lines = (root / "usr/share/doc/faunary/copyright").read_text().splitlines()
    if not re.match(r"Format: https?://\S+/copyright-format/1\.0/?$", copyright_lines[0]):
        problems.append(f"copyright file not machine-readable: {copyright_lines[0]}")
    for program in ("faunary", "faunary-text"):
        page = root / f"usr/share/man/man6/{program}.6.gz"
        env = dict(os.environ, LC_ALL="C.UTF-8", MANROFFSEQ="", MANWIDTH="80")
        result = subprocess.run(["man", "--warnings", "-E", "UTF-8", "-l", "-Tutf8", "-Z", page],
                                capture_output=True, text=True, env=env)
        if result.returncode or result.stderr:
            problems.append(f"man -l {page.name}: {result.stderr}")
        shown = subprocess.run(["man", "-l", "-P", "cat", page], capture_output=True, text=True, env=env).stdout
        shown = re.sub(r".\x08", "", shown).replace("\u2010", "-")
        # Each option of --help is an item of the OPTIONS section.
        section = re.search(r"^OPTIONS\n(.*?)^\S", shown, re.M | re.S)
        items = set(re.findall(r"^ {7}(--[a-z][a-z0-9-]*)", section.group(1) if section else "", re.M))
        usage = output_of(root / "usr/games" / program, "--help")
        problems += [f"{page.name} does not describe {option} under OPTIONS"
                     for option in sorted(set(re.findall(r"--[a-z][a-z0-9-]*", usage))) if option not in items]
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


# Loads the completion as bash-completion does and prints what it offers for each
# line of standard input (the words typed, separated by tabs, the last one being
# completed), one line of tab-separated candidates each.
COMPLETE = r"""
source /usr/share/bash-completion/bash_completion
__load_completion faunary-text || { echo "bash-completion found no completion for faunary-text" >&2; exit 9; }
function=$(complete -p faunary-text | sed -n 's/.*-F \([^ ]*\) .*/\1/p')
while IFS= read -r line; do
  COMP_WORDS=()
  while [[ $line == *$'\t'* ]]; do COMP_WORDS+=("${line%%$'\t'*}"); line=${line#*$'\t'}; done
  COMP_WORDS+=("$line")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  "$function" faunary-text "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
  (IFS=$'\t'; echo "${COMPREPLY[*]}")
done
"""


def check_text_program(root, version):
    """Problems with both programs' --version, with faunary-text run as installed in an
    empty folder, and with the completion bash-completion finds in the package."""
    problems = []
    work = root / "text-work"
    work.mkdir()
    env = dict(os.environ, PATH=f"{root / 'usr/games'}{os.pathsep}{os.environ.get('PATH', '/usr/bin:/bin')}",
               HOME=str(root / "home"), XDG_CONFIG_HOME=str(root / "text-config"),
               XDG_DATA_DIRS=str(root / "usr/share"))
    env.pop("BASH_COMPLETION_USER_DIR", None)
    for program in ("faunary", "faunary-text"):
        shown = subprocess.run([program, "--version"], cwd=work, env=env, capture_output=True, text=True).stdout
        if shown != f"{program} {version}\n":
            problems.append(f"{program} --version printed {shown!r}")

    def text(*args):
        return subprocess.run(["faunary-text", *args], cwd=work, env=env, capture_output=True, text=True, timeout=60)

    entries = text("pikachu", "--page", "Pokedex Entries")
    if entries.returncode or "Pikachu (entry" not in entries.stdout or "no Pokedex entries" not in entries.stdout:
        problems.append(f"faunary-text in an empty folder: {entries.returncode} {entries.stdout}{entries.stderr}")
    tabs = re.findall(r"^=== (.*) ===$", text("1", "--all").stdout, re.M)
    options = sorted(set(re.findall(r"--[a-z][a-z0-9-]*", text("--help").stdout)))
    cases = [(["pika"], ["pikachu"]), (["mr"], ["mr.\\ mime"]), (["1", "--page", ""], [t.replace(" ", "\\ ") for t in tabs]),
             (["1", "--page", "dp"], ["DP\\ TMs\\ 1", "DP\\ TMs\\ 2"]), (["--"], options)]
    lines = "".join("\t".join(["faunary-text", *words]) + "\n" for words, _ in cases)
    result = subprocess.run(["bash", "--norc", "-c", COMPLETE], input=lines, cwd=work, env=env,
                            capture_output=True, text=True, timeout=120)
    offered = result.stdout.split("\n")
    for n, (words, wanted) in enumerate(cases):
        got = offered[n].split("\t") if n < len(offered) and offered[n] else []
        if len(tabs) != 13 or got != wanted:
            problems.append(f"completion of {words}: offered {got}, not {wanted} {result.stderr}")
    for tab in tabs:
        if text("25", "--page", tab).returncode:
            problems.append(f"faunary-text does not take the tab {tab!r} the completion offers")
    return problems


def check_runs(root, pokemon_count):
    """Problems with a first and a second run of the installed program, started
    by name from PATH as a desktop starts it, in an empty working folder."""
    problems = []
    work, config = root / "work", root / "config"
    work.mkdir()
    env = {key: value for key, value in os.environ.items() if key not in ("DISPLAY", "WAYLAND_DISPLAY")}
    env.update(PATH=f"{root / 'usr/games'}{os.pathsep}{env.get('PATH', '/usr/bin:/bin')}", XDG_CONFIG_HOME=str(config),
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
        version = output_of("dpkg-deb", "-f", debs[0], "Version")
        problems = (check_lintian(debs[0]) + check_contents(debs[0], source) + check_unpacked(temp / "root")
                    + check_metadata(temp / "root") + check_text_program(temp / "root", version)
                    + check_runs(temp / "root", len(list((source / "data" / "pokemon").iterdir()))))
        for problem in problems:
            print(f"FAILED: {problem}")
        if not problems:
            print(f"{debs[0].name}: lintian, contents, desktop entry, AppStream file, manual pages, icons, "
                  "faunary-text with its completion and two runs as installed are right")
        return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
