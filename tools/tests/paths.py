"""Where the tests find the committed data and the source."""
import os
import sys
from pathlib import Path

TOOLS = Path(__file__).resolve().parent.parent
REPO = TOOLS.parent
DATA = REPO / "data"
ARCHIVE = REPO / "faunary.dat"
SOURCE = Path(os.environ.get("FAUNARY_GAMEDATA", REPO.parent / "shared" / "gamedata"))
API = SOURCE / "api-v2"
PRET = SOURCE / "pret"

if str(TOOLS) not in sys.path:
    sys.path.insert(0, str(TOOLS))


def committed_files():
    """{"data/...": text} of every committed data file."""
    return {f"data/{p.relative_to(DATA).as_posix()}": p.read_text(encoding="ascii")
            for p in sorted(DATA.rglob("*.xml"))}
