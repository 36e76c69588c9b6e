"""Level-up moves per game column and machine flags per generation."""
from .games import LEVEL_COLUMNS, MACHINE_GROUPS, TUTOR_GROUPS

CODE_STADIUM = 104
CODE_PURIFY = 107
_SPECIAL_CODES = {"stadium-surfing-pikachu": CODE_STADIUM, "xd-purification": CODE_PURIFY}

# Tutor moves of the grids, by our move id, in grid order.
CRYSTAL_TUTORS = [70, 232, 98]                                   # CM01-CM03
GEN3_TUTORS = [19, 34, 48, 52, 60, 118, 119, 122, 124, 167, 179, 196, 213, 222, 231, 338, 307,
               308, 54, 171, 151, 195, 100, 59, 132, 99, 218, 190, 221, 40, 233, 65, 77]  # MT01-MT33
GEN4_TUTORS = [338, 308, 307, 452]                               # TM93-TM96

# The source files Deoxys' FireRed/LeafGreen and Emerald moves under forms it leaves out;
# its tutor moves in those games (sTutorLearnsets of pokefirered and pokeemerald).
_DEOXYS_FRLG_TUTORS = ["mega-punch", "mega-kick", "body-slam", "double-edge", "counter", "seismic-toss",
                       "mimic", "dream-eater", "thunder-wave", "rock-slide", "substitute"]
FORM_TUTORS = {386: {
    "firered-leafgreen": _DEOXYS_FRLG_TUTORS,
    "emerald": _DEOXYS_FRLG_TUTORS + ["dynamic-punch", "psych-up", "snore", "icy-wind", "endure", "mud-slap",
                                      "ice-punch", "swagger", "sleep-talk", "swift", "thunder-punch",
                                      "fire-punch"],
}}


def learn_entries(pokemon, moves):
    """(our move id, version group, method, level) of everything a Pokemon learns."""
    out = []
    for entry in pokemon["moves"]:
        ours = moves.id_of_ref(entry["move"])
        if ours is None:
            continue
        for d in entry["version_group_details"]:
            out.append((ours, d["version_group"]["name"], d["move_learn_method"]["name"],
                        d["level_learned_at"]))
    return out


def form_tutor_entries(dex, moves_by_slug):
    """Learn entries of FORM_TUTORS; moves_by_slug gives our move id of a source move name."""
    return [(moves_by_slug[slug], group, "tutor", 0)
            for group, slugs in FORM_TUTORS.get(dex, {}).items() for slug in slugs]


def level_rows(entries):
    """Rows of eight level codes (one per column), one or more per move."""
    columns = {vg: i for i, (_, vg) in enumerate(LEVEL_COLUMNS)}
    levels = {}
    for move, group, method, level in entries:
        if group not in columns:
            continue
        if method == "level-up":
            code = level
        elif method in _SPECIAL_CODES:
            code = _SPECIAL_CODES[method]
        else:
            continue
        levels.setdefault(move, [[] for _ in LEVEL_COLUMNS])[columns[group]].append(code)
    rows = []
    for move, per_column in levels.items():
        for codes in per_column:
            codes.sort()
        for i in range(max(len(c) for c in per_column)):
            rows.append((move, [c[i] if i < len(c) else 0 for c in per_column]))

    def order(row):
        # newest game first; a column without the move sorts after every level
        return tuple(code if code else 1000 for code in reversed(row[1])) + (row[0],)
    return sorted(rows, key=order)


def machine_markers(entries, machine_numbers):
    """Markers (TM01, HM03, CM01, MT05, ...) per generation, sorted."""
    markers = {1: set(), 2: set(), 3: set(), 4: set()}
    for move, group, method, _ in entries:
        for gen, groups in MACHINE_GROUPS.items():
            if group in groups and method == "machine":
                marker = machine_numbers.get((group, move))
                if marker:
                    markers[gen].add(marker)
        for gen, groups in TUTOR_GROUPS.items():
            if group in groups and method == "tutor":
                marker = _tutor_marker(gen, move)
                if marker:
                    markers[gen].add(marker)
    rank = {"TM": 0, "HM": 1, "CM": 2, "MT": 2}
    return {gen: sorted(m, key=lambda k: (rank[k[:2]], k)) for gen, m in markers.items()}


def _tutor_marker(gen, move):
    if gen == 2 and move in CRYSTAL_TUTORS:
        return f"CM{CRYSTAL_TUTORS.index(move) + 1:02d}"
    if gen == 3 and move in GEN3_TUTORS:
        return f"MT{GEN3_TUTORS.index(move) + 1:02d}"
    if gen == 4 and move in GEN4_TUTORS:
        return f"TM{GEN4_TUTORS.index(move) + 93:02d}"
    return None


def machine_numbers(api, moves):
    """(version group, our move id) -> marker, from the source's machine data."""
    out = {}
    wanted = {g for groups in MACHINE_GROUPS.values() for g in groups}
    for ident in api.ids("machine"):
        m = api.get("machine", ident)
        group = m["version_group"]["name"]
        if group not in wanted:
            continue
        item = m["item"]["name"]          # tm01, hm05
        out[(group, moves.id_of_ref(m["move"]))] = item[:2].upper() + item[2:]
    return out
