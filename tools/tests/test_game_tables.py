"""The committed data against the games' own tables, fact by fact, for every Pokemon 1-493:
Platinum's for generation 4 (the committed data holds Diamond and Pearl's values, which are
Platinum's for these facts), Red's for the RBY Special and the trade item, Crystal's for the
generation 2 wild held items; and for every move 1-467, Platinum's move table. Whatever
source the converter takes a fact from, the data must agree with the game."""
import json
import unittest
import xml.etree.ElementTree as ET

from tests.paths import API, DATA, PRET
from dexconv.movenumbers import MoveNumbers
from dexconv.pokemon import weight_lbs
from dexconv.source import ApiSource
from dexconv.pret import Pret, key
from dexconv.tables import DITTO_ONLY

STATS = {"hp": ("hp", "HP"), "attack": ("attack", "ATK"), "defense": ("defense", "DEF"),
         "special-attack": ("specattk", "SATK"), "special-defense": ("specdef", "SDEF"),
         "speed": ("speed", "SPD")}
# The program's growth codes 1-6.
GROWTH = [None, "fast", "medium", "medium-slow", "slow", "slow-then-very-fast", "fast-then-very-slow"]

# fact -> (the committed record's value, the game's value in the same form)
FACTS = {
    "types": (lambda r: [t for t in (r.findtext("type1"), r.findtext("type2")) if t], lambda g: g["types"]),
    "stats": (lambda r: {s: int(r.findtext(tag)) for s, (tag, _) in STATS.items()}, lambda g: g["stats"]),
    "effort": (lambda r: {e.tag for e in r.findall("statexpgain/*")},
               lambda g: {f"{STATS[s][1]}{v}" for s, v in g["effort"].items() if v}),
    "abilities": (lambda r: [key(a) for a in (r.findtext("gen4ability1"), r.findtext("gen4ability2")) if a],
                  lambda g: g["abilities"]),
    # a genderless Pokemon that can breed does so with Ditto only; its first group shows beside that
    "egg groups": (lambda r: [b for b in (r.findtext("breedgroup1"), r.findtext("breedgroup2")) if b],
                   lambda g: [DITTO_ONLY, g["egg_groups"][0]] if g["gender_rate"] < 0 and g["egg_groups"][0]
                   not in ("ditto", "no-eggs") else g["egg_groups"]),
    # sixteenths male, 17 genderless; the games count eighths female
    "gender": (lambda r: int(r.findtext("gender")), lambda g: 17 if g["gender_rate"] < 0 else 16 - 2 * g["gender_rate"]),
    "catch rate": (lambda r: int(r.findtext("catchrate")), lambda g: g["catch_rate"]),
    "egg steps": (lambda r: int(r.findtext("hatchsteps")), lambda g: g["hatch_counter"] * 256),
    "growth": (lambda r: GROWTH[int(r.findtext("expformula"))], lambda g: g["growth_rate"]),
    "colour": (lambda r: r.findtext("colour"), lambda g: g["colour"]),
    "pounds": (lambda r: int(r.findtext("weight")), lambda g: weight_lbs(g["weight_tenths"])),
    "inches": (lambda r: 12 * int(r.find("height").get("ft")) + int(r.find("height").get("in")),
               lambda g: g["height_inches"]),
    "experience": (lambda r: int(r.findtext("baseexperience")), lambda g: g["base_experience"]),
    # TM93-TM96 are the tutor cells of the grid, not machines
    "machines": (lambda r: sorted(m.tag for m in r.findall("gen4tm/*") if m.tag[:2] == "HM" or int(m.tag[2:]) <= 92),
                 lambda g: g["machines"]),
    "rby special": (lambda r: int(r.findtext("rbyspec") or 0), lambda g: g["rby_special"]),
    "held items": (lambda r: [r.findtext(f) or "" for f in ("wilditem25", "wilditem8", "tradeitem")],
                   lambda g: g["held"]),
}


class CommittedAgainstGames(unittest.TestCase):
    def test_every_pokemon_has_the_games_facts(self):
        if not PRET.is_dir():
            self.skipTest(f"no source at {PRET}")
        pret = Pret(PRET)
        wrong = []
        for dex in range(1, 494):
            record = ET.parse(DATA / "pokemon" / f"{dex}.xml").getroot()
            game = dict(pret.platinum[dex], rby_special=pret.rby_special.get(dex, 0),
                        held=[*pret.gen2_wild_items.get(dex, ("", "")), pret.trade_item.get(dex, "")])
            for fact, (committed, of_game) in FACTS.items():
                if committed(record) != of_game(game):
                    wrong.append(f"{dex} {fact}: {committed(record)} instead of {of_game(game)}")
        self.assertEqual(wrong[:10], [], f"{len(wrong)} facts differ from the games'")

    def test_a_parent_offers_the_egg_moves_of_what_hatches_from_its_eggs(self):
        # Pikachu's eggs hatch into Pichu, so Pichu's egg moves are Pikachu's too
        if not PRET.is_dir():
            self.skipTest(f"no source at {PRET}")
        platinum = Pret(PRET).platinum

        def record(dex):
            return ET.parse(DATA / "pokemon" / f"{dex}.xml").getroot()

        def egg_moves(dex, since=2):  # those bred in a generation since `since`
            return {m.findtext("id") for m in record(dex).iter("breedmove")
                    if any(m.find(f"methodgen{gen}") is not None for gen in range(since, 5))}
        missing = []
        for dex, g in platinum.items():
            if 1 <= dex <= 493 and "no-eggs" not in g["egg_groups"]:
                lacking = egg_moves(g["offspring"], int(record(dex).findtext("fromgeneration"))) - egg_moves(dex)
                missing += [f"{dex} lacks {sorted(lacking)}"] if lacking else []
        self.assertEqual(missing[:10], [], f"{len(missing)} Pokemon lack egg moves of their offspring")


# Pokemon a move of each of Platinum's ranges acts on in a double battle: all that the range
# can hold; a side or the field holds none, or its Pokemon when the move acts on them.
RANGE_AFFECTS = {
    "RANGE_SINGLE_TARGET": {1}, "RANGE_SINGLE_TARGET_SPECIAL": {1}, "RANGE_SINGLE_TARGET_ME_FIRST": {1},
    "RANGE_RANDOM_OPPONENT": {1}, "RANGE_USER": {1}, "RANGE_ALLY": {1}, "RANGE_USER_OR_ALLY": {1},
    "RANGE_ADJACENT_OPPONENTS": {2}, "RANGE_ALL_ADJACENT": {3},
    "RANGE_USER_SIDE": {0, 2}, "RANGE_OPPONENT_SIDE": {0, 2}, "RANGE_FIELD": {0, 4},
}


def on_255_scale(percent):
    # pokecrystal macros/data.asm: DEF percent EQUS "* $ff / 100" (90% is 229, 10% is 25)
    return percent * 255 // 100


class MovesAgainstPlatinum(unittest.TestCase):
    """Each of the 467 moves as Platinum's move table has it; the summary screen
    (PokemonSummaryScreen_PrintBattleMoveInfo) shows no power for 0 or 1 and no accuracy for 0."""

    @classmethod
    def setUpClass(cls):
        if not (PRET / "gen4-platinum-moves.json").is_file() or not API.is_dir():
            raise unittest.SkipTest(f"no source at {PRET} and {API}")
        with open(PRET / "gen4-platinum-moves.json", encoding="utf-8") as f:
            cls.game = list(json.load(f).values())
        numbers = MoveNumbers(ApiSource(API))
        moves = {int(m.get("id")): m for m in ET.parse(DATA / "moves.xml").getroot()}
        cls.committed = {g["number"]: moves[numbers.ours(g["number"])] for g in cls.game}
        effects = ET.parse(DATA / "movefx.xml").getroot()
        cls.effect_texts = {r.findtext("abbrev"): r.findtext("text") for r in effects.iter("movefx")}

    def test_every_move_has_the_games_facts(self):
        wrong = []
        for g in self.game:
            m = self.committed[g["number"]]
            kind = g["type"].removeprefix("TYPE_").lower()
            facts = {
                "name": (m.findtext("name"), g["name"]),
                "type": (m.findtext("type"), "unknown" if kind == "mystery" else kind),  # Curse: ???
                "class": (m.findtext("movetype"), g["class"].removeprefix("CLASS_").lower()),
                "power": (int(m.findtext("power")), g["power"] if g["power"] > 1 else 0),
                "pp": (int(m.findtext("pp")), g["pp"]),
                "accuracy": (int(m.findtext("accuracy")), on_255_scale(g["accuracy"])),
                "effect chance": (int(m.findtext("movefxchance")), on_255_scale(g["effect_chance"])),
                "contest type": (m.findtext("contesttype"), g["contest_type"].removeprefix("CONTEST_TYPE_").lower()),
            }
            affected = int(m.findtext("numaffected"))
            facts["affected"] = (affected, affected if affected in RANGE_AFFECTS[g["range"]] else g["range"])
            text = self.effect_texts[m.findtext("movefx")]
            said = 1 if "acts first" in text else -1 if "acts last" in text else 0
            facts["priority"] = (said, (g["priority"] > 0) - (g["priority"] < 0))
            wrong += [f"{g['name']} {fact}: {ours} instead of {games}"
                      for fact, (ours, games) in facts.items() if ours != games]
        self.assertEqual(len(self.game), 467)
        self.assertEqual(wrong[:10], [], f"{len(wrong)} move facts differ from Platinum's")

    def test_moves_share_a_super_contest_effect_when_the_game_gives_them_one(self):
        pairs = {(g["contest_effect"], self.committed[g["number"]].findtext("superfx")) for g in self.game}
        self.assertEqual(len({game for game, _ in pairs}), len(pairs), sorted(pairs))
        self.assertEqual(len({ours for _, ours in pairs}), len(pairs), sorted(pairs))


if __name__ == "__main__":
    unittest.main()
