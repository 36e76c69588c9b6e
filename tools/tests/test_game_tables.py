"""The API dump against the games' own tables, fact by fact, for every Pokemon 1-493.

Every disagreement is known here: either the converter takes the game's value (RESOLVED; the
committed data must then hold the game's value) or the dump's value stands for a stated
reason (ALLOWED). A new disagreement fails, and so does a known one that went away."""
import unittest
import xml.etree.ElementTree as ET

from tests.paths import API, DATA, PRET
from dexconv.games import GENERATION_NUMBERS
from dexconv.pret import Pret, key
from dexconv.source import ApiSource

PLATINUM = "platinum"
# stat -> (record element, effort marker)
STATS = {"hp": ("hp", "HP"), "attack": ("attack", "ATK"), "defense": ("defense", "DEF"),
         "special-attack": ("specattk", "SATK"), "special-defense": ("specdef", "SDEF"),
         "speed": ("speed", "SPD")}

# kind -> Pokemon whose dump value disagrees with the game's, which the converter replaces.
RESOLVED = {
    "stats": {407},                              # Roserade: the dump's past entry names the wrong stat
    "effort": {26, 65, 101, 301},                # the dump's older-stat entries lose the yield
    "catch_rate": {382, 383, 384, 483, 484},     # the dump gives later catch rates
    "egg_groups": {280, 281, 282, 328, 329, 330, 475},   # second groups added in generation 5
    "colour": {351, 412, 413, 421, 493},         # the dump gives another form's colour
    "weight_tenths": {122, 162, 233, 264, 271, 324, 384},  # kilograms rounded, 0.1 lb off
}
# kind -> {Pokemon: reason} where the dump's value is kept although the game's differs.
ALLOWED = {}

# How the committed record shows each resolved fact, and the game's value in that form.
COMMITTED = {
    "stats": (lambda r: {s: int(r.findtext(t)) for s, (t, _) in STATS.items()}, lambda g: g),
    "effort": (lambda r: {e.tag for e in r.find("statexpgain")},
               lambda g: {f"{STATS[s][1]}{v}" for s, v in g.items() if v}),
    "catch_rate": (lambda r: int(r.findtext("catchrate")), lambda g: g),
    "egg_groups": (lambda r: {r.findtext("breedgroup1"), r.findtext("breedgroup2")} - {None},
                   set),
    "colour": (lambda r: r.findtext("colour"), lambda g: g),
    "weight_tenths": (lambda r: int(r.findtext("weight")), lambda g: g // 10),
}


def as_of_generation_4(current, past, items, slot_of, value_of):
    """Values by slot; a past entry holds the values up to its generation, so the earliest
    entry of generation 4 or later wins."""
    values = {slot_of(v): value_of(v) for v in current}
    later = [e for e in past or [] if GENERATION_NUMBERS[e["generation"]["name"]] >= 4]
    for entry in sorted(later, key=lambda e: -GENERATION_NUMBERS[e["generation"]["name"]]):
        values.update({slot_of(v): value_of(v) for v in entry[items]})
    return values


def dump_facts(api, dex, machines):
    """The dump's generation 4 facts in the shape of the game's (dexconv.pret)."""
    p, s = api.get("pokemon", dex), api.get("pokemon-species", dex)
    past_types = sorted((GENERATION_NUMBERS[e["generation"]["name"]], e["types"])
                        for e in p.get("past_types") or [])
    types = next((t for gen, t in past_types if gen >= 4), p["types"])   # a past typing is whole
    stats = as_of_generation_4(p["stats"], p.get("past_stats"), "stats", lambda v: v["stat"]["name"],
                               lambda v: (v["base_stat"], v["effort"]))
    abilities = as_of_generation_4([a for a in p["abilities"] if not a["is_hidden"]],
                                   p.get("past_abilities"), "abilities", lambda v: v["slot"],
                                   lambda v: v["ability"] and key(v["ability"]["name"]))
    learned = [(d, m["move"]["name"]) for m in p["moves"] for d in m["version_group_details"]
               if d["version_group"]["name"] == PLATINUM]
    return {
        "types": [t["type"]["name"] for t in sorted(types, key=lambda t: t["slot"])],
        "stats": {n: v[0] for n, v in stats.items()},
        "effort": {n: v[1] for n, v in stats.items()},
        "abilities": [a for slot, a in sorted(abilities.items()) if a and slot < 3],
        "egg_groups": [g["name"] for g in s["egg_groups"]],
        "gender_rate": s["gender_rate"], "catch_rate": s["capture_rate"],
        "hatch_counter": s["hatch_counter"], "growth_rate": s["growth_rate"]["name"],
        "colour": s["color"]["name"],
        "weight_tenths": round(p["weight"] * 2.20462262),
        "height_inches": round(p["height"] * 3.937007874),
        "level_moves": sorted((d["level_learned_at"], key(m)) for d, m in learned
                              if d["move_learn_method"]["name"] == "level-up"),
        "machines": sorted(machines[m] for d, m in learned if d["move_learn_method"]["name"] == "machine"),
    }


class DumpAgainstPlatinum(unittest.TestCase):
    maxDiff = None

    @classmethod
    def setUpClass(cls):
        if not (API.is_dir() and PRET.is_dir()):
            raise unittest.SkipTest(f"no source at {PRET}")
        api = cls.api = ApiSource(API)
        cls.pret = Pret(PRET)
        machines = {}
        for ident in api.ids("machine"):
            m = api.get("machine", ident)
            if m["version_group"]["name"] == PLATINUM:
                machines[m["move"]["name"]] = m["item"]["name"].upper()
        cls.disagree = {}
        for dex in range(1, 494):
            dump, game = dump_facts(api, dex, machines), cls.pret.platinum[dex]
            for kind, value in dump.items():
                if value != game[kind]:
                    cls.disagree.setdefault(kind, set()).add(dex)

    def test_every_disagreement_is_known(self):
        known = {kind: RESOLVED.get(kind, set()) | set(ALLOWED.get(kind, {}))
                 for kind in set(RESOLVED) | set(ALLOWED)}
        self.assertEqual(self.disagree, known)

    def test_committed_data_holds_the_games_value_where_resolved(self):
        for kind, dexes in RESOLVED.items():
            committed, shown = COMMITTED[kind]
            for dex in sorted(dexes):
                record = ET.parse(DATA / "pokemon" / f"{dex}.xml").getroot()
                self.assertEqual(committed(record), shown(self.pret.platinum[dex][kind]), (kind, dex))

    def test_red_special_agrees(self):
        for dex, special in self.pret.rby_special.items():
            past = [s for e in self.api.get("pokemon", dex)["past_stats"] for s in e["stats"]
                    if s["stat"]["name"] == "special"]
            self.assertEqual([s["base_stat"] for s in past], [special], dex)


if __name__ == "__main__":
    unittest.main()
