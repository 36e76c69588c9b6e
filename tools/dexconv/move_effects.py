"""Short battle-effect texts written from a move's facts (category, ailment, stat changes,
hits, drain and healing), so that no description of the source is needed."""

_AILMENTS = {
    "paralysis": "paralyze the target", "sleep": "put the target to sleep",
    "freeze": "freeze the target", "burn": "burn the target", "poison": "poison the target",
    "confusion": "confuse the target", "infatuation": "make the target infatuated",
    "trap": "keep the target from fleeing or switching", "nightmare": "give a sleeping target nightmares",
    "torment": "bar the target from repeating a move", "disable": "disable the target's last move",
    "yawn": "make the target drowsy", "heal-block": "stop the target from healing",
    "no-type-immunity": "strip the target's type immunities", "leech-seed": "seed the target to sap its HP",
    "embargo": "stop the target from using items", "perish-song": "make every Pokemon present faint in three turns",
    "ingrain": "root the user in place", "silence": "silence the target",
}

_STATS = {
    "attack": "Attack", "defense": "Defense", "special-attack": "Sp. Atk",
    "special-defense": "Sp. Def", "speed": "Speed", "accuracy": "accuracy",
    "evasion": "evasion",
}


def _ailment(meta):
    name = meta["ailment"]["name"]
    return _AILMENTS.get(name, f"cause {name.replace('-', ' ')}")


def _stat_changes(changes):
    """'Attack +1, Defense +1' for a list of stat changes."""
    return ", ".join(f"{_STATS[c['stat']['name']]} {c['change']:+d}" for c in changes)


def _maybe(meta):
    """A stat change that comes with every hit, or only by chance."""
    return "then gives" if meta.get("stat_chance") in (0, 100) else "may give"


def _sentence(text):
    return text[0].upper() + text[1:] + "."


def effect_text(move, display_name, priority):
    """Our own sentence for a move's battle effect; `priority` is the generation 4 game's."""
    meta = move.get("meta")
    if move["type"]["name"] == "shadow":
        return "Shadow move of Colosseum and XD."
    if meta is None:
        return f"Works in a way of its own ({display_name})."
    category = meta["category"]["name"]
    changes = move.get("stat_changes") or []
    lines = []
    if category == "damage":
        lines.append("Deals damage.")
    elif category == "damage-ailment":
        lines.append(f"Deals damage; may {_ailment(meta)}.")
    elif category == "ailment":
        verb, _, rest = _ailment(meta).partition(" ")
        lines.append(_sentence(f"{verb}s {rest}"))
    elif category == "net-good-stats":
        ups = [c for c in changes if c["change"] > 0]
        downs = [c for c in changes if c["change"] < 0]
        if ups:
            lines.append(f"User's {_stat_changes(ups)}.")
        if downs:
            lines.append(f"Target's {_stat_changes(downs)}.")
    elif category == "damage-lower":
        lines.append(f"Deals damage; {_maybe(meta)} the target {_stat_changes(changes)}.")
    elif category == "damage-raise":
        lines.append(f"Deals damage; {_maybe(meta)} the user {_stat_changes(changes)}.")
    elif category == "heal":
        lines.append(f"The user regains {meta['healing']}% of its maximum HP.")
    elif category == "damage-heal":
        lines.append(f"Deals damage; the user regains {meta['drain']}% of the damage dealt.")
    elif category == "ohko":
        lines.append("Knocks the target out with one hit.")
    elif category == "swagger":
        lines.append(f"Confuses the target and gives it {_stat_changes(changes)}.")
    elif category == "field-effect":
        lines.append(f"Changes the conditions on one side of the field ({display_name}).")
    elif category == "whole-field-effect":
        lines.append(f"Changes the conditions on the whole field ({display_name}).")
    elif category == "force-switch":
        lines.append("Drives the target out of battle.")
    else:
        lines.append(f"Works in a way of its own ({display_name}).")

    if meta.get("min_hits") and meta.get("max_hits"):
        lo, hi = meta["min_hits"], meta["max_hits"]
        if lo == hi == 2:
            lines.append("Strikes twice.")
        elif lo == hi:
            lines.append(f"Strikes up to {hi} times.")  # one blow per party member
        else:
            lines.append(f"Strikes {lo} to {hi} times.")
    if meta.get("crit_rate"):
        lines.append("Raised chance of a critical hit.")
    if meta.get("flinch_chance"):
        lines.append("May make the target flinch.")
    if meta.get("drain", 0) < 0:
        lines.append(f"The user is hurt by {-meta['drain']}% of the damage dealt.")
    # Priority values were renumbered later; only the direction is said.
    if priority > 0:
        lines.append("Usually acts first.")
    elif priority < 0:
        lines.append("Usually acts last.")
    return " ".join(lines)


# Contest effects in our own words, keyed by the source's contest-effect ids.
CONTEST_EFFECTS = {
    1: "Strong appeal, nothing else.",
    2: "Scores more when the previous appeal scored little.",
    3: "Big appeal; jams against the user count double afterwards.",
    4: "Hard jam on the contestant just before.",
    5: "Hard jam on every contestant that already appealed.",
    6: "Jams the others; the user sits out next turn but cannot be jammed.",
    7: "Huge appeal; the user makes no further appeals.",
    8: "Jams every contestant that already appealed.",
    9: "Jams the contestant just before.",
    10: "Jams the others, hardest whoever is in combo standby.",
    11: "Scores more the fuller the applause meter.",
    12: "Extra points after an appeal of the same contest type.",
    13: "Raises the applause meter in any contest.",
    14: "Jams those that appealed well by half their points.",
    15: "Shields the user from every jam this turn.",
    16: "Shields the user from one jam this turn.",
    17: "No penalty for using it several times in a row.",
    18: "May leave every later contestant too nervous to appeal.",
    19: "Scores one point more than the previous appeal.",
    20: "Scores half of all earlier appeals this turn, plus one.",
    21: "Shuffles the appeal order of the next turn.",
    22: "Ends the combo standby of those that already appealed.",
    23: "Jams the others, hardest those that used the same contest type.",
    24: "Keeps the applause meter from rising until the turn ends.",
    25: "Scores 1, 2, 4 or 8 points at random.",
    26: "Scores more the later it comes in the turn.",
    27: "Extra points when it opens the turn.",
    28: "Extra points when it closes the turn.",
    29: "Scores more the better the user's condition.",
    30: "The user appeals first in the next turn.",
    31: "The user appeals last in the next turn.",
    32: "Adds one condition star to the user.",
    33: "Takes the condition stars of those that already appealed.",
}

SUPER_CONTEST_EFFECTS = {
    1: "The user performs first in the next turn.",
    2: "The user performs last in the next turn.",
    4: "2 extra points when the judge's voltage rises.",
    5: "Plain performance, nothing else.",
    6: "3 extra points when no rival picks the same judge.",
    7: "May be performed twice in a row.",
    8: "Adds the voltage gained to the score.",
    9: "15 extra points when every contestant picks the same judge.",
    10: "Every judge's voltage drops by one.",
    11: "Doubles the score of the next turn.",
    12: "Takes the voltage of the contestant just before.",
    13: "Voltage cannot rise again until the turn ends.",
    14: "The order of the next turn is random.",
    15: "Doubles the score of the final performance.",
    16: "Scores more while voltage is low.",
    17: "2 extra points when performing first.",
    18: "2 extra points when performing last.",
    19: "Voltage cannot fall again until the turn ends.",
    20: "3 extra points if two contestants in a row raise the voltage.",
    21: "Scores more the later it is performed.",
    22: "3 extra points when the contestant just before reached full voltage.",
    23: "3 extra points when scoring lowest.",
}
