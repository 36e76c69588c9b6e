"""Move ids of the program.

The machine grids assume this numbering: the 251 moves of generations 1-2 are numbered
1-251 in case-insensitive alphabetical order of their generation 4 names, with Sandstorm
placed right before Sand-Attack; moves 252-354 keep their national numbers; the 18
shadow moves (source ids 10001-10018) are 355-372; national moves 355-467 become 373-485.
"""
from .source import english, url_id
from .text import GEN4_MOVE_NAMES, ascii_text

OLD_MOVES = 251
KEPT_LAST = 354
SHADOW_FIRST_SOURCE = 10001
SHADOW_COUNT = 18
LAST_NATIONAL = 467
MOVE_COUNT = LAST_NATIONAL + SHADOW_COUNT  # 485


def move_display_name(move):
    """The generation 4 spelling of a move's English name."""
    return GEN4_MOVE_NAMES.get(move["name"]) or ascii_text(english(move["names"]))


class MoveNumbers:
    def __init__(self, api):
        names = {n: move_display_name(api.get("move", n)) for n in range(1, OLD_MOVES + 1)}
        order = sorted(names, key=lambda n: (names[n].lower(), n))
        sandstorm, sand_attack = self._national(api, "sandstorm"), self._national(api, "sand-attack")
        order.remove(sandstorm)
        order.insert(order.index(sand_attack), sandstorm)
        self._old = {national: k + 1 for k, national in enumerate(order)}

    @staticmethod
    def _national(api, slug):
        for n in range(1, OLD_MOVES + 1):
            if api.get("move", n)["name"] == slug:
                return n
        raise SystemExit(f"move {slug} not found among the first {OLD_MOVES}")

    def ours(self, source_id):
        """Our id of a source move id, or None for a move after generation 4."""
        if source_id <= OLD_MOVES:
            return self._old[source_id]
        if source_id <= KEPT_LAST:
            return source_id
        if source_id <= LAST_NATIONAL:
            return source_id + SHADOW_COUNT
        if SHADOW_FIRST_SOURCE <= source_id < SHADOW_FIRST_SOURCE + SHADOW_COUNT:
            return KEPT_LAST + 1 + source_id - SHADOW_FIRST_SOURCE
        return None

    def of_ref(self, ref):
        return self.ours(url_id(ref["url"]))

    def source_ids(self):
        """Source ids of every move the program knows, in the order of our ids."""
        ids = list(range(1, LAST_NATIONAL + 1)) + list(
            range(SHADOW_FIRST_SOURCE, SHADOW_FIRST_SOURCE + SHADOW_COUNT))
        return sorted(ids, key=self.ours)
