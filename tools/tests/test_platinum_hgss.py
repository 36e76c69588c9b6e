"""Platinum and HeartGold/SoulSilver in the committed data, against Platinum's own table for
every Pokemon 1-493 and against what a player sees in the games: the Platinum level-up and
tutor moves, the tutor grid, the HeartGold/SoulSilver HMs and wild rows, and the held-item
names of generations 3-4."""
import json
import re
import unittest
import xml.etree.ElementTree as ET
from collections import Counter

from tests.paths import DATA, PRET
from dexconv.platinum_hgss import PLATINUM_TUTOR_CELLS, TUTOR_GRID
from dexconv.pret import key

# Differences between the committed Platinum moves and Platinum's table that are explained.
ALLOWED = set()


def record(dex):
    return ET.parse(DATA / "pokemon" / f"{dex}.xml").getroot()


_NAMES = {}


def move_key(ident):
    if not _NAMES:
        _NAMES.update({m.get("id"): key(m.findtext("name"))
                       for m in ET.parse(DATA / "moves.xml").getroot().iter("move")})
    return _NAMES[ident]


def levels(r, column):
    """(level code, move) of every level-up row with a code in that column."""
    return Counter((int(m.findtext(column)), move_key(m.findtext("id")))
                   for m in r.iter("move") if m.findtext(column))


def flags(r, element):
    return {f.tag for f in r.findall(f"{element}/*")}


def tutor_cells(r, element):
    """Grid cell numbers of the element's tutor markers."""
    return {int(tag[2:]) for tag in flags(r, element) if tag.startswith("MT")}


class PlatinumTable(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not PRET.is_dir():
            raise unittest.SkipTest(f"no source at {PRET}")
        with open(PRET / "gen4-platinum-moves.json", encoding="utf-8") as f:
            table = json.load(f)
        cls.name = {c: key(m["name"]) for c, m in table.items()}
        cls.game = {}
        for dex in range(1, 494):
            with open(PRET / "gen4-platinum" / f"{dex}.json", encoding="utf-8") as f:
                cls.game[dex] = json.load(f)["learnset"]

    def test_every_pokemon_learns_by_level_what_platinums_table_says(self):
        # Platinum's level-up learnsets (pokeplatinum res/pokemon/*/data.json, by_level)
        wrong = []
        for dex, learnset in self.game.items():
            want = Counter((level, self.name[m]) for level, m in learnset["by_level"])
            got = levels(record(dex), "ptlvl")
            if got != want and dex not in ALLOWED:
                wrong.append(f"{dex}: {sorted((got - want).elements())} instead of {sorted((want - got).elements())}")
        self.assertEqual(wrong[:10], [], f"{len(wrong)} Pokemon differ from Platinum's level-up table")

    def test_every_pokemon_has_the_shard_tutor_moves_of_platinums_table(self):
        # Platinum's tutor table (pokeplatinum sTeachableMoves and the species' tutor masks):
        # the grid's first 38 cells are its moves in the table's order, which every
        # Pokemon's list follows
        table = [self.name["MOVE_" + slug.upper().replace("-", "_")] for slug in TUTOR_GRID[:38]]
        wrong = []
        for dex, learnset in self.game.items():
            theirs = [self.name[m] for m in learnset.get("by_tutor", [])]
            self.assertEqual(theirs, sorted(theirs, key=table.index), dex)
            r = record(dex)
            for element in ("pttm", "hgsstm"):
                got = {table[n - 1] for n in tutor_cells(r, element) if n <= 38}
                # HeartGold/SoulSilver teach Earth Power to Sunkern and Sunflora as well
                extra = {"earthpower"} if element == "hgsstm" and dex in (191, 192) else set()
                if got != set(theirs) | extra and dex not in ALLOWED:
                    wrong.append(f"{dex} {element}: {sorted(got ^ set(theirs))}")
        self.assertEqual(wrong[:10], [], f"{len(wrong)} Pokemon differ from Platinum's tutor table")


# (Pokemon, element, grid cell, taught): the Route 228 tutor's moves for the fully evolved
# starters and Dragons (39-42), the HGSS Frontier's Super Fang (43) and Block (54), Ilex
# Forest's Headbutt (56).
PLAYER_TUTORS = [
    (389, "pttm", 39, True), (395, "pttm", 40, True), (392, "pttm", 41, True),
    (445, "pttm", 42, True), (445, "pttm", 39, False), (25, "pttm", 42, False),
    (3, "hgsstm", 39, True), (9, "hgsstm", 40, True), (6, "hgsstm", 41, True),
    (149, "hgsstm", 42, True), (6, "hgsstm", 39, False),
    (25, "hgsstm", 56, True), (143, "hgsstm", 56, True), (143, "hgsstm", 54, True),
    (19, "hgsstm", 43, True), (25, "hgsstm", 43, False), (92, "hgsstm", 56, False),
]


class WhatPlayersSee(unittest.TestCase):
    def test_pikachu_learns_the_same_levels_in_platinum_and_heartgold(self):
        # Pikachu in Platinum and HeartGold: Feint at 29, Discharge at 37, Thunder at 45
        r = record(25)
        for column in ("ptlvl", "hgsslvl"):
            got = levels(r, column)
            for level, move in [(1, "thundershock"), (29, "feint"), (37, "discharge"), (45, "thunder")]:
                self.assertEqual(got[(level, move)], 1, (column, level, move))

    def test_tutor_cells_taught_only_in_a_game_or_to_a_few(self):
        for dex, element, cell, taught in PLAYER_TUTORS:
            self.assertEqual(cell in tutor_cells(record(dex), element), taught, (dex, element, cell))
        for dex in range(1, 494):
            self.assertLessEqual(max(tutor_cells(record(dex), "pttm"), default=0), PLATINUM_TUTOR_CELLS)

    def test_hm05_is_whirlpool_in_heartgold(self):
        # Lapras and Gyarados learn Whirlpool (HM05 of HGSS); Staraptor learns Defog (HM05 of DP)
        for dex, in_hgss, in_dp in [(131, True, False), (130, True, False), (398, False, True),
                                    (25, False, False)]:
            r = record(dex)
            self.assertEqual("HM05" in flags(r, "hgsstm"), in_hgss, dex)
            self.assertEqual("HM05" in flags(r, "gen4tm"), in_dp, dex)

    def test_wild_rows_of_the_three_versions(self):
        # Pikachu in Viridian Forest (HGSS) and the Trophy Garden (Platinum)
        loc = {l.findtext("abbrev"): l.findtext("text") for l in ET.parse(DATA / "location.xml").getroot()}
        rows = lambda dex, element: [loc[l.findtext("locid")] for l in record(dex).findall(f"{element}/location")]
        self.assertIn("Viridian Forest", rows(25, "heartgoldloc"))
        self.assertIn("Viridian Forest", rows(25, "soulsilverloc"))
        self.assertIn("Trophy Garden", rows(25, "platinumloc"))
        # Scyther at the Bug-Catching Contest; Snorlax woken with the Poke Flute
        self.assertTrue(any("Bug-Catching Contest" in t for t in rows(123, "heartgoldloc")))
        self.assertTrue(any("Poke Flute" in t for t in rows(143, "soulsilverloc")))
        # Headbutt and Rock Smash find Heracross and Geodude at any time of day
        for dex, way in [(214, "Headbutt"), (74, "Rock Smash")]:
            found = [l for l in record(dex).findall("heartgoldloc/location") if way in loc[l.findtext("locid")]]
            self.assertTrue(found, way)
            for l in found:
                self.assertEqual({t for t in ("morning", "day", "evening") if l.find(t) is not None},
                                 {"morning", "day", "evening"}, way)
        # no condition that only names the ordinary case shows up in a location name
        for text in loc.values():
            self.assertNotRegex(text, r"(?i)radio off|not during|inactive|no swarm")


class HeldItemNames(unittest.TestCase):
    def test_generation_3_4_lines_spell_items_as_platinum_does(self):
        # Platinum's item names (pokeplatinum's item table): Stick, SilverPowder, TinyMushroom
        if not PRET.is_dir():
            self.skipTest(f"no source at {PRET}")
        with open(PRET / "gen4-platinum-items.json", encoding="utf-8") as f:
            spelled = {v["name"].replace("\u2019", "'") for v in json.load(f).values()}
        wrong, seen = set(), set()
        for dex in range(1, 494):
            r = record(dex)
            for field in ("rswilditem", "frlgwilditem", "dpwilditem"):
                for name in re.findall(r"(?:^|, )([^,(]+) \(", r.findtext(field) or ""):
                    seen.add(name)
                    if name not in spelled:
                        wrong.add(f"{dex} {field}: {name}")
        self.assertGreater(len(seen), 50)
        self.assertEqual(sorted(wrong)[:10], [], f"{len(wrong)} held items not spelt as in Platinum")

    def test_farfetchd_holds_a_stick_on_every_line(self):
        r = record(83)
        for field in ("wilditem8", "rswilditem", "frlgwilditem", "dpwilditem"):
            self.assertTrue((r.findtext(field) or "").startswith("Stick"), field)


if __name__ == "__main__":
    unittest.main()
