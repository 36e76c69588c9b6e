#!/usr/bin/env python3
"""Check of `./dev full-data`: the full data set built from a source in the layout of
the public API data holds its dex entries, and the Pokedex Entries page shows them.

Builds it from the fixture tests/fixtures/api-data-mini (our own made-up entries for
Pikachu and Turtwig; the rest of the source comes from the game data folder), once
from the folder and once from a git clone of it (a file:// URL, no network), and
runs faunary-text in each as a user would. The committed facts-only data shows the
one-line hint instead. Skipped (77) without the game data folder.

    check_full_data.py --source-dir . --text-program build/textui/faunary-text
"""
import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

FIXTURE = "tests/fixtures/api-data-mini"
# Where a checkout of the public API data keeps its resource folders.
API_LAYOUT = Path("data", "api", "v2")
# The page's rows and the versions of the source whose entries they show.
ROWS = [("Green", None), ("Red", "red"), ("Yellow", "yellow"), ("Stadium 1", None), ("Gold", "gold"),
        ("Silver", "silver"), ("Crystal", "crystal"), ("Ruby", "ruby"), ("Sapphire", "sapphire"),
        ("FireRed", "firered"), ("LeafGreen", "leafgreen"), ("Emerald", "emerald"), ("Diamond", "diamond"),
        ("Pearl", "pearl")]
FIRST_ROW = {1: 0, 2: 4, 3: 7, 4: 12}   # the oldest version of each generation
HINT = "This data set holds no Pokedex entries; readme.txt says how to add them."


def expected_rows(species):
    """The page's rows from the fixture's own species file."""
    texts = {e["version"]["name"]: " ".join(e["flavor_text"].split()) for e in species["flavor_text_entries"]}
    generation = {"generation-i": 1, "generation-ii": 2, "generation-iii": 3,
                  "generation-iv": 4}[species["generation"]["name"]]
    return [f"{label}: " + (texts.get(version, "") if n >= FIRST_ROW[generation] else "Not available")
            for n, (label, version) in enumerate(ROWS)]


def page_rows(program, folder, pokemon):
    out = subprocess.run([program, pokemon, "--page", "Pokedex Entries"], cwd=folder, capture_output=True,
                         text=True, check=True, timeout=60).stdout.splitlines()
    labels = tuple(label + ":" for label, _ in ROWS)
    return [line for line in out if line.startswith(labels)], out


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--text-program", required=True)
    args = parser.parse_args()
    repo, program = Path(args.source_dir).resolve(), Path(args.text_program).resolve()
    gamedata = Path(os.environ.get("FAUNARY_GAMEDATA", repo.parent / "shared" / "gamedata")).resolve()
    if not (gamedata / "pret").is_dir():
        print(f"skipped: no game data folder at {gamedata}")
        return 77
    problems = []
    fixture = repo / FIXTURE
    species = {p.parent.name: json.loads(p.read_text())
               for p in (fixture / API_LAYOUT / "pokemon-species").glob("*/index.json")}
    env = dict(os.environ, FAUNARY_GAMEDATA=str(gamedata))
    with tempfile.TemporaryDirectory(prefix="faunary-full-") as temp:
        temp = Path(temp)
        origin = temp / "origin"
        shutil.copytree(fixture, origin)
        # A folder the converter does not read, which the clone leaves out.
        (origin / API_LAYOUT / "berry/1").mkdir(parents=True)
        (origin / API_LAYOUT / "berry/1/index.json").write_text("{}\n")
        for command in (["init", "-q"], ["add", "."], ["-c", "user.name=t", "-c", "user.email=t@t.invalid",
                                                         "commit", "-qm", "fixture"]):
            subprocess.run(["git", "-C", origin, *command], check=True)
        for name, source in (("folder", str(fixture)), ("clone", f"file://{origin}")):
            out = temp / name
            run = subprocess.run([repo / "dev", "full-data", source, out], cwd=repo, env=env, capture_output=True,
                                 text=True, timeout=600)
            if run.returncode or f"cd {out} && faunary" not in run.stdout:
                problems.append(f"{name}: ./dev full-data said {run.stdout}{run.stderr}")
                continue
            for dex, facts in species.items():
                shown, lines = page_rows(program, out, dex)
                if shown != expected_rows(facts):
                    problems.append(f"{name}: Pokemon {dex} shows {lines}")
            # Pokemon the fixture lacks keep the game data's entries: no hint.
            if HINT in page_rows(program, out, "1")[1]:
                problems.append(f"{name}: Pokemon 1 shows the hint")
        clone = temp / "clone-source"
        cloned = sorted(p.name for p in (clone / "data/api/v2").iterdir())
        shallow = subprocess.run(["git", "-C", clone, "rev-parse", "--is-shallow-repository"], capture_output=True,
                                 text=True).stdout.strip()
        if cloned != ["pokemon-species"] or shallow != "true":
            problems.append(f"the clone checked out {cloned}, shallow: {shallow}")
    for dex in ("1", "25", "387", "493"):
        _, lines = page_rows(program, repo, dex)
        if HINT not in lines or any(line.startswith(("Red:", "Pearl:")) for line in lines):
            problems.append(f"the committed data shows for {dex}: {lines}")
    for problem in problems:
        print(f"FAILED: {problem}")
    if not problems:
        print(f"full data sets from the fixture (folder and clone) show its {len(species)} Pokemon's entries; "
              "the committed data shows the hint")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
