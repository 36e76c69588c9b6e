"""Platinum's and HeartGold/SoulSilver's own learnsets: the level-up moves of Platinum from
Platinum's table, and the flags of the two games' tutor grid and of HeartGold/SoulSilver's HMs.

The record keeps Diamond and Pearl's machines in gen4tm; what the later two games add sits in
one element per game, with the marker names of gen4tm and gen3tm:
  pttm    MT01-MT42  Platinum's move tutors
  hgsstm  HM01-HM08  HeartGold/SoulSilver's HMs (HM05 is Whirlpool there, Defog in gen4tm)
          MT01-MT56  HeartGold/SoulSilver's move tutors
MTnn is cell n of one tutor grid for both games (TUTOR_GRID): 1-38 the shard tutors in the
order of Platinum's tutor table, which HeartGold/SoulSilver's Frontier tutors keep; 39-42 the
moves taught once to starters and Dragons; 43-55 the Frontier tutors HeartGold/SoulSilver
added, in their table's order; 56 Headbutt (Ilex Forest's tutor)."""
import json
from pathlib import Path

from .evolutions import LAST_POKEMON

PLATINUM = "platinum"
HGSS = "heartgold-soulsilver"

TUTOR_GRID = [
    "dive", "mud-slap", "fury-cutter", "icy-wind", "rollout", "thunder-punch", "fire-punch",
    "superpower", "ice-punch", "iron-head", "aqua-tail", "ominous-wind", "gastro-acid", "snore",
    "spite", "air-cutter", "helping-hand", "endeavor", "outrage", "ancient-power", "synthesis",
    "signal-beam", "zen-headbutt", "vacuum-wave", "earth-power", "gunk-shot", "twister",
    "seed-bomb", "iron-defense", "magnet-rise", "last-resort", "bounce", "trick", "heat-wave",
    "knock-off", "sucker-punch", "swift", "uproar",
    # taught once, as in Diamond and Pearl's grid (TM93-TM96)
    "frenzy-plant", "hydro-cannon", "blast-burn", "draco-meteor",
    # HeartGold/SoulSilver only
    "super-fang", "pain-split", "string-shot", "tailwind", "gravity", "worry-seed", "magic-coat",
    "role-play", "heal-bell", "low-kick", "sky-attack", "block", "bug-bite", "headbutt",
]
PLATINUM_TUTOR_CELLS = 42
HM_COUNT = 8


def tutor_marker(cell):
    """Marker of grid cell cell (1 up)."""
    return f"MT{cell:02d}"


class Gen4Learnsets:
    """Platinum's own table in our move ids, and the tutor grid in our move ids."""

    def __init__(self, pret_dir, api, numbers):
        root = Path(pret_dir)
        with open(root / "gen4-platinum-moves.json", encoding="utf-8") as f:
            ours = {constant: numbers.ours(m["number"]) for constant, m in json.load(f).items()}
        self.levels, self.tutors = {}, {}
        for dex in range(1, LAST_POKEMON + 1):
            with open(root / "gen4-platinum" / f"{dex}.json", encoding="utf-8") as f:
                learnset = json.load(f)["learnset"]
            self.levels[dex] = [(level, ours[m]) for level, m in learnset["by_level"]]
            self.tutors[dex] = {ours[m] for m in learnset.get("by_tutor", [])}
        by_slug = {api.get("move", n)["name"]: numbers.ours(n) for n in numbers.source_ids()}
        self.grid = [by_slug[slug] for slug in TUTOR_GRID]
        # Moves Platinum's tutor table holds; the others are taught by scripts of their own.
        self.table_moves = set().union(*self.tutors.values())
        self.hms = _hgss_hms(api, numbers)

    def entries(self, dex, api_entries):
        """A Pokemon's learn entries with Platinum's level-up and tutor moves from its own
        table; the scripted tutors the table lacks stay as the API dump has them."""
        def from_table(entry):
            move, group, method, _ = entry
            return group == PLATINUM and (method == "level-up" or
                                          (method == "tutor" and move in self.table_moves))
        out = [e for e in api_entries if not from_table(e)]
        out += [(move, PLATINUM, "level-up", level) for level, move in self.levels[dex]]
        out += [(move, PLATINUM, "tutor", 0) for move in sorted(self.tutors[dex])]
        return out

    def add_flags(self, record, entries):
        """Writes pttm and hgsstm (each only when it holds a marker)."""
        taught = {PLATINUM: set(), HGSS: set()}
        hms = set()
        for move, group, method, _ in entries:
            if method == "tutor" and group in taught:
                taught[group].add(move)
            elif method == "machine" and group == HGSS and move in self.hms:
                hms.add(self.hms[move])
        cells = {PLATINUM: self.grid[:PLATINUM_TUTOR_CELLS], HGSS: self.grid}
        for element, group, game_hms in (("pttm", PLATINUM, []), ("hgsstm", HGSS, sorted(hms))):
            markers = game_hms + [tutor_marker(n) for n, move in enumerate(cells[group], 1)
                                  if move in taught[group]]
            unknown = taught[group] - set(cells[group])
            if unknown:
                raise SystemExit(f"{group} tutor moves outside the grid: {sorted(unknown)}")
            if markers:
                flags = record.add(element)
                for marker in markers:
                    flags.add(marker)


def _hgss_hms(api, numbers):
    """Our move id -> HM marker of HeartGold/SoulSilver's HMs."""
    out = {}
    for ident in api.ids("machine"):
        m = api.get("machine", ident)
        item = m["item"]["name"]
        if m["version_group"]["name"] == HGSS and item.startswith("hm"):
            out[numbers.of_ref(m["move"])] = "HM" + item[2:]
    if len(out) != HM_COUNT:
        raise SystemExit(f"{HGSS} has {len(out)} HMs, not {HM_COUNT}")
    return out
