"""Read access to the two sources: the static API dump and the Mystery Dungeon Red data."""
import json
from pathlib import Path


def url_id(url):
    """The numeric id at the end of an API url such as ".../move/13/"."""
    return int(url.rstrip("/").rsplit("/", 1)[1])


def english(entries, key="name"):
    """The English value of a list of localised entries, or None."""
    for entry in entries or ():
        if entry["language"]["name"] == "en":
            return entry[key]
    return None


# The dump's folders the converter reads (a partial checkout needs only these).
RESOURCES = ("ability", "contest-effect", "contest-type", "egg-group", "encounter-condition",
             "encounter-condition-value", "encounter-method", "evolution-chain", "evolution-trigger",
             "generation", "growth-rate", "item", "location", "location-area", "machine", "move",
             "move-damage-class", "move-learn-method", "move-target", "pokemon", "pokemon-color",
             "pokemon-habitat", "pokemon-species", "region", "stat", "super-contest-effect", "type",
             "version", "version-group")


class ApiSource:
    """The dump's data/api/v2 folder: <resource>/<id>/index.json, each file read once.
    A file the folder lacks is read from `fill` (another dump folder) when one is given."""

    def __init__(self, root, fill=None):
        self.roots = [Path(root)] + ([Path(fill)] if fill else [])
        if not any((r / "pokemon-species").is_dir() for r in self.roots):
            raise SystemExit(f"{root}: not an API dump folder (no pokemon-species/)")
        self._cache = {}

    def _path(self, *parts):
        """The first root's file of that name (the last root's when none has it)."""
        for root in self.roots:
            if root.joinpath(*parts).exists():
                break
        return root.joinpath(*parts)

    def get(self, resource, ident):
        key = (resource, int(ident))
        if key not in self._cache:
            path = self._path(resource, str(int(ident)), "index.json")
            with open(path, encoding="utf-8") as f:
                self._cache[key] = json.load(f)
        return self._cache[key]

    def get_url(self, ref):
        """The resource a {"name", "url"} reference points at."""
        parts = ref["url"].rstrip("/").split("/")
        return self.get(parts[-2], int(parts[-1]))

    def ids(self, resource):
        return sorted({int(p.name) for root in self.roots if (root / resource).is_dir()
                       for p in (root / resource).iterdir() if p.name.isdigit()})

    def encounters(self, pokemon_id):
        path = self._path("pokemon", str(pokemon_id), "encounters", "index.json")
        if not path.exists():
            return []
        with open(path, encoding="utf-8") as f:
            return json.load(f)


class MdRedSource:
    """Mystery Dungeon Red: monster_data.json and dungeon/<Dungeon>/{pokemon_found,floor_id}.json."""

    def __init__(self, root):
        self.root = Path(root)
        with open(self.root / "monster_data.json", encoding="utf-8") as f:
            self.monsters = json.load(f)

    def dungeons(self):
        """(folder name, pokemon_found, floor_id) of every dungeon that lists Pokemon."""
        out = []
        for folder in sorted((self.root / "dungeon").iterdir()):
            found = folder / "pokemon_found.json"
            floors = folder / "floor_id.json"
            if not (found.exists() and floors.exists()):
                continue
            with open(found, encoding="utf-8") as f:
                found_data = json.load(f)
            with open(floors, encoding="utf-8") as f:
                floor_data = json.load(f)
            out.append((folder.name, found_data, floor_data))
        return out
