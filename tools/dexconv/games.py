"""Which games of the source feed which facts of the program."""

# Values are those of the generation 4 games Diamond and Pearl.
TARGET_GENERATION = 4
TARGET_VERSION_GROUP = "diamond-pearl"

GENERATION_NUMBERS = {
    "generation-i": 1, "generation-ii": 2, "generation-iii": 3, "generation-iv": 4,
    "generation-v": 5, "generation-vi": 6, "generation-vii": 7, "generation-viii": 8,
    "generation-ix": 9,
}

# Level-up columns of a learnset: record element and the version group it shows.
LEVEL_COLUMNS = [
    ("rblvl", "red-blue"), ("ylvl", "yellow"), ("gslvl", "gold-silver"), ("clvl", "crystal"),
    ("rslvl", "ruby-sapphire"), ("frlglvl", "firered-leafgreen"), ("xdlvl", "xd"),
    ("dplvl", "diamond-pearl"), ("ptlvl", "platinum"), ("hgsslvl", "heartgold-soulsilver"),
]

# Machines of each generation's grid come from these version groups.
MACHINE_GROUPS = {
    1: ["red-blue", "yellow"],
    2: ["gold-silver", "crystal"],
    3: ["ruby-sapphire", "emerald", "firered-leafgreen"],
    4: ["diamond-pearl"],
}
# Move tutors of the grids: Crystal's three (CM01-CM03), Emerald's and FireRed/LeafGreen's
# (MT01-MT33), and Diamond/Pearl's four (TM93-TM96).
TUTOR_GROUPS = {2: ["crystal"], 3: ["emerald", "firered-leafgreen"], 4: ["diamond-pearl"]}

# Egg moves per generation of the breeding page.
EGG_GROUPS_BY_GENERATION = {
    2: ["gold-silver", "crystal"],
    3: ["ruby-sapphire", "emerald", "firered-leafgreen"],
    4: ["diamond-pearl"],
}
VERSION_GROUP_TITLES = {
    "gold-silver": "Gold/Silver", "crystal": "Crystal", "ruby-sapphire": "Ruby/Sapphire",
    "emerald": "Emerald", "firered-leafgreen": "FireRed/LeafGreen", "diamond-pearl": "Diamond/Pearl",
}

# Encounter versions in the order of the program's version codes; None: no source.
VERSION_CODES = [
    "red", "blue", "yellow", "gold", "silver", "crystal", "ruby", "sapphire", "firered",
    "leafgreen", "colosseum", "emerald", "xd", None, None, None, None, "diamond", "pearl",
    "platinum", "heartgold", "soulsilver",
]
VERSION_ELEMENTS = [
    "redloc", "blueloc", "yellowloc", "goldloc", "silverloc", "crystalloc", "rubyloc",
    "sapphireloc", "fireredloc", "leafgreenloc", "coliloc", "emeraldloc", "xdloc", "trozeiloc",
    "rangerloc", "mdredloc", "mdblueloc", "diamondloc", "pearlloc", "platinumloc", "heartgoldloc",
    "soulsilverloc",
]
MD_RED_CODE = 15
TIMED_VERSIONS = {"gold", "silver", "crystal", "diamond", "pearl", "platinum", "heartgold", "soulsilver"}


class VersionGroups:
    """Order and generation of every version group, for the source's past_* lists."""

    def __init__(self, api):
        self.order = {}
        self.generation = {}
        for ident in api.ids("version-group"):
            vg = api.get("version-group", ident)
            self.order[vg["name"]] = vg["order"]
            self.generation[vg["name"]] = GENERATION_NUMBERS[vg["generation"]["name"]]
        self.target_order = self.order[TARGET_VERSION_GROUP]

    def after_target(self, name):
        return self.order[name] > self.target_order


def past_value(current, past_entries, field, target_generation):
    """A Pokemon's value as of a generation.

    Each past entry holds values that were in effect up to and including its generation;
    the earliest entry not older than the target generation wins.
    """
    best = None
    for entry in past_entries:
        gen = GENERATION_NUMBERS[entry["generation"]["name"]]
        if gen >= target_generation and field(entry) is not None:
            if best is None or gen < best[0]:
                best = (gen, field(entry))
    return current if best is None else best[1]

