"""Item names as the games of generations 3 and 4 spell them, where the source gives today's.

Keyed by the source's item name; every held-item line of those games uses these spellings."""

GEN34_ITEM_NAMES = {
    "stick": "Stick", "silver-powder": "SilverPowder", "tiny-mushroom": "TinyMushroom",
    "bright-powder": "BrightPowder", "black-glasses": "BlackGlasses",
    "never-melt-ice": "NeverMeltIce", "twisted-spoon": "TwistedSpoon",
    "deep-sea-tooth": "DeepSeaTooth", "deep-sea-scale": "DeepSeaScale",
    "thunder-stone": "Thunderstone", "up-grade": "Up-Grade", "energy-powder": "EnergyPowder",
    "paralyze-heal": "Parlyz Heal", "x-defense": "X Defend", "x-sp-atk": "X Special",
    "exp-share": "Exp. Share", "kings-rock": "King's Rock",
}


def gen34_item_name(slug, today):
    """The generations 3-4 spelling of an item, given its source name and today's English name."""
    return GEN34_ITEM_NAMES.get(slug, today)
