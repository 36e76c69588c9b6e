"""Move ids of the program.

The machine grids, the records and stored data assume this numbering: the 251 moves of
generations 1-2 are numbered 1-251 in case-insensitive alphabetical order of their generation 4
names (ViceGrip as Vise Grip), with Sandstorm placed right before Sand-Attack; moves 252-354
keep their national numbers; the 18 shadow moves (source ids 10001-10018) are 355-372; national moves 355-467 become 373-485.
"""
from .source import english, url_id
from .text import ascii_text

OLD_MOVES = 251
KEPT_LAST = 354
SHADOW_FIRST_SOURCE = 10001
SHADOW_COUNT = 18
LAST_NATIONAL = 467
MOVE_COUNT = LAST_NATIONAL + SHADOW_COUNT  # 485


# The spellings the numbering sorts the generation 1-2 moves by: the generation 4 games'
# names, except ViceGrip, which the first data sets sorted under its later spelling. Only
# the ids depend on these; the names shown are Platinum's.
_SORT_SPELLINGS = {
    "ancient-power": "AncientPower", "bubble-beam": "BubbleBeam", "double-slap": "DoubleSlap",
    "dragon-breath": "DragonBreath", "dynamic-punch": "DynamicPunch",
    "extreme-speed": "ExtremeSpeed", "feint-attack": "Faint Attack",
    "high-jump-kick": "Hi Jump Kick", "poison-powder": "PoisonPowder",
    "sand-attack": "Sand-Attack", "self-destruct": "Selfdestruct", "smokescreen": "SmokeScreen",
    "soft-boiled": "Softboiled", "solar-beam": "SolarBeam", "sonic-boom": "SonicBoom",
    "thunder-punch": "ThunderPunch", "thunder-shock": "ThunderShock", "vice-grip": "Vise Grip",
}


def _sort_spelling(move):
    return _SORT_SPELLINGS.get(move["name"]) or ascii_text(english(move["names"]))


class MoveNumbers:
    def __init__(self, api):
        names = {n: _sort_spelling(api.get("move", n)) for n in range(1, OLD_MOVES + 1)}
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
