"""The games' own tables (the pret folder): Platinum's Pokemon data for generation 4, Crystal's
wild held items and item names for generation 2, Red's Special and catch rate for generation 1.

Where these and the API dump disagree on a fact of the game they come from, these win.
Platinum's constants are turned into the API dump's names, so both sources compare directly."""
import json
import re
from pathlib import Path

from .evolutions import LAST_POKEMON

_EGG_GROUPS = {"FIELD": "ground", "GRASS": "plant", "HUMAN_LIKE": "humanshape",
               "AMORPHOUS": "indeterminate", "UNDISCOVERED": "no-eggs"}
_GROWTH = {"FAST": "fast", "MEDIUM_FAST": "medium", "MEDIUM_SLOW": "medium-slow", "SLOW": "slow",
           "ERRATIC": "slow-then-very-fast", "FLUCTUATING": "fast-then-very-slow"}
# Eighths female, -1 genderless.
_GENDER = {"MALE_ONLY": 0, "FEMALE_12_5": 1, "FEMALE_25": 2, "FEMALE_50": 4, "FEMALE_75": 6,
           "FEMALE_ONLY": 8, "NO_GENDER": -1}
# Move constants whose words differ from the move's name.
_MOVE_ALIASES = {"hijumpkick": "highjumpkick", "faintattack": "feintattack",
                 "smellingsalt": "smellingsalts"}
# Words the games write joined up, in the spelling of the generation 2-4 games.
_ITEM_WORDS = {"BRIGHTPOWDER": "BrightPowder", "SILVERPOWDER": "SilverPowder",
               "ENERGYPOWDER": "EnergyPowder", "TINYMUSHROOM": "TinyMushroom",
               "MOOMOO": "MooMoo", "MYSTERYBERRY": "MysteryBerry", "MIRACLEBERRY": "MiracleBerry",
               "PSNCUREBERRY": "PSNCureBerry", "PRZCUREBERRY": "PRZCureBerry",
               "TWISTEDSPOON": "TwistedSpoon", "BLACKGLASSES": "BlackGlasses",
               "NEVERMELTICE": "NeverMeltIce", "#": "Poke", "HP": "HP", "PP": "PP"}
_UNUSED_ITEM = "TERU-SAMA"
# Met in Crystal only in battles that always give the first item (BATTLETYPE_FORCEITEM in
# maps/TinTowerRoof.asm, WhirlIslandLugiaChamber.asm and VermilionCity.asm; LoadEnemyMon in
# engine/battle/core.asm).
_FORCED_ITEM_POKEMON = {"HO_OH", "LUGIA", "SNORLAX"}
# Yellow's catch-rate bytes where they differ from Red's (pokeyellow): Dragonair's and
# Dragonite's base stats (data/pokemon/base_stats), Kadabra's TWISTEDSPOON_GSC written when
# one joins the party or a box (engine/pokemon/add_mon.asm, engine/items/item_effects.asm).
_YELLOW_CATCH_BYTES = {148: 27, 149: 9, 64: 0x60}
# The starter Pikachu's byte is LIGHT_BALL_GSC, written by the Oak's Lab script.
_YELLOW_STARTER = (25, 0xA3)


def key(name):
    """A name compared across sources: lower-case letters and digits only."""
    return "".join(c for c in name.lower() if c.isalnum())


def move_key(constant):
    k = key(constant[len("MOVE_"):])
    return _MOVE_ALIASES.get(k, k)


def item_name(game_spelling):
    """An item as players know it: "KING'S ROCK" -> "King's Rock", "TM09" stays."""
    words = []
    for word in game_spelling.split(" "):
        if word in _ITEM_WORDS:
            words.append(_ITEM_WORDS[word])
        elif re.fullmatch(r"[TH]M\d+", word):
            words.append(word)
        else:
            words.append(word.capitalize())
    return " ".join(words)


def _after(constant, prefix):
    return constant[len(prefix):]


def platinum_facts(entry, dex_of):
    """One Pokemon of Platinum's table in the API dump's names and units."""
    types = [_after(t, "TYPE_").lower() for t in entry["types"]]
    groups = [_after(g, "EGG_GROUP_") for g in entry["egg_groups"]]
    groups = [_EGG_GROUPS.get(g, g.lower().replace("_", "")) for g in groups]
    abilities = [key(_after(a, "ABILITY_")) for a in entry["abilities"] if a != "ABILITY_NONE"]
    return {
        "types": list(dict.fromkeys(types)),
        "stats": {s.replace("_", "-"): v for s, v in entry["base_stats"].items()},
        "effort": {s.replace("_", "-"): v for s, v in entry["ev_yields"].items()},
        "abilities": list(dict.fromkeys(abilities)),     # one ability fills both slots
        "egg_groups": list(dict.fromkeys(groups)),
        "gender_rate": _GENDER[_after(entry["gender_ratio"], "GENDER_RATIO_")],
        "catch_rate": entry["catch_rate"],
        "hatch_counter": entry["hatch_cycles"],
        "growth_rate": _GROWTH[_after(entry["exp_rate"], "EXP_RATE_")],
        "colour": _after(entry["body_color"], "MON_COLOR_").lower(),
        "weight_tenths": round(entry["weight_pounds"] * 10),
        "height_inches": entry["height_inches"],
        "base_experience": entry["base_exp_reward"],
        "level_moves": sorted((level, move_key(m)) for level, m in entry["learnset"]["by_level"]),
        "machines": sorted(entry["learnset"]["by_tm"]),
        "offspring": dex_of[entry["offspring"]],
        # (method constant, target) as the game's evolution table holds them
        "evolutions": [(e[0], dex_of[e[-1]]) for e in entry["evolutions"]],
    }


class Pret:
    def __init__(self, root):
        root = Path(root)
        if not (root / "gen4-platinum").is_dir():
            raise SystemExit(f"{root}: not a pret folder (no gen4-platinum/)")
        raw = {}
        for dex in range(1, LAST_POKEMON + 1):
            with open(root / "gen4-platinum" / f"{dex}.json", encoding="utf-8") as f:
                raw[dex] = json.load(f)
        dex_of = {e["species_constant"]: dex for dex, e in raw.items()}
        self.platinum = {dex: platinum_facts(e, dex_of) for dex, e in raw.items()}
        self._crystal_items(root / "gen2-crystal")
        self._red(root / "gen1-red", root / "gen2-crystal" / "items")

    def _crystal_items(self, folder):
        text = (folder / "items" / "item_constants.asm").read_text(encoding="utf-8")
        self.item_numbers = {name: int(number, 16) for name, number in
                             re.findall(r"^\s*const (\w+)\s*; ([0-9a-f]+)$", text, re.M)}
        names = (folder / "items" / "names.asm").read_text(encoding="utf-8")
        self.item_spellings = re.findall(r'^\s*li "([^"]*)"', names, re.M)   # item 1 first
        # dex -> (common item, rare item) of the wild Pokemon; "" for none
        self.gen2_wild_items = {}
        # dex -> the item every wild one holds
        self.gen2_forced_item = {}
        for path in (folder / "base_stats").glob("*.asm"):
            text = path.read_text(encoding="utf-8")
            species, dex = re.search(r"^\s*db (\w+) ; (\d+)$", text, re.M).groups()
            dex = int(dex)
            items = re.search(r"^\s*db (\w+), (\w+) ; items$", text, re.M).groups()
            self.gen2_wild_items[dex] = tuple(self._item(self.item_numbers[i]) for i in items)
            if species in _FORCED_ITEM_POKEMON and self.gen2_wild_items[dex][0]:
                self.gen2_forced_item[dex] = self.gen2_wild_items[dex][0]

    def _item(self, number):
        if number == 0:
            return ""
        spelling = self.item_spellings[number - 1]
        if spelling == _UNUSED_ITEM:
            raise SystemExit(f"item {number} is unused in the games")
        return item_name(spelling)

    def _red(self, folder, items):
        text = (folder / "pokedex_constants.asm").read_text(encoding="utf-8")
        dex_numbers = {name: int(n) for name, n in re.findall(r"const (DEX_\w+)\s*; (\d+)", text)}
        table = (items / "catch_rate_items.asm").read_text(encoding="utf-8")
        by_rate = {}
        for rate, item in re.findall(r"^\s*db (\w+|-1),\s*(\w+)$", table, re.M):
            by_rate[255 if rate == "-1" else self.item_numbers[rate]] = self.item_numbers[item]
        self.rby_special, self.trade_item = {}, {}
        for path in (folder / "base_stats").glob("*.asm"):
            text = path.read_text(encoding="utf-8")
            dex = dex_numbers[re.search(r"db (DEX_\w+)", text).group(1)]
            self.rby_special[dex] = int(re.search(r"^\s*db(?:\s*\d+,){4}\s*(\d+)$", text, re.M).group(1))
            # a Pokemon moved into generation 2 holds the item its catch rate names
            rate = int(re.search(r"db (\d+) ; catch rate", text).group(1))
            self.trade_item[dex] = self._item(by_rate.get(rate, rate))
        # dex -> the item of one moved from Yellow, where Red's differs
        self.yellow_trade_item = {}
        for dex, byte in _YELLOW_CATCH_BYTES.items():
            item = self._item(by_rate.get(byte, byte))
            if item != self.trade_item[dex]:
                self.yellow_trade_item[dex] = item
        dex, byte = _YELLOW_STARTER
        self.yellow_trade_item[dex] = self._item(by_rate.get(byte, byte)) + " (starter)"
