"""Mystery Dungeon Red facts: body size, recruit rate and friend area per species,
the friend-area table, and where each species appears in the dungeons."""
import re

from .text import words_of_identifier
from .xmlout import Node, keyed_rows

LAST_SPECIES_WITH_GAME_NUMBER = 386
# The game marks species that can never be recruited in a dungeon with -999; every one of
# them evolves from another species, so they join only by evolving, which rate 0 means.
CANNOT_RECRUIT = -999
PROBABILITY_TOTAL = 10000  # spawn weights of one floor table add up to this
_PHRASES = {"Mt": "Mt.", "Faroff": "Far-off", "Rub A Dub": "Rub-a-Dub", "Mist Rise": "Mist-Rise",
            "Chamber An": "Chamber AN", "Chamber O Exclaim": "Chamber O!"}


def _norm(text):
    return re.sub(r"[^a-z0-9]", "", text.lower())


def display_name(words):
    text = " ".join(words)
    for old, new in _PHRASES.items():
        text = re.sub(rf"\b{old}\b", new, text)
    return text


def _is_named(folder):
    """Dungeon folders named by a number only are unnamed internal dungeons."""
    return not re.fullmatch(r"(?:D|Boss)\d+", folder)


class MdRed:
    def __init__(self, md, species_slugs):
        # species_slugs: dex number -> source slug ("nidoran-f")
        self.by_norm = {_norm(slug): dex for dex, slug in species_slugs.items()}
        self.facts = {}          # dex -> (body size, recruit rate, friend area key)
        self.areas = {}          # friend area key -> display name, in game order
        for monster in md.monsters[1:]:
            dex = self._dex_of_monster(monster)
            if dex is None or dex in self.facts:
                continue
            rate = monster["recruitRate"]
            area = monster["friendArea"]
            key = "" if area == "FRIEND_AREA_NONE" else area[len("FRIEND_AREA_"):].lower()
            if key and key not in self.areas:
                self.areas[key] = display_name(words_of_identifier(area[len("FRIEND_AREA_"):]))
            self.facts[dex] = (monster["bodySize"], 0 if rate == CANNOT_RECRUIT else rate, key)
        self.dungeons = {}       # key -> display name; rows show "Name (%s)" with the floors
        self.rows = {}           # dex -> [(key, floor low, floor high, "", level, chance)]
        self._read_dungeons(md)

    def _dex_of_monster(self, monster):
        game_number = monster["dexInternal"][0]
        if 1 <= game_number <= LAST_SPECIES_WITH_GAME_NUMBER:
            return game_number
        return self.by_norm.get(_norm(monster["name"][len("MonsterName"):]))

    def _dex_of_enum(self, enum):
        """MONSTER_UNOWN_A -> Unown: drop trailing words until a species matches."""
        words = enum[len("MONSTER_"):].split("_")
        while words:
            dex = self.by_norm.get(_norm("".join(words)))
            if dex is not None:
                return dex
            words.pop()
        return None

    def _read_dungeons(self, md):
        dungeons = md.dungeons()
        # floor_id numbers the floor tables of all dungeons together; each dungeon's own
        # tables are a run of that numbering, in the order of its pokemon_found file.
        tables = {}
        bases = {}
        for folder, found, floors in dungeons:
            used = [f["Pokemon"] for f in floors["tables"]]
            count = len(found["tables"])
            base = max(sorted(set(used)), key=lambda b: sum(b <= u < b + count for u in used))
            bases[folder] = base
            for i, table in enumerate(found["tables"]):
                tables[base + i] = table
        for folder, found, floors in dungeons:
            if not _is_named(folder):
                continue
            key = "md-" + _norm(folder)
            self.dungeons[key] = display_name(words_of_identifier(folder))
            runs = {}
            for floor, entry in enumerate(floors["tables"], start=1):
                table = tables.get(entry["Pokemon"])
                if table is None:
                    raise SystemExit(f"{folder}: floor {floor} uses an unknown table")
                for spawn in table["pokemon"]:
                    if spawn["probability"] <= 0:
                        continue
                    dex = self._dex_of_enum(spawn["species"])
                    if dex is None:
                        raise SystemExit(f"{folder}: species {spawn['species']} is not a Pokemon")
                    chance = max(1, (spawn["probability"] * 100 + PROBABILITY_TOTAL // 2) // PROBABILITY_TOTAL)
                    runs.setdefault(dex, {}).setdefault(floor, set()).add((spawn["level"], chance))
            for dex, per_floor in runs.items():
                self.rows.setdefault(dex, []).extend(_floor_ranges(key, per_floor))

    def friendarea_xml(self):
        return keyed_rows(Node("areas"), "area", "abbrev", "text",
                          [("unknown", "Unknown"), *self.areas.items()])


def _floors(first, last):
    return f"floor {first}" if first == last else f"floors {first}-{last}"


def _floor_ranges(key, per_floor):
    """Consecutive floors with the same level and chance become one row."""
    out = []
    open_runs = {}
    for floor in sorted(per_floor):
        current = per_floor[floor]
        for spawn in list(open_runs):
            if spawn not in current or open_runs[spawn][1] != floor - 1:
                first, last = open_runs.pop(spawn)
                out.append((key, first, last, _floors(first, last), spawn[0], spawn[1]))
        for spawn in current:
            if spawn in open_runs:
                open_runs[spawn] = (open_runs[spawn][0], floor)
            else:
                open_runs[spawn] = (floor, floor)
    for spawn, (first, last) in open_runs.items():
        out.append((key, first, last, _floors(first, last), spawn[0], spawn[1]))
    return sorted(out, key=lambda r: (r[0], r[1], r[2], r[4], r[5]))
