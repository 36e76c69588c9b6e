"""The small reference tables: types, breeding groups, abilities, colours, habitats.

Row 0 of every table is a neutral row, so an empty or unknown key never reads as real data."""
from .games import GENERATION_NUMBERS, TARGET_GENERATION
from .source import english
from .text import ascii_text, one_line
from .xmlout import Node, keyed_rows

# Standard types in the order of the program's type images.
STANDARD_TYPES = ["normal", "rock", "steel", "fighting", "ground", "water", "fire", "electric",
                  "grass", "ice", "dark", "psychic", "bug", "flying", "ghost", "dragon", "poison",
                  "shadow"]
CONTEST_TYPES = ["cool", "beauty", "cute", "smart", "tough"]
ATTACK_TYPES = [("physical", "Physical"), ("special", "Special"), ("status", "Status")]

# Breeding groups: 1-13 the regular egg groups, then three groups with fixed roles.
REGULAR_EGG_GROUPS = ["monster", "water1", "bug", "flying", "ground", "fairy", "plant",
                      "humanshape", "water3", "mineral", "indeterminate", "water2", "dragon"]
DITTO_ONLY = "dittoonly"      # 14: genderless, breeds with Ditto only
DITTO = "ditto"               # 15
NO_EGGS = "no-eggs"           # 16: cannot breed


def types_xml(api):
    names = {}
    for ident in api.ids("type"):
        t = api.get("type", ident)
        names[t["name"]] = ascii_text(english(t["names"]))
    root = Node("types")
    keyed_rows(root.add("stdtype"), "type", "abbrev", "name",
           [("unknown", "???")] + [(t, names[t]) for t in STANDARD_TYPES])
    contest = {api.get("contest-type", i)["name"]: ascii_text(english(api.get("contest-type", i)["names"]))
               for i in api.ids("contest-type")}
    keyed_rows(root.add("cntstype"), "type", "abbrev", "name",
           [("none", "None")] + [(c, contest[c]) for c in CONTEST_TYPES])
    keyed_rows(root.add("attktype"), "type", "abbrev", "name", [("unknown", "???")] + ATTACK_TYPES)
    return root


def breedgroup_xml(api):
    names = {}
    for ident in api.ids("egg-group"):
        g = api.get("egg-group", ident)
        names[g["name"]] = ascii_text(english(g["names"]))
    rows = [("none", "None")] + [(g, names[g]) for g in REGULAR_EGG_GROUPS]
    rows += [(DITTO_ONLY, "Ditto only"), (DITTO, names["ditto"]), (NO_EGGS, names["no-eggs"])]
    return keyed_rows(Node("groups"), "group", "abbrev", "name", rows)


def colours_xml(api):
    rows = [("unknown", "Unknown")]
    for ident in api.ids("pokemon-color"):
        c = api.get("pokemon-color", ident)
        rows.append((c["name"], ascii_text(english(c["names"]))))
    return keyed_rows(Node("colours"), "colour", "abbrev", "text", rows)


def habitats_xml(api):
    rows = [("unknown", "Unknown")]
    for ident in api.ids("pokemon-habitat"):
        h = api.get("pokemon-habitat", ident)
        name = ascii_text(english(h["names"]) or h["name"].replace("-", " "))
        rows.append((h["name"], name[:1].upper() + name[1:]))
    return keyed_rows(Node("habitats"), "habitat", "abbrev", "text", rows)


class Abilities:
    """Abilities of generations 3-4, keyed by their display name."""

    def __init__(self, api, full):
        self.names = {}   # slug -> display name
        self.generation = {}
        rows = [("None", "None")]
        for ident in api.ids("ability"):
            a = api.get("ability", ident)
            gen = GENERATION_NUMBERS[a["generation"]["name"]]
            if gen > TARGET_GENERATION or not a.get("is_main_series", True):
                continue
            name = ascii_text(english(a["names"]))
            self.names[a["name"]] = name
            self.generation[a["name"]] = gen
            text = name
            if full:
                text = _game_description(a) or name
            rows.append((name, text))
        self.root = keyed_rows(Node("abilities"), "ability", "name", "description", rows)


def _game_description(ability):
    """The in-game description of Diamond/Pearl, else the latest older one."""
    by_group = {}
    for entry in ability.get("flavor_text_entries") or ():
        if entry["language"]["name"] == "en":
            by_group[entry["version_group"]["name"]] = entry["flavor_text"]
    for group in ("diamond-pearl", "emerald", "firered-leafgreen", "ruby-sapphire"):
        if group in by_group:
            return one_line(by_group[group])
    return None
