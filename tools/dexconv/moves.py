"""The move table (data/moves.xml) and the two effect tables it refers to."""
from .games import VersionGroups
from .move_effects import CONTEST_EFFECTS, SUPER_CONTEST_EFFECTS, effect_text
from .movenumbers import move_display_name
from .source import english
from .text import one_line
from .xmlout import Node, keyed_rows

# Targets counted as Pokemon affected in a double battle; field moves affect no Pokemon.
_AFFECTED = {
    "specific-move": 1, "selected-pokemon-me-first": 1, "ally": 1, "user-or-ally": 1,
    "user": 1, "random-opponent": 1, "selected-pokemon": 1, "fainting-pokemon": 1,
    "all-opponents": 2, "user-and-allies": 2, "all-allies": 1, "all-other-pokemon": 3,
    "all-pokemon": 4, "users-field": 0, "opponents-field": 0, "entire-field": 0,
}


def accuracy_255(percent):
    """Accuracy on the 0-255 scale of the older games (90% is 229); never-missing moves 255."""
    if percent is None:
        return 255
    return percent * 255 // 100


def chance_255(percent):
    """Effect chance on the 0-255 scale, the smallest value whose truncated percentage
    (value x 100 / 255) is the game's percentage."""
    if not percent:
        return 0
    return -(-percent * 255 // 100)


def _gen4_values(move, groups):
    """Power, accuracy, PP, effect chance and type as of Diamond/Pearl.

    A past entry holds the values in effect before its version group; the earliest
    entry after the target version group holds the target's value."""
    values = {k: move[k] for k in ("power", "accuracy", "pp", "effect_chance")}
    values["type"] = move["type"]["name"]
    taken = set()
    for past in sorted(move.get("past_values") or [], key=lambda p: groups.order[p["version_group"]["name"]]):
        if not groups.after_target(past["version_group"]["name"]):
            continue
        for key in ("power", "accuracy", "pp", "effect_chance", "type"):
            value = past.get(key)
            if value is None or key in taken:
                continue
            values[key] = value["name"] if key == "type" else value
            taken.add(key)
    return values


class MoveTables:
    """Builds moves.xml, movefx.xml and contestfx.xml."""

    def __init__(self, api, numbers, full):
        self.api = api
        self.numbers = numbers
        self.full = full
        self.groups = VersionGroups(api)
        self.names = {}          # our id -> display name
        self.effect_keys = {}    # effect text -> key
        self.moves_root = Node("moves")
        self._build()

    def _effect_key(self, text):
        if text not in self.effect_keys:
            self.effect_keys[text] = f"fx{len(self.effect_keys) + 1}"
        return self.effect_keys[text]

    def _effect(self, move, name, chance):
        if self.full:
            short = english(move.get("effect_entries"), "short_effect")
            if short:
                return one_line(short.replace("$effect_chance", str(chance or 0)))
        return effect_text(move, name)

    def _build(self):
        for source_id in self.numbers.source_ids():
            move = self.api.get("move", source_id)
            ours = self.numbers.ours(source_id)
            name = move_display_name(move)
            self.names[ours] = name
            v = _gen4_values(move, self.groups)
            m = self.moves_root.add("move", id=str(ours))
            m.add("name", name)
            m.add("type", v["type"])
            m.add("movetype", move["damage_class"]["name"] if move.get("damage_class") else "")
            m.add("movefx", self._effect_key(self._effect(move, name, v["effect_chance"])))
            m.add("movefxchance", chance_255(v["effect_chance"]))
            m.add("pp", v["pp"] or 0)
            m.add("power", v["power"] or 0)
            m.add("accuracy", accuracy_255(v["accuracy"]))
            m.add("numaffected", _AFFECTED[move["target"]["name"]])
            if move.get("contest_type"):
                m.add("contesttype", move["contest_type"]["name"])
            if move.get("contest_effect"):
                effect = self.api.get_url(move["contest_effect"])
                m.add("contestappeal", effect["appeal"])
                m.add("contestjam", effect["jam"])
                m.add("contestfx", f"c{effect['id']}")
            if move.get("super_contest_effect"):
                effect = self.api.get_url(move["super_contest_effect"])
                m.add("superappeal", effect["appeal"])
                m.add("superfx", f"s{effect['id']}")

    def moves_xml(self):
        return self.moves_root

    def movefx_xml(self):
        return keyed_rows(Node("moveeffects"), "movefx", "abbrev", "text",
                          [("none", "Unknown")] + [(key, text) for text, key in self.effect_keys.items()])

    def contestfx_xml(self):
        root = Node("contesteffects")
        row = root.add("contestfx")
        row.add("abbrev", "none")
        row.add("text", "None")
        for prefix, resource, own in (("c", "contest-effect", CONTEST_EFFECTS),
                                      ("s", "super-contest-effect", SUPER_CONTEST_EFFECTS)):
            for ident in self.api.ids(resource):
                effect = self.api.get(resource, ident)
                text = own.get(ident)
                if self.full:
                    source_text = english(effect.get("flavor_text_entries"), "flavor_text")
                    text = one_line(source_text) if source_text else text
                if text is None:
                    raise SystemExit(f"{resource} {ident} has no text of our own")
                row = root.add("contestfx")
                row.add("abbrev", f"{prefix}{ident}")
                row.add("text", text)
        return root

    def id_of_ref(self, ref):
        return self.numbers.of_ref(ref)
