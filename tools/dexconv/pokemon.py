"""One Pokemon's facts as of the generation 4 games, in the program's units and codes."""
from .games import GENERATION_NUMBERS, TARGET_GENERATION, past_value
from .itemnames import gen34_item_name
from .source import english, url_id
from .tables import DITTO, DITTO_ONLY, NO_EGGS, REGULAR_EGG_GROUPS
from .text import ascii_text, one_line

GROWTH_CODES = {"fast": 1, "medium": 2, "medium-slow": 3, "slow": 4,
                "slow-then-very-fast": 5, "fast-then-very-slow": 6}
GENDERLESS = 17
STEPS_PER_EGG_CYCLE = 256
FAST_BALL_MIN_SPEED = 100
# Heavy Ball weight classes: upper weight limits in hectograms of classes 1 to 4.
HEAVY_BALL_LIMITS = [1024, 2048, 3072, 4096]
DEX_ENTRY_VERSIONS = [("rbdexentry", "red"), ("ydexentry", "yellow"), ("gdexentry", "gold"),
                      ("sdexentry", "silver"), ("cdexentry", "crystal"), ("rudexentry", "ruby"),
                      ("sadexentry", "sapphire"), ("frdexentry", "firered"),
                      ("lgdexentry", "leafgreen"), ("emdexentry", "emerald"),
                      ("ddexentry", "diamond"), ("pdexentry", "pearl")]
HELD_ITEM_FIELDS = [("rswilditem", ["ruby", "sapphire"]),
                    ("frlgwilditem", ["firered", "leafgreen"]),
                    ("dpwilditem", ["diamond", "pearl"])]
_VERSION_INITIALS = {"ruby": "R", "sapphire": "S", "firered": "FR", "leafgreen": "LG",
                     "diamond": "D", "pearl": "P"}


def height_ft_in(decimetres):
    inches = round(decimetres * 3.937007874)
    return inches // 12, inches % 12


GHOST_WEIGHT_TENTHS = 2   # Gastly and Haunter: the program shows weight 0 as "0.2lbs"


def weight_lbs(tenths):
    """Whole pounds from the games' tenths of a pound, truncated; any other weight below a
    pound counts as 1, as 0 is the program's code for 0.2 lbs."""
    if tenths == GHOST_WEIGHT_TENTHS:
        return 0
    return max(tenths // 10, 1) if tenths > 0 else 0


def gender_code(rate):
    """Sixteenths of the species that are male; 17 when genderless."""
    return GENDERLESS if rate < 0 else 16 - 2 * rate


def heavy_ball_class(hectograms):
    for n, limit in enumerate(HEAVY_BALL_LIMITS, start=1):
        if hectograms < limit:
            return n
    return len(HEAVY_BALL_LIMITS) + 1


def breeding_codes(egg_groups, gender_rate):
    """(breedgroup1, breedgroup2) keys."""
    if NO_EGGS in egg_groups:
        return NO_EGGS, None
    if DITTO in egg_groups:
        return DITTO, None
    regular = [g for g in egg_groups if g in REGULAR_EGG_GROUPS]
    if gender_rate < 0:
        return DITTO_ONLY, regular[0]
    return regular[0], (regular[1] if len(regular) > 1 else None)


class PokemonFacts:
    """Stats, yields, catch rate, breeding groups, colour and weight come from Platinum's own
    table, the RBY Special and the generation 1-2 held items from Red's and Crystal's; the API
    dump gives the rest (tools/tests checks the written data against the games' tables)."""

    def __init__(self, api, pret, dex, abilities):
        self.dex = dex
        p = api.get("pokemon", dex)
        s = api.get("pokemon-species", dex)
        game = pret.platinum[dex]
        self.offspring = game["offspring"]
        self.raw, self.species_raw = p, s
        self.slug = s["name"]
        self.name = ascii_text(english(s["names"]))
        genus = english(s["genera"], "genus") or ""
        self.species = ascii_text(genus).replace(" Pokemon", "").strip()
        self.generation = GENERATION_NUMBERS[s["generation"]["name"]]
        numbers = {d["pokedex"]["name"]: d["entry_number"] for d in s["pokedex_numbers"]}
        self.johto = numbers.get("original-johto", 0)
        self.hoenn = numbers.get("hoenn", 0)
        self.sinnoh = numbers.get("original-sinnoh", 0)

        types = past_value(p["types"], p.get("past_types") or [], lambda e: e["types"], TARGET_GENERATION)
        types = sorted(types, key=lambda t: t["slot"])
        self.type1 = types[0]["type"]["name"]
        self.type2 = types[1]["type"]["name"] if len(types) > 1 else None

        self.feet, self.inches = height_ft_in(p["height"])
        self.weight = weight_lbs(game["weight_tenths"])
        self.heavy_ball = heavy_ball_class(p["weight"])   # the games keep hectograms
        self.stats, self.effort = game["stats"], game["effort"]
        self.rby_special = pret.rby_special.get(dex, 0)

        self.gender = gender_code(s["gender_rate"])
        self.can_be_male = 0 <= s["gender_rate"] < 8
        self.catch_rate = game["catch_rate"]
        self.base_experience = game["base_experience"]
        self.growth = GROWTH_CODES[s["growth_rate"]["name"]]
        self.egg_groups = game["egg_groups"]
        self.breed1, self.breed2 = breeding_codes(self.egg_groups, s["gender_rate"])
        self.regular_groups = [g for g in self.egg_groups if g in REGULAR_EGG_GROUPS]
        self.hatch_steps = (s["hatch_counter"] or 0) * STEPS_PER_EGG_CYCLE
        self.fast_ball = 1 if self.stats["speed"] >= FAST_BALL_MIN_SPEED else 0
        self.colour = game["colour"]
        self.habitat = s["habitat"]["name"] if s.get("habitat") else None
        self.gender_difference = "Yes" if s.get("has_gender_differences") else ""
        self.abilities = {gen: self._abilities(p, gen, abilities) for gen in (3, 4)}
        self.held = {field: self._held_text(p, versions) for field, versions in HELD_ITEM_FIELDS}
        # Crystal's first item is the common one, its second the rare one.
        self.held["wilditem25"], self.held["wilditem8"] = pret.gen2_wild_items.get(dex, ("", ""))
        self.held["wilditem100"] = pret.gen2_forced_item.get(dex, "")
        self.held["tradeitem"] = pret.trade_item.get(dex, "")
        self.held["ytradeitem"] = pret.yellow_trade_item.get(dex, "")
        self.dex_entries = self._dex_entries(s)

    def _abilities(self, p, generation, abilities):
        """Up to two ability names of a generation (no hidden abilities before generation 5)."""
        slots = {a["slot"]: a["ability"]["name"] for a in p["abilities"] if not a["is_hidden"]}
        best = {}
        for entry in p.get("past_abilities") or []:
            gen = GENERATION_NUMBERS[entry["generation"]["name"]]
            if gen < generation:
                continue
            for a in entry["abilities"]:
                if a["slot"] not in best or gen < best[a["slot"]][0]:
                    best[a["slot"]] = (gen, a["ability"]["name"] if a["ability"] else None)
        for slot, (_, name) in best.items():
            slots[slot] = name
        names = [abilities.names[slots[k]] for k in sorted(slots)
                 if slots[k] and slots[k] in abilities.generation and abilities.generation[slots[k]] <= generation
                 and k < 3]
        return names

    @staticmethod
    def _held_text(p, versions):
        per_item = {}
        for held in p["held_items"]:
            for detail in held["version_details"]:
                version = detail["version"]["name"]
                if version in versions:
                    per_item.setdefault(held["item"]["url"], {})[version] = detail["rarity"]
        parts = []
        for url, rarities in sorted(per_item.items(), key=lambda kv: (-max(kv[1].values()), url_id(kv[0]))):
            name = PokemonFacts._item_names.get(url_id(url), "")
            values = [rarities.get(v) for v in versions]
            if len(set(values)) == 1:
                parts.append(f"{name} ({values[0]}%)")
            else:
                shown = ", ".join(f"{_VERSION_INITIALS[v]} {rarities[v]}%" for v in versions if v in rarities)
                parts.append(f"{name} ({shown})")
        return ", ".join(parts)

    _item_names = {}

    @classmethod
    def load_item_names(cls, api):
        for ident in api.ids("item"):
            item = api.get("item", ident)
            today = ascii_text(english(item["names"]) or "")
            cls._item_names[ident] = gen34_item_name(item["name"], today)

    @staticmethod
    def _dex_entries(s):
        by_version = {}
        for entry in s["flavor_text_entries"]:
            if entry["language"]["name"] == "en":
                by_version.setdefault(entry["version"]["name"], one_line(entry["flavor_text"]))
        return {field: by_version.get(version, "") for field, version in DEX_ENTRY_VERSIONS}
