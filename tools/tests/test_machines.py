"""Every cell of the program's machine grids (records/machine_moves.h) names the move the
games' machine or tutor of that number teaches, through the program's move numbering; the
converter numbers the tutor flags in the grid's order."""
import re
import unittest

from tests.paths import API, REPO
from dexconv.games import MACHINE_GROUPS, TUTOR_GROUPS
from dexconv.learnsets import CRYSTAL_TUTORS, GEN3_TUTORS, GEN4_TUTORS
from dexconv.movenumbers import MoveNumbers
from dexconv.source import ApiSource


def grids():
    """generation -> ({"TM01": move id, "HM01": ...}, [tutor move ids in grid order])."""
    header = (REPO / "records" / "machine_moves.h").read_text(encoding="ascii")
    ids = lambda name: [int(n) for n in re.findall(r"\d+", re.search(name + r"\{([^;]*);", header)[1])]
    numbered = lambda kind, moves, first=1: {f"{kind}{first + i:02d}": m for i, m in enumerate(moves)}
    upper = ids("kTmGen4Upper")
    gen4 = numbered("TM", ids("kTmGen34")) | numbered("TM", upper[:42], 51) | numbered("HM", ids("kHmGen4"))
    return {1: (numbered("TM", ids("kTmGen1")) | numbered("HM", ids("kHmGen1")), []),
            2: (numbered("TM", ids("kTmGen2")) | numbered("HM", ids("kHmGen2")), ids("kCrystalTutor")),
            3: (numbered("TM", ids("kTmGen34")) | numbered("HM", ids("kHmGen3")), ids("kTutorGen3")),
            4: (gen4, upper[42:])}


class MachineGrids(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not API.is_dir():
            raise unittest.SkipTest(f"no source at {API}")
        cls.api, cls.grids = ApiSource(API), grids()
        cls.numbers = MoveNumbers(cls.api)

    def test_tm_and_hm_cells_teach_the_games_machine_moves(self):
        machines = {}
        for ident in self.api.ids("machine"):
            m = self.api.get("machine", ident)
            machines.setdefault(m["version_group"]["name"], {})[m["item"]["name"].upper()] = \
                self.numbers.of_ref(m["move"])
        for gen, groups in MACHINE_GROUPS.items():
            for group in groups:
                self.assertEqual(machines[group], self.grids[gen][0], group)

    def test_tutor_cells_are_the_games_tutor_moves_in_the_converters_order(self):
        tutors = {gen: set() for gen in TUTOR_GROUPS}
        for dex in range(1, 494):
            for entry in self.api.get("pokemon", dex)["moves"]:
                for d in entry["version_group_details"]:
                    for gen, groups in TUTOR_GROUPS.items():
                        if d["move_learn_method"]["name"] == "tutor" and d["version_group"]["name"] in groups:
                            tutors[gen].add(self.numbers.of_ref(entry["move"]))
        for gen, converter in ((2, CRYSTAL_TUTORS), (3, GEN3_TUTORS), (4, GEN4_TUTORS)):
            self.assertEqual(self.grids[gen][1], converter, gen)
            self.assertEqual(tutors[gen], set(converter), gen)


if __name__ == "__main__":
    unittest.main()
