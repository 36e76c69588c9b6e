"""The native program as a user starts it, on a data set whose reference table
and move table are damaged and with no settings file: each message of the data
load shows before the first-run message, in load order, and then the main
window with the whole list. Run by ctest: start_messages.py PROGRAM REPO_DIR."""
import os
import shutil
import subprocess
import sys
import tempfile

program, repo = os.path.abspath(sys.argv[1]), sys.argv[2]
with tempfile.TemporaryDirectory() as folder:
    shutil.copytree(os.path.join(repo, "data"), os.path.join(folder, "data"))
    os.remove(os.path.join(folder, "data", "types.xml"))
    os.remove(os.path.join(folder, "data", "moves.xml"))
    # The archive stands in for both files: one record empty, one cut short.
    with open(os.path.join(folder, "faunary.dat"), "wb") as archive:
        archive.write(b'"|{data/types.xml}||"|{data/moves.xml}<moves><move id="1"><name>Pound||')
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", FAUNARY_CLOSE_AFTER_START="1")
    run = subprocess.run([program], cwd=folder, env=env, capture_output=True, text=True, timeout=120)
    lines = run.stdout.splitlines()
    print("\n".join(lines))
    expected = [
        "message box: XML Reader error: Empty file string",
        "message box: XML Reader error: Error when loading XML file data/moves.xml: ",
        "message box: Faunary: We have detected that this is the first time",
        "main window shown: 493 entries in the Pokemon list",
    ]
    if run.returncode != 0 or len(lines) != len(expected) or any(
            not line.startswith(start) for line, start in zip(lines, expected)):
        sys.exit("expected lines starting with:\n" + "\n".join(expected))
print("1 passed, 0 failed")
