"""Evolution methods (data/evolution.xml) and each Pokemon's evolutions, in our own wording."""
from .games import TARGET_GENERATION
from .source import english, url_id
from .text import ascii_text
from .xmlout import Node

LAST_POKEMON = 493

# Method id -> (name, text, parameter kind): "num" a plain number, "none" no parameter,
# "list" a parameter chosen from the method's own list.
METHODS = {
    0: ("Unknown", "Unknown", "none"),
    1: ("Level", "Level {param}", "num"),
    2: ("Item", "Use {param}", "list"),
    3: ("Trade", "Trade", "none"),
    4: ("Trade holding", "Trade holding {param}", "list"),
    5: ("Friendship", "Level up with high friendship", "none"),
    6: ("Friendship by day", "Level up with high friendship by day", "none"),
    7: ("Friendship at night", "Level up with high friendship at night", "none"),
    8: ("Attack above Defense", "Level {param} with Attack higher than Defense", "num"),
    9: ("Attack below Defense", "Level {param} with Attack lower than Defense", "num"),
    10: ("Attack equals Defense", "Level {param} with Attack equal to Defense", "num"),
    11: ("Holding", "Level up holding {param} {param2}", "list"),
    12: ("Knowing", "Level up knowing {param}", "list"),
    13: ("Place", "Level up at {param}", "list"),
    14: ("Party", "Level up with {param} in the party", "list"),
    15: ("Level, male", "Level {param}, males only", "num"),
    16: ("Level, female", "Level {param}, females only", "num"),
    17: ("Item, male", "Use {param} on a male", "list"),
    18: ("Item, female", "Use {param} on a female", "list"),
    19: ("Beauty", "Level up with Beauty {param} or more", "num"),
    # Generation 3 asks only for the free slot; generation 4 also takes a Poke Ball from the bag.
    20: ("Spare slot", "Appears when Nincada evolves, if the party has a free slot "
                       "(from generation 4 also a Poke Ball in the bag)", "none"),
    21: ("Special rock", "Level up beside the special rock at {param}", "list"),
    # Wurmple: the personality value decides which of two targets it becomes.
    22: ("Level, random", "Level {param}, at random", "num"),
}
# The games' methods that pick one of two targets from the personality value.
_PERSONALITY_METHODS = {"EVO_LEVEL_PID_LOW", "EVO_LEVEL_PID_HIGH"}
_TIMES = {"day": "by day", "night": "at night"}
_GENDERS = {1: "female", 2: "male"}


def _name(api, ref):
    return ascii_text(english(api.get_url(ref)["names"]))


def _classify(api, moves, detail):
    """(method id, parameter id, parameter text, text2) of one evolution condition."""
    trigger = detail["trigger"]["name"]
    given = {k for k, v in detail.items()
             if v not in (None, False, "", 0) and k not in ("trigger", "version_group", "is_default",
                                                            "base_form", "evolved_form")}
    if detail.get("relative_physical_stats") is not None:
        given.add("relative_physical_stats")   # 0 (Attack equals Defense) is a condition too
    time = detail.get("time_of_day") or ""
    gender = _GENDERS.get(detail.get("gender"))
    if trigger == "level-up":
        level = detail.get("min_level")
        if given == {"min_level"}:
            return 1, level, None, None
        if given == {"min_level", "relative_physical_stats"}:
            return {1: 8, -1: 9, 0: 10}[detail["relative_physical_stats"]], level, None, None
        if given == {"min_level", "gender"}:
            return (15 if gender == "male" else 16), level, None, None
        if given == {"min_happiness"}:
            return 5, 0, None, None
        if given == {"min_happiness", "time_of_day"}:
            return (6 if time == "day" else 7), 0, None, None
        if given == {"held_item", "time_of_day"}:
            item = detail["held_item"]
            ident = url_id(item["url"]) * 10 + (1 if time == "day" else 2)
            return 11, ident, _name(api, item), _TIMES[time]
        if given == {"known_move"}:
            move = detail["known_move"]
            return 12, moves.id_of_ref(move), moves.names[moves.id_of_ref(move)], None
        if given in ({"location"}, {"location", "near_special_rock"}):
            place = detail["location"]
            method = 21 if "near_special_rock" in given else 13
            return method, url_id(place["url"]), _name(api, place), None
        if given == {"party_species"}:
            species = detail["party_species"]
            return 14, url_id(species["url"]), _name(api, species), None
        if given == {"min_beauty"}:
            return 19, detail["min_beauty"], None, None
    if trigger == "use-item":
        item = detail["item"]
        if given == {"item"}:
            return 2, url_id(item["url"]), _name(api, item), None
        if given == {"item", "gender"}:
            return (17 if gender == "male" else 18), url_id(item["url"]), _name(api, item), None
    if trigger == "trade":
        if given == set():
            return 3, 0, None, None
        if given == {"held_item"}:
            item = detail["held_item"]
            return 4, url_id(item["url"]), _name(api, item), None
    if trigger == "shed" and given == set():
        return 20, 0, None, None
    raise SystemExit(f"evolution condition without a method of ours: {trigger} {sorted(given)}")


class Evolutions:
    """Evolution lists per Pokemon, the lowest member of each family, and the method table."""

    def __init__(self, api, moves, groups, platinum):
        self._platinum = platinum
        self.by_species = {}   # dex number -> [(method, evoparam, target dex)]
        self.lowest = {}       # dex number -> dex number of the family's first member
        self.params = {}       # method -> {param id: (text, text2)}
        chains = sorted({url_id(api.get("pokemon-species", n)["evolution_chain"]["url"])
                         for n in range(1, LAST_POKEMON + 1)})
        for chain_id in chains:
            chain = api.get("evolution-chain", chain_id)["chain"]
            root = url_id(chain["species"]["url"])
            self._walk(api, moves, groups, chain, root)

    def _walk(self, api, moves, groups, node, root):
        here = url_id(node["species"]["url"])
        if here > LAST_POKEMON:
            return
        self.lowest[here] = root
        found = self.by_species.setdefault(here, [])
        for child in node["evolves_to"]:
            target = url_id(child["species"]["url"])
            if target > LAST_POKEMON:
                continue
            if not child["evolution_details"]:
                # a link without a condition is no evolution (Manaphy under Phione): its own family
                self._walk(api, moves, groups, child, target)
                continue
            for detail in child["evolution_details"]:
                group = detail.get("version_group")
                if group and groups.generation[group["name"]] > TARGET_GENERATION:
                    continue
                method, param, text, text2 = _classify(api, moves, detail)
                if method == 1 and self._by_personality(here, target):
                    method = 22
                if METHODS[method][2] == "list":
                    self.params.setdefault(method, {})[param] = (text, text2)
                entry = (method, param, target)
                if entry not in found:
                    found.append(entry)
            self._walk(api, moves, groups, child, root)

    def _by_personality(self, here, target):
        return any(m in _PERSONALITY_METHODS and t == target for m, t in self._platinum[here]["evolutions"])

    def xml(self):
        root = Node("evolutions")
        for ident, (name, text, kind) in METHODS.items():
            method = root.add("evolution", id=str(ident))
            method.add("name", name)
            method.add("text", text)
            if kind == "num":
                method.add("evoparam", usenum="1")
            elif kind == "list":
                params = method.add("evoparam")
                for pid, (ptext, ptext2) in sorted(self.params.get(ident, {}).items()):
                    param = params.add("param", id=str(pid))
                    param.add("text", ptext)
                    if ptext2:
                        param.add("text2", ptext2)
        return root

    def add_to(self, node, dex):
        """Appends the `evolutions` list of a Pokemon, when it evolves."""
        entries = self.by_species.get(dex) or []
        if not entries:
            return
        lst = node.add("evolutions")
        for method, param, target in entries:
            evo = lst.add("evolution")
            evo.add("evomethod", method)
            if METHODS[method][2] != "none":
                evo.add("evoparam", param)
            evo.add("evolvesto", target)
