"""The move table (data/moves.xml) and the two effect tables it refers to."""
from .move_effects import CONTEST_EFFECTS, SUPER_CONTEST_EFFECTS, effect_text
from .source import english
from .text import ascii_text, one_line
from .xmlout import Node, keyed_rows

# Targets of the open data counted as Pokemon affected in a double battle; field moves affect no Pokemon.
_AFFECTED = {
    "specific-move": 1, "selected-pokemon-me-first": 1, "ally": 1, "user-or-ally": 1,
    "user": 1, "random-opponent": 1, "selected-pokemon": 1, "fainting-pokemon": 1,
    "all-opponents": 2, "user-and-allies": 2, "all-allies": 1, "all-other-pokemon": 3,
    "all-pokemon": 4, "users-field": 0, "opponents-field": 0, "entire-field": 0,
}


def scale_255(percent):
    """A per cent on the 0-255 scale of the generation 1-2 games' tables (their `percent`
    macro: 90% is 229, 10% is 25); None (a move that never misses) is 0."""
    return 0 if percent is None else percent * 255 // 100


def _shadow_facts(move):
    """A shadow move of Colosseum and XD, which Platinum's table does not hold."""
    return {"name": ascii_text(english(move["names"])), "type": move["type"]["name"],
            "class": (move.get("damage_class") or {}).get("name", ""), "power": move["power"] or 0,
            "accuracy": move["accuracy"], "pp": move["pp"] or 0,
            "effect_chance": move["effect_chance"] or 0,
            "affected": _AFFECTED[move["target"]["name"]], "priority": move.get("priority") or 0}


class MoveTables:
    """Builds moves.xml, movefx.xml and contestfx.xml."""

    def __init__(self, api, numbers, platinum, full):
        self.api = api
        self.numbers = numbers
        self.platinum = platinum  # national number -> facts of Platinum's move table
        self.full = full
        self.names = {}          # our id -> display name
        self.effect_keys = {}    # effect text -> key
        self.moves_root = Node("moves")
        self._build()

    def _effect_key(self, text):
        if text not in self.effect_keys:
            self.effect_keys[text] = f"fx{len(self.effect_keys) + 1}"
        return self.effect_keys[text]

    def _effect(self, move, facts):
        if self.full:
            short = english(move.get("effect_entries"), "short_effect")
            if short:
                return one_line(short.replace("$effect_chance", str(facts["effect_chance"])))
        return effect_text(move, facts["name"], facts["priority"])

    def _facts(self, source_id, move):
        facts = self.platinum.get(source_id) or _shadow_facts(move)
        if facts["affected"] is None:  # a side or field move that may act on the Pokemon there
            facts = dict(facts, affected=_AFFECTED[move["target"]["name"]])
        return facts

    def _build(self):
        for source_id in self.numbers.source_ids():
            move = self.api.get("move", source_id)
            ours = self.numbers.ours(source_id)
            v = self._facts(source_id, move)
            self.names[ours] = v["name"]
            m = self.moves_root.add("move", id=str(ours))
            m.add("name", v["name"])
            m.add("type", v["type"])
            m.add("movetype", v["class"])
            m.add("movefx", self._effect_key(self._effect(move, v)))
            m.add("movefxchance", scale_255(v["effect_chance"]))
            m.add("pp", v["pp"])
            m.add("power", v["power"])
            m.add("accuracy", scale_255(v["accuracy"]))
            m.add("numaffected", v["affected"])
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
