"""Puts every part together and writes data/ and faunary.dat."""
from pathlib import Path

from . import tables
from .archive import write_archive
from .breeding import EggMoveMethods, Hatching, egg_move_texts
from .encounters import LocationTable, add_rows, wild_rows
from .evolutions import Evolutions, LAST_POKEMON
from .games import LEVEL_COLUMNS, MD_RED_CODE, VERSION_ELEMENTS, VersionGroups
from .learnsets import FORM_TUTORS, form_tutor_entries, learn_entries, level_rows, machine_markers, machine_numbers
from .mdred import MdRed
from .movenumbers import MoveNumbers
from .moves import MoveTables
from .platinum_moves import platinum_moves
from .platinum_hgss import Gen4Learnsets
from .pokemon import PokemonFacts
from .pret import Pret
from .source import ApiSource, MdRedSource
from .xmlout import Node, render

# Reference files in the order the program loads them at start-up.
TABLE_FILES = ["types.xml", "movefx.xml", "contestfx.xml", "evolution.xml", "breedgroup.xml",
               "abilities.xml", "colours.xml", "habitats.xml", "friendarea.xml", "location.xml"]
RECORD_FOLDER = "pokemon"


def build(api_dir, md_dir, pret_dir, full, fill_dir=None):
    """All files of a data set: {"data/...": text}, in archive order."""
    api = ApiSource(api_dir, fill_dir)
    md = MdRedSource(md_dir)
    pret = Pret(pret_dir)
    groups = VersionGroups(api)
    numbers = MoveNumbers(api)
    moves = MoveTables(api, numbers, platinum_moves(pret_dir), full)
    abilities = tables.Abilities(api, full)
    evolutions = Evolutions(api, moves, groups, pret.platinum)
    locations = LocationTable(api)
    PokemonFacts.load_item_names(api)

    dexes = range(1, LAST_POKEMON + 1)
    facts = {dex: PokemonFacts(api, pret, dex, abilities) for dex in dexes}
    gen4 = Gen4Learnsets(pret_dir, api, numbers)
    learned = {dex: gen4.entries(dex, learn_entries(facts[dex].raw, moves)) for dex in dexes}
    by_slug = {api.get("move", n)["name"]: numbers.ours(n) for n in numbers.source_ids()}
    for dex in FORM_TUTORS:
        learned[dex] += form_tutor_entries(dex, by_slug)
    mdred = MdRed(md, {dex: facts[dex].slug for dex in dexes})
    for key, name in mdred.dungeons.items():
        locations.add_row(key, f"{name} (%s)", True)
    machines = machine_numbers(api, moves)
    later = _later_stages(evolutions)
    egg_texts = EggMoveMethods(_breeding_facts(facts, evolutions), learned, later)
    hatching = Hatching(facts, evolutions)

    index = Node("pokedex")
    records = {}
    for dex in dexes:
        f = facts[dex]
        record = _record(f, evolutions, learned, machines, (hatching, egg_texts), moves, full, gen4)
        _add_dungeon_facts(record, mdred, dex)
        _add_locations(record, api, locations, mdred, dex)
        file_name = f"{RECORD_FOLDER}/{dex}.xml"
        records[f"data/{file_name}"] = render(record)
        entry = index.add("pokemon", id=str(dex))
        entry.one_line = True   # a smaller index parses faster at start-up
        _index_fields(entry, f, evolutions)
        entry.add("loadfile", filename=file_name)

    files = {
        "data/types.xml": tables.types_xml(api),
        "data/movefx.xml": moves.movefx_xml(),
        "data/contestfx.xml": moves.contestfx_xml(),
        "data/evolution.xml": evolutions.xml(),
        "data/breedgroup.xml": tables.breedgroup_xml(api),
        "data/abilities.xml": abilities.root,
        "data/colours.xml": tables.colours_xml(api),
        "data/habitats.xml": tables.habitats_xml(api),
        "data/friendarea.xml": mdred.friendarea_xml(),
        "data/location.xml": locations.xml(),
        "data/pokemon.xml": index,
        "data/moves.xml": moves.moves_xml(),
    }
    out = {name: render(node) for name, node in files.items()}
    out.update(records)
    return out


def _breeding_facts(facts, evolutions):
    """Per Pokemon: name, generation, whether it can be a father, and the breeding groups
    its eggs follow (a baby that cannot breed takes those of what it evolves into)."""
    out = {}
    for dex, f in facts.items():
        groups = f.regular_groups
        if not groups or f.breed1 == tables.NO_EGGS:
            for _, _, target in evolutions.by_species.get(dex, []):
                if facts[target].regular_groups:
                    groups = facts[target].regular_groups
                    break
        male = f.can_be_male and f.breed1 not in (tables.NO_EGGS, tables.DITTO, tables.DITTO_ONLY)
        out[dex] = {"name": f.name, "generation": f.generation, "male": male,
                    "breeding_groups": groups}
    return out


def _later_stages(evolutions):
    """dex -> every species it can evolve into, at any later stage."""
    def later(dex):
        out = set()
        for _, _, target in evolutions.by_species.get(dex, []):
            out |= {target, *later(target)}
        return out
    return {dex: later(dex) for dex in evolutions.by_species}


def _index_fields(node, f, evolutions):
    node.add("dexno", f.dex)
    node.add("name", f.name)
    node.add("height", ft=str(f.feet), **{"in": str(f.inches)})
    node.add("weight", f.weight)
    node.add("lowestevo", evolutions.lowest[f.dex])
    evolutions.add_to(node, f.dex)
    node.add("breedgroup1", f.breed1)
    node.add_value("breedgroup2", f.breed2)
    node.add("gender", f.gender)   # breeding partners must make a male-female pair
    for stat, tag in [("attack", "attack"), ("defense", "defense"), ("special-attack", "specattk"),
                      ("special-defense", "specdef"), ("speed", "speed"), ("hp", "hp")]:
        node.add(tag, f.stats[stat])
    node.add_value("rbyspec", f.rby_special)
    node.add("firstgeneration", f.generation)


def _record(f, evolutions, learned, machines, breeding, moves, full, gen4):
    r = Node("pokemon", id=str(f.dex))
    r.add("dexno", f.dex)
    r.add_value("johtodex", f.johto)
    r.add_value("hoenndex", f.hoenn)
    r.add_value("sinnohdex", f.sinnoh)
    r.add("name", f.name)
    r.add("species", f.species)
    r.add("type1", f.type1)
    r.add_value("type2", f.type2)
    r.add("height", ft=str(f.feet), **{"in": str(f.inches)})
    r.add("weight", f.weight)
    r.add("lowestevo", evolutions.lowest[f.dex])
    evolutions.add_to(r, f.dex)
    if full:
        for field, text in f.dex_entries.items():
            r.add_value(field, text)
    r.add("gender", f.gender)
    for field in ("wilditem8", "wilditem25", "wilditem100", "tradeitem", "ytradeitem", "rswilditem",
                  "frlgwilditem", "dpwilditem"):
        r.add_value(field, f.held[field])
    for stat, tag in [("attack", "attack"), ("defense", "defense"), ("special-attack", "specattk"),
                      ("special-defense", "specdef")]:
        r.add(tag, f.stats[stat])
    r.add_value("rbyspec", f.rby_special)
    r.add("speed", f.stats["speed"])
    r.add("hp", f.stats["hp"])
    r.add("catchrate", f.catch_rate)
    r.add_value("fastballeffect", f.fast_ball)
    r.add("heavyballeffect", f.heavy_ball)
    r.add("baseexperience", f.base_experience)
    r.add("expformula", f.growth)
    r.add("breedgroup1", f.breed1)
    r.add_value("breedgroup2", f.breed2)
    r.add("hatchsteps", f.hatch_steps)
    _breed_moves(r, f, learned, breeding, moves)
    rows = level_rows(learned[f.dex])
    if rows:
        lst = r.add("moves")
        for move, codes in rows:
            m = lst.add("move")
            m.add("id", move)
            for (tag, _), code in zip(LEVEL_COLUMNS, codes):
                m.add_value(tag, code)
    r.add("fromgeneration", f.generation)
    markers = machine_markers(learned[f.dex], machines)
    for gen in (1, 2, 3, 4):
        if markers[gen] and gen >= f.generation:
            flags = r.add(f"gen{gen}tm")
            for marker in markers[gen]:
                flags.add(marker)
    gen4.add_flags(r, learned[f.dex])
    r.add_value("dpgenderdiff", f.gender_difference)
    for gen in (3, 4):
        names = f.abilities[gen]
        if gen == 3 and f.generation > 3:
            continue
        for n, name in enumerate(names[:2], start=1):
            r.add(f"gen{gen}ability{n}", name)
    r.add_value("colour", f.colour)
    effort = r.add("statexpgain")
    for stat, marker in [("hp", "HP"), ("attack", "ATK"), ("defense", "DEF"),
                         ("special-attack", "SATK"), ("special-defense", "SDEF"), ("speed", "SPD")]:
        if f.effort.get(stat):
            effort.add(f"{marker}{f.effort[stat]}")
    r.add_value("habitat", f.habitat)
    return r


def _breed_moves(r, f, learned, breeding, moves):
    """Its own egg moves, and, when it can breed, those of the species that hatch from its eggs
    (the source lists them on that species only: Pikachu's on Pichu)."""
    hatching, egg_texts = breeding
    rows = egg_move_texts(f, learned, hatching, egg_texts)
    if not rows:
        return
    lst = r.add("breedmoves")
    for move in sorted(rows, key=lambda m: (moves.names[m].lower(), m)):
        b = lst.add("breedmove")
        b.add("id", move)
        for gen in (2, 3, 4):
            b.add_value(f"methodgen{gen}", rows[move].get(gen))


def _add_locations(record, api, locations, mdred, dex):
    wild = wild_rows(api, locations, dex)
    md_rows = mdred.rows.get(dex, [])
    for code, element in enumerate(VERSION_ELEMENTS):
        if code == MD_RED_CODE:
            add_rows(record, element, md_rows, dungeon=True)
        else:
            add_rows(record, element, wild.get(code, []))


def _add_dungeon_facts(record, mdred, dex):
    if dex not in mdred.facts:
        return
    body, rate, area = mdred.facts[dex]
    record.add("mdbodysize", body)
    record.add("mdrecruitrate", rate)
    record.add_value("friendarea", area)


def write(files, out_dir):
    """Writes the data files and the archive; removes data files of earlier runs."""
    out = Path(out_dir)
    data = out / "data"
    (data / RECORD_FOLDER).mkdir(parents=True, exist_ok=True)
    for name, text in files.items():
        path = out / name
        if not path.exists() or path.read_bytes() != text.encode("ascii"):
            path.write_bytes(text.encode("ascii"))
    wanted = {out / name for name in files}
    for folder in (data, data / RECORD_FOLDER):
        for path in folder.glob("*.xml"):
            if path not in wanted:
                path.unlink()
    write_archive(files, out / "faunary.dat")
