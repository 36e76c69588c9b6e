"""Platinum's move table (pret/gen4-platinum-moves.json): every generation 4 fact of a move,
in the converter's own keys and units."""
import json
from pathlib import Path

from .text import ascii_text

# Pokemon a move acts on in a double battle, by the game's range. A side or the whole field
# is no Pokemon; the few moves of such a range that act on the Pokemon there are counted
# from the open data's target (None here).
_AFFECTED = {
    "RANGE_SINGLE_TARGET": 1, "RANGE_SINGLE_TARGET_SPECIAL": 1, "RANGE_SINGLE_TARGET_ME_FIRST": 1,
    "RANGE_RANDOM_OPPONENT": 1, "RANGE_USER": 1, "RANGE_ALLY": 1, "RANGE_USER_OR_ALLY": 1,
    "RANGE_ADJACENT_OPPONENTS": 2, "RANGE_ALL_ADJACENT": 3,
    "RANGE_USER_SIDE": None, "RANGE_OPPONENT_SIDE": None, "RANGE_FIELD": None,
}
# The game stores 1 as the power of moves whose power is worked out in battle; its
# summary screen shows no power for them, as for moves that deal no fixed damage.
_VARIABLE_POWER = 1


def _after(constant, prefix):
    if not constant.startswith(prefix):
        raise SystemExit(f"{constant}: expected {prefix}...")
    return constant[len(prefix):]


def move_facts(entry):
    """One move of the table: name, type and class keys, power, accuracy in per cent (None:
    never misses), PP, effect chance in per cent, Pokemon affected (None: from the open
    data), priority."""
    move_type = _after(entry["type"], "TYPE_").lower()
    return {
        "name": ascii_text(entry["name"]),
        "type": "unknown" if move_type == "mystery" else move_type,
        "class": _after(entry["class"], "CLASS_").lower(),
        "power": 0 if entry["power"] <= _VARIABLE_POWER else entry["power"],
        "accuracy": entry["accuracy"] or None,
        "pp": entry["pp"],
        "effect_chance": entry["effect_chance"],
        "affected": _AFFECTED[entry["range"]],
        "priority": entry["priority"],
    }


def platinum_moves(pret_dir):
    """National move number -> facts, for moves 1-467."""
    path = Path(pret_dir) / "gen4-platinum-moves.json"
    with open(path, encoding="utf-8") as f:
        table = json.load(f)
    return {entry["number"]: move_facts(entry) for entry in table.values()}
