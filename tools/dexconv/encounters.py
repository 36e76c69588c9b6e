"""Wild encounters: the location table and each Pokemon's rows per version.

A location row names an area, plus the way of meeting the Pokemon when no condition bit
covers it (headbutt, gifts, trades, ...) and any extra requirement, so that such rows stay
distinguishable. Routes share rows: "Route %s" takes the route number as its parameter."""
import re

from .games import TIMED_VERSIONS, VERSION_CODES
from .source import english
from .text import ascii_text
from .xmlout import Node

BIT_DAY, BIT_EVENING, BIT_MORNING = 0x1, 0x2, 0x4
ALL_TIMES = BIT_DAY | BIT_EVENING | BIT_MORNING
_METHOD_BITS = {"surf": ("surf", 0x20), "old-rod": ("fisholdrod", 0x40),
                "good-rod": ("fishgoodrod", 0x80), "super-rod": ("fishsuperrod", 0x100)}
_CONDITION_BITS = {
    "time-day": ("day", BIT_DAY), "time-night": ("evening", BIT_EVENING),
    "time-morning": ("morning", BIT_MORNING), "swarm-yes": ("swarm", 0x10),
    "slot2-ruby": ("rubygba", 0x200), "slot2-sapphire": ("sappgba", 0x400),
    "slot2-emerald": ("emergba", 0x800), "slot2-firered": ("frgba", 0x1000),
    "slot2-leafgreen": ("lggba", 0x2000), "radar-on": ("radar", 0x4000),
}
BIT_ELEMENTS = sorted(list(_METHOD_BITS.values()) + list(_CONDITION_BITS.values()), key=lambda e: e[1])
# Conditions that only name the ordinary case.
_NEUTRAL = {"swarm-no", "radar-off", "slot2-none", "great-marsh-daily-slot-none",
            "backlot-not-mentioned", "story-progress-none", "other-none", "item-none",
            "radio-off", "bug-catching-contest-no", "johto-safari-blocks-inactive"}
_SKIPPED = {"other-virtual-console"}  # not the original games
# Honey trees: the source gives a slot's chance within its group. Group C (Munchlax) comes
# only from the four trees the trainer ID picks, and from them one time in a hundred
# (pokeplatinum honey_tree.c: IsMunchlaxTree, GetTreeEncounterGroup).
_MUNCHLAX_GROUP = "honey-tree-group-c"
_MUNCHLAX_GROUP_PERCENT = 1
_SAFARI_BLOCKS = "johto-safari-blocks-"

# Ways of meeting a Pokemon that no condition bit shows, in our words; walking shows nothing.
_METHOD_LABELS = {
    "walk": None, "surf": None, "old-rod": None, "good-rod": None, "super-rod": None,
    "headbutt": "Headbutt", "headbutt-low": "Headbutt, few-encounter tree",
    "headbutt-normal": "Headbutt", "headbutt-high": "Headbutt, many-encounter tree",
    "rock-smash": "Rock Smash", "gift": "Gift", "gift-egg": "Egg received as a gift",
    "npc-trade": "In-game trade", "static": "Single encounter", "roaming-grass": "Roaming",
    "roaming-water": "Roaming, on water", "honey-tree": "Honey tree", "snag": "Snagged from a trainer",
    "snag-rematch": "Snagged in a rematch", "pokespot": "Poke Spot", "devon-scope": "Devon Scope",
    "pokeflute": "Poke Flute", "squirt-bottle": "Squirt Bottle", "wailmer-pail": "Wailmer Pail",
    "seaweed": "Diving in seaweed", "feebas-tile-fishing": "Fishing on Feebas tiles",
    "colosseum-bonus-disc-jpn": "Colosseum bonus disc (Japan)",
    "colosseum-bonus-disc-us": "Colosseum bonus disc (USA)",
    "pokemon-channel-pal": "Pokemon Channel (Europe)", "pokemon-ranger": "Egg from Pokemon Ranger",
}
_CONDITION_LABELS = {
    "story-progress-national-dex": "after the National Dex",
    "story-progress-before-national-dex": "before the National Dex",
    "backlot-mentioned": "daily Pokemon named by Mr. Backlot",
    "first-party-pokemon-high-friendship": "lead Pokemon with high friendship",
    "other-talked-to-32-people-underground": "after talking to 32 people underground",
    "other-complete-mt-battle": "prize for clearing Mt. Battle",
    "story-progress-catch-all-shadow-pokemon": "after snagging every Shadow Pokemon",
    "other-regirock-regice-registeel-in-party": "party holds Regirock, Regice, Registeel",
    "story-progress-beat-elite-four-round-two": "after the second Elite Four win",
    "story-progress-awakened-beasts": "after the beasts awoke at the Burned Tower",
    "story-progress-beat-galactic-coronet": "after Team Galactic at Mt. Coronet",
    "story-progress-beat-team-galactic-iron-island": "after Team Galactic at Iron Island",
    "story-progress-cure-eldritch-nightmares": "after curing the sailor's son",
    "story-progress-defeat-mars": "after beating Mars",
    "story-progress-hall-of-fame": "after the Hall of Fame",
    "tv-option-blue": "answer Blue on the TV",
    "tv-option-red": "answer Red on the TV",
    "story-progress-oak-eterna-city": "after meeting Oak in Eterna City",
    "story-progress-defeat-jupiter": "after beating Jupiter",
    # Platinum, HeartGold and SoulSilver
    "radio-hoenn": "Hoenn Sound", "radio-sinnoh": "Sinnoh Sound",
    "bug-catching-contest-yes": "Bug-Catching Contest",
    "headbutt-tree-common": "common trees", "headbutt-tree-rare": "rare trees",
    "headbutt-tree-secret": "special trees",
    "story-progress-beat-red": "after beating Red",
    "story-progress-receive-tm-from-claire": "after Clair's TM",
    "story-progress-returned-machine-part": "after returning the Machine Part",
    "story-progress-vermilion-copycat": "after Copycat's doll",
    "story-progress-zephyr-badge": "after the Zephyr Badge",
    "other-correct-password": "with the right password",
    "other-event-arceus-in-party": "event Arceus in the party",
    "other-giratina-not-caught-in-distortion-world": "if Giratina got away",
    "other-received-kanto-starter": "the Kanto starter",
    "other-snorlax-11-beat-league": "after the League, if Snorlax fainted",
    "other-talk-to-cynthias-grandmother": "after talking to Cynthia's grandmother",
}
# Areas without an English name in the source.
_AREA_NAMES = {"hoenn-pokecenter-area": "Pokemon Center", "kanto-pokecenter-area": "Pokemon Center",
               "johto-pokemart-area": "Poke Mart", "sinnoh-pokemart-area": "Poke Mart"}
_ROUTE = re.compile(r"^(?:kanto|johto|hoenn|sinnoh)-(?:sea-)?route-(\d+)$")
_ROAD = re.compile(r"(?<!Victory )\bRoad (\d+)")  # the source's area names say Road for Route


def _words(slug):
    """Area slug words as a qualifier: floors in capitals (b1f -> B1F)."""
    return " ".join(w.upper() if re.fullmatch(r"b?\d+f", w) else w for w in slug.split("-"))


def _condition_label(api, name):
    if name in _CONDITION_LABELS:
        return _CONDITION_LABELS[name]
    if name.startswith("coins-"):
        return f"for {name[6:]} coins"
    if name.startswith("weekday-"):
        return f"on {name[8:].capitalize()}s"
    if name.startswith("johto-safari-blocks-"):
        area, points = name[len("johto-safari-blocks-"):].split("-min-")
        return f"{points}+ {area.capitalize()} block points"
    if name.startswith("great-marsh-daily-slot-"):
        return "daily Pokemon"
    if name == _MUNCHLAX_GROUP:
        return "Munchlax trees only: 4 per trainer ID"
    if name.startswith("honey-tree-group-"):
        return f"tree group {name[-1].upper()}"
    if name.startswith("starter-"):
        return f"{name[8:].capitalize()} as starter"
    if name.startswith("trade-"):
        names = [_pokemon_name(api, slug) for slug in name[6:].split("-or-")]
        return "for your " + " or ".join(names)
    if name.startswith("item-"):
        return "with the " + _item_name(api, name[5:]) + " in the bag"
    raise SystemExit(f"encounter condition without a label of ours: {name}")


_NAMES_CACHE = {}


def _pokemon_name(api, slug):
    if not _NAMES_CACHE:
        for n in api.ids("pokemon-species"):
            s = api.get("pokemon-species", n)
            _NAMES_CACHE[s["name"]] = ascii_text(english(s["names"]))
    return _NAMES_CACHE[slug]


def _item_name(api, slug):
    for ident in api.ids("item"):
        item = api.get("item", ident)
        if item["name"] == slug:
            return ascii_text(english(item["names"]))
    return " ".join(w.capitalize() for w in slug.split("-"))  # items the trimmed source lacks


class LocationTable:
    """Rows of data/location.xml, made on demand and kept in a stable order."""

    def __init__(self, api):
        self.api = api
        self.rows = {}   # key -> (text, has_param)

    def _area_text(self, area):
        """Display name of an area, or the parameter of "Route %s" when it lies on a route."""
        location = self.api.get_url(area["location"])
        loc_slug, area_slug = location["name"], area["name"]
        loc_name = english(location["names"])
        area_name = english(area["names"])
        if area_name and area_name.startswith("Wandert"):
            area_name = None   # a name in another language
        if area_name:
            area_name = _ROAD.sub(r"Route \1", area_name)
        suffix = area_slug[len(loc_slug) + 1:] if area_slug.startswith(loc_slug + "-") else ""
        if suffix == "area":
            suffix = ""
        route = _ROUTE.match(loc_slug)
        if route:
            qualifier = None
            if area_name and "(" in area_name:
                qualifier = area_name[area_name.index("(") + 1:area_name.rindex(")")]
            elif suffix:
                qualifier = _words(suffix)
            return None, route.group(1) + (f" ({ascii_text(qualifier)})" if qualifier else "")
        if area_slug in _AREA_NAMES:
            return _AREA_NAMES[area_slug], None
        if area_name and (suffix or not loc_name):
            text = area_name
        elif loc_name:
            text = loc_name + (f" ({_words(suffix)})" if suffix else "")
        else:
            raise SystemExit(f"area {area_slug} has no English name")
        return ascii_text(text.replace("Mount ", "Mt. ")), None

    def key_for(self, area_ref, method, conditions):
        """(location key, parameter text) for one encounter slot."""
        area = self.api.get_url(area_ref)
        text, param = self._area_text(area)
        labels = []
        method_label = _METHOD_LABELS.get(method, KeyError)
        if method_label is KeyError:
            raise SystemExit(f"encounter method without a label of ours: {method}")
        if method_label:
            labels.append(method_label)
        # An area's Safari Zone block requirements share one row, whose parameter they are,
        # rather than a row for every combination of block points.
        blocks = [c for c in conditions if c.startswith(_SAFARI_BLOCKS)]
        if blocks and param is None:
            conditions = [c for c in conditions if c not in blocks]
            param = ", ".join(_condition_label(self.api, c) for c in blocks)
        labels += [_condition_label(self.api, c) for c in conditions]
        base = "route" if param is not None and not blocks else area["name"]
        key = "/".join([base] + ([method] if method_label else []) + list(conditions)
                       + (["blocks"] if blocks else []))
        shown = "Route %s" if base == "route" else text
        if blocks:
            labels.append("%s")
        if labels:
            shown += " (" + ", ".join(labels) + ")"
        self.rows[key] = (shown, param is not None)
        return key, param or ""

    def add_row(self, key, text, has_param):
        self.rows[key] = (text, has_param)

    def xml(self):
        root = Node("locations")
        row = root.add("location")
        row.add("text", "Unknown location")
        row.add("abbrev", "unknown")
        for key in sorted(self.rows):
            text, has_param = self.rows[key]
            row = root.add("location")
            row.add("text", text)
            row.add("abbrev", key)
            if has_param:
                row.add("hasParam", 1)
        return root


def wild_rows(api, locations, pokemon_id):
    """Encounter rows per version code: (key, low, high, param, bits, chance)."""
    per_version = {}
    for encounter in api.encounters(pokemon_id):
        for vd in encounter["version_details"]:
            version = vd["version"]["name"]
            if version not in VERSION_CODES:
                continue
            code = VERSION_CODES.index(version)
            for slot in vd["encounter_details"]:
                conds = sorted(c["name"] for c in slot["condition_values"])
                if any(c in _SKIPPED for c in conds):
                    continue
                method = slot["method"]["name"]
                bits = _METHOD_BITS.get(method, (None, 0))[1]
                extra = []
                for c in conds:
                    if c in _CONDITION_BITS:
                        bits |= _CONDITION_BITS[c][1]
                    elif c not in _NEUTRAL:
                        extra.append(c)
                key, param = locations.key_for(encounter["location_area"], method, extra)
                if version in TIMED_VERSIONS and not bits & ALL_TIMES and method in (
                        "walk", "surf", "old-rod", "good-rod", "super-rod", "rock-smash",
                        "headbutt", "headbutt-low", "headbutt-normal", "headbutt-high", "honey-tree"):
                    bits |= ALL_TIMES
                per_version.setdefault(code, []).append(
                    [key, slot["min_level"], slot["max_level"], param, bits, slot["chance"]])
    return {code: [_group_share(row) for row in _merge(rows)] for code, rows in per_version.items()}


def _group_share(row):
    """A Munchlax honey-tree row's chance of the whole encounter, not of its group."""
    key, low, high, param, bits, chance = row
    if key.endswith("/" + _MUNCHLAX_GROUP):
        chance = chance * _MUNCHLAX_GROUP_PERCENT // 100
    return key, low, high, param, bits, chance


def _merge(rows):
    """Slots of one place and way are summed per time of day: levels become a range, chances
    add up, and a slot met at any time counts for each time (Wingull on Route 213 in Diamond:
    10% any time, 10% morning, 10% day make 20% morning and day, 10% night). Then the times
    with the same levels and chance are joined into one row."""
    grouped = {}
    for key, low, high, param, bits, chance in rows:
        for time in [t for t in (BIT_MORNING, BIT_DAY, BIT_EVENING) if bits & t] or [0]:
            g = grouped.setdefault((key, param, bits & ~ALL_TIMES, time), [low, high, 0])
            g[0], g[1], g[2] = min(g[0], low), max(g[1], high), g[2] + chance
    timed = {}
    for (key, param, bits, time), (low, high, chance) in grouped.items():
        row = (key, param, bits, low, high, chance)
        timed[row] = timed.get(row, 0) | time
    out = [(key, low, high, param, bits | times, chance)
           for (key, param, bits, low, high, chance), times in timed.items()]
    return sorted(out, key=_row_order)


def _row_order(row):
    key, low, high, param, bits, chance = row
    number = int(re.match(r"\d*", param)[0] or 0)   # routes in number order
    return (key.split("/")[0], number, param, key, bits, low, high, chance)


def add_rows(node, element, rows, dungeon=False):
    if not rows:
        return
    v = node.add(element)
    for key, low, high, param, extra, chance in rows:
        loc = v.add("location")
        loc.add("locid", key)
        if dungeon:
            loc.add("floorlow", low)
            loc.add("floorhigh", high)
            loc.add_value("text", param)
            loc.add("level", extra)
        else:
            loc.add_value("lvllow", low)
            loc.add_value("lvlhigh", high)
            loc.add_value("text", param)
            for tag, bit in BIT_ELEMENTS:
                if extra & bit:
                    loc.add(tag)
        loc.add_value("chance", chance)
