"""One Pokemon's facts as of the generation 4 games, in the program's units and codes."""
from .games import GENERATION_NUMBERS, TARGET_GENERATION, past_value
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


def weight_lbs(hectograms):
    """Whole pounds, as the games' tenths of a pound truncated (0.2 lbs reads 0)."""
    tenths = round(hectograms * 2.20462262)
    return tenths // 10


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
    def __init__(self, api, dex, abilities):
        self.dex = dex
        p = api.get("pokemon", dex)
        s = api.get("pokemon-species", dex)
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
        self.weight = weight_lbs(p["weight"])
        self.heavy_ball = heavy_ball_class(p["weight"])

        self.stats, self.effort = {}, {}
        for stat in p["stats"]:
            name = stat["stat"]["name"]
            found = self._past_stat(p, name, TARGET_GENERATION)
            self.stats[name] = found["base_stat"] if found else stat["base_stat"]
            self.effort[name] = found.get("effort", stat["effort"]) if found else stat["effort"]
        special = self._past_stat(p, "special", 1) if self.generation == 1 else None
        self.rby_special = special["base_stat"] if special else 0

        self.gender = gender_code(s["gender_rate"])
        self.can_be_male = 0 <= s["gender_rate"] < 8
        self.catch_rate = s["capture_rate"]
        self.base_experience = p.get("base_experience") or 0
        self.growth = GROWTH_CODES[s["growth_rate"]["name"]]
        self.egg_groups = [g["name"] for g in s["egg_groups"]]
        self.breed1, self.breed2 = breeding_codes(self.egg_groups, s["gender_rate"])
        self.regular_groups = [g for g in self.egg_groups if g in REGULAR_EGG_GROUPS]
        self.hatch_steps = (s["hatch_counter"] or 0) * STEPS_PER_EGG_CYCLE
        self.fast_ball = 1 if self.stats["speed"] >= FAST_BALL_MIN_SPEED else 0
        self.colour = s["color"]["name"] if s.get("color") else None
        self.habitat = s["habitat"]["name"] if s.get("habitat") else None
        self.gender_difference = "Yes" if s.get("has_gender_differences") else ""
        self.abilities = {gen: self._abilities(p, gen, abilities) for gen in (3, 4)}
        self.held = {field: self._held_text(p, versions) for field, versions in HELD_ITEM_FIELDS}
        self.dex_entries = self._dex_entries(s)

    @staticmethod
    def _past_stat(p, name, generation):
        best = None
        for entry in p.get("past_stats") or []:
            gen = GENERATION_NUMBERS[entry["generation"]["name"]]
            for stat in entry["stats"]:
                if stat["stat"]["name"] == name and gen >= generation and (best is None or gen < best[0]):
                    best = (gen, stat)
        return best[1] if best else None

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
            cls._item_names[ident] = ascii_text(english(api.get("item", ident)["names"]) or "")

    @staticmethod
    def _dex_entries(s):
        by_version = {}
        for entry in s["flavor_text_entries"]:
            if entry["language"]["name"] == "en":
                by_version.setdefault(entry["version"]["name"], one_line(entry["flavor_text"]))
        return {field: by_version.get(version, "") for field, version in DEX_ENTRY_VERSIONS}
