#!/usr/bin/env python3
"""Check of tools/linux/deb-src-entries, the deb-src entries `./dev setup` derives.

Feeds it APT source files of both formats (options, comments, a disabled entry,
an inline key, archives of other releases and of other projects) and asks APT
itself (`apt-get indextargets`) what each side configures: the derived file
must give exactly one deb-src target for every deb target of the release, from
the same URI, suite and component, and APT must accept it.

    check_deb_src.py --source-dir .
"""
import argparse
import subprocess
import sys
import tempfile
from pathlib import Path

LIST = """\
# one-line entries
deb [arch=amd64 signed-by=/usr/share/keyrings/mirror.gpg] http://mirror.example/debian bookworm main contrib # note
  deb http://proxy.example:3142/debian-security bookworm-security main
deb-src http://sources.example/debian bookworm main
deb http://other.example/repo nodistro main
"""
SOURCES = """\
Types: deb
URIs: http://mirror.example/debian http://second.example/debian
Suites: bookworm-updates trixie
Components: main non-free-firmware
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBFixtureKeyOnly
 -----END PGP PUBLIC KEY BLOCK-----

Types: deb
Enabled: no
URIs: http://disabled.example/debian
Suites: bookworm
Components: main

# an archive of another project, named after the release
Types: deb deb-src
URIs: http://project.example/apt
Suites: cloud-bookworm
Components: main
"""


def targets(parts):
    """(Target-Of, URI, suite, component) of every index APT would fetch for the folder."""
    out = subprocess.run(["apt-get", "indextargets", "--no-release-info", "-o", "Dir::Etc::SourceList=/dev/null",
                          "-o", f"Dir::Etc::SourceParts={parts}", "--format",
                          "$(TARGET_OF) $(REPO_URI) $(RELEASE) $(COMPONENT)"],
                         check=True, capture_output=True, text=True).stdout
    return {tuple(line.split()) for line in out.splitlines() if line.strip()}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--source-dir", required=True)
    script = Path(parser.parse_args().source_dir).resolve() / "tools/linux/deb-src-entries"
    with tempfile.TemporaryDirectory(prefix="faunary-deb-src-") as temp:
        given, derived = Path(temp) / "given", Path(temp) / "derived"
        given.mkdir()
        derived.mkdir()
        (given / "mirror.list").write_text(LIST)
        (given / "more.sources").write_text(SOURCES)
        text = subprocess.run([script, "bookworm", given / "mirror.list", given / "more.sources"],
                              check=True, capture_output=True, text=True).stdout
        (derived / "faunary-deb-src.sources").write_text(text)
        wanted = {("deb-src",) + t[1:] for t in targets(given)
                  if t[0] == "deb" and (t[2] == "bookworm" or t[2].startswith("bookworm-"))}
        got = targets(derived)
        problems = [f"missing {t}" for t in sorted(wanted - got)] + [f"unexpected {t}" for t in sorted(got - wanted)]
        if text.count("Signed-By: /usr/share/keyrings/mirror.gpg") != 1 or text.count("mQINBFixtureKeyOnly") != 1:
            problems.append("the signing keys did not carry over")
        if subprocess.run([script, "trixie", given / "mirror.list"], capture_output=True, text=True).stdout:
            problems.append("entries derived for a release no entry serves")
        for problem in problems:
            print(f"FAILED: {problem}\n{text}")
        if not problems:
            print(f"{len(got)} deb-src targets derived, as APT reads them")
        return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
