"""Egg moves: which species hatch from a parent's eggs in each generation, and for every egg
move a text telling the player how to breed it, naming only fathers that can really know it."""
from .games import EGG_GROUPS_BY_GENERATION, VERSION_GROUP_TITLES
from .tables import NO_EGGS

FATHER_NAMES_SHOWN = 3
EGG_METHODS = ("egg", "light-ball-egg")
_KNOWING_METHODS = {"level-up": "level", "machine": "machine", "tutor": "machine"}
# Babies that hatch only when a parent holds their incense; otherwise the egg hatches as what
# the baby evolves into (the daycare's incense table; Azurill and Wynaut's since generation 3,
# the others since generation 4, when they first appear).
INCENSE = {298: "Sea Incense", 360: "Lax Incense", 406: "Rose Incense", 433: "Pure Incense",
           438: "Rock Incense", 439: "Odd Incense", 440: "Luck Incense", 446: "Full Incense",
           458: "Wave Incense"}


class Hatching:
    """Which species' egg moves a parent offers in a generation, and the incense each needs."""

    def __init__(self, facts, evolutions):
        self.facts = facts
        self.next_stage = {dex: evos[0][2] for dex, evos in evolutions.by_species.items() if evos}

    def sources(self, f, gen):
        """[(species, incense or None)]: its own egg moves first, then those of what hatches."""
        out = [(f.dex, INCENSE.get(f.dex))]
        if f.breed1 != NO_EGGS:
            hatch = f.offspring
            # a baby newer than the generation: the egg hatches as the oldest stage that exists
            while self.facts[hatch].generation > gen and hatch in self.next_stage:
                hatch = self.next_stage[hatch]
            if hatch in INCENSE:
                out.append((self.next_stage[hatch], None))
            out.append((hatch, INCENSE.get(hatch)))
        seen = set()
        return [s for s in out if not (s[0] in seen or seen.add(s[0]))]


def egg_move_texts(f, learned, hatching, methods):
    """{move: {generation: text}} of every egg move a Pokemon offers from its generation on."""
    rows = {}
    for gen, groups in EGG_GROUPS_BY_GENERATION.items():
        if gen < f.generation:
            continue
        for child, incense in hatching.sources(f, gen):
            where = {}
            for move, group, method, _ in learned[child]:
                if method in EGG_METHODS and group in groups:
                    where.setdefault(move, {}).setdefault(method, set()).add(group)
            for move, by_method in where.items():
                if gen in rows.get(move, {}):
                    continue
                method = min(by_method)
                hit = [g for g in groups if g in by_method[method]]
                rows.setdefault(move, {})[gen] = methods.text(gen, child, move, hit, method, incense)
    return rows


class EggMoveMethods:
    """Who can pass an egg move on, per generation.

    A father qualifies when he can be male, breeds normally, shares a breeding group with the
    child and can know the move in that generation's games: he learns it by level, machine or
    tutor, evolved from one that did, or hatched with it from such a father in turn."""

    def __init__(self, species_facts, learned, later_stages):
        # species_facts: dex -> dict(name, generation, groups (regular egg groups), male)
        # learned: dex -> list of (move, group, method, level)
        # later_stages: dex -> every species it can evolve into
        self.facts = species_facts
        self.later = later_stages
        self.by_gen = {}
        self.known = {}
        for gen, groups in EGG_GROUPS_BY_GENERATION.items():
            table = {}
            for dex, entries in learned.items():
                for move, group, method, _ in entries:
                    if group in groups:
                        kind = _KNOWING_METHODS.get(method) or ("egg" if method == "egg" else None)
                        if kind:
                            table.setdefault((move, kind), set()).add(dex)
            self.by_gen[gen] = table
            self.known[gen] = self._who_can_know(gen, table)

    def _who_can_know(self, gen, table):
        """move -> every species that can know it in the generation's games."""
        known = {}
        for move, kind in table:
            if move in known:
                continue
            have = set()
            for dex in table.get((move, "level"), set()) | table.get((move, "machine"), set()):
                have |= {dex, *self.later.get(dex, ())}
            pending = sorted(table.get((move, "egg"), set()) - have)
            grew = True
            while grew:
                grew = False
                for child in list(pending):
                    groups = self.facts[child]["breeding_groups"]
                    if any(self._can_father(d, gen, groups) for d in have):
                        have |= {child, *self.later.get(child, ())}
                        pending.remove(child)
                        grew = True
            known[move] = have
        return known

    def text(self, gen, child, move, groups_with_move, special, incense=None):
        text = self._how(gen, child, move, special)
        if text is None:
            return f"Cannot be passed on in generation {gen}: no father can know it"
        if incense:
            text += f"; a parent holds {incense}"
        all_groups = EGG_GROUPS_BY_GENERATION[gen]
        if len(all_groups) > 1 and len(groups_with_move) < len(all_groups):
            only = " and ".join(VERSION_GROUP_TITLES[g] for g in all_groups if g in groups_with_move)
            text += f" ({only} only)"
        return text

    def _how(self, gen, child, move, special):
        if special == "light-ball-egg":
            return "Breed from a parent holding a Light Ball"
        child_groups = self.facts[child]["breeding_groups"]
        table = self.by_gen[gen]
        known = self.known[gen].get(move, set())
        for kind, wording in (("level", "Father learns it by level"),
                              ("machine", "Father taught it by TM or tutor"),
                              ("egg", "Chain breeding, father has it as egg move")):
            fathers = set()
            for dex in table.get((move, kind), ()):
                if dex == child or dex not in known:
                    continue
                # a baby cannot breed: the stage it grows into is the father
                father = next((d for d in (dex, *sorted(self.later.get(dex, ())))
                               if d != child and self._can_father(d, gen, child_groups)), None)
                if father is not None:
                    fathers.add(father)
            if fathers:
                fathers = sorted(fathers)
                shown = ", ".join(self.facts[d]["name"] for d in fathers[:FATHER_NAMES_SHOWN])
                more = len(fathers) - FATHER_NAMES_SHOWN
                return f"{wording}: {shown}" + (f" (+{more} more)" if more > 0 else "")
        return None

    def _can_father(self, dex, gen, child_groups):
        f = self.facts[dex]
        return f["generation"] <= gen and f["male"] and bool(set(f["breeding_groups"]) & set(child_groups))
