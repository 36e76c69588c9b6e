"""Every cell of the machine grids names the move the games' machine of that number teaches.

The grids' move ids are transcribed below as facts; the source's machine data and tutor
learnsets must map onto them through the program's move numbering."""
import unittest

from tests.paths import API
from dexconv.movenumbers import MoveNumbers
from dexconv.source import ApiSource

# TM 1-50 per generation; generations 3 and 4 share one column.
TM_GEN1 = [119, 160, 222, 247, 118, 235, 93, 19, 226, 48, 24, 244, 98, 18, 95, 138, 212, 34, 179,
           156, 117, 197, 50, 232, 230, 55, 67, 43, 152, 227, 124, 47, 162, 15, 122, 180, 56, 64,
           221, 185, 196, 52, 186, 163, 231, 153, 60, 167, 237, 213]
TM_GEN2 = [54, 88, 38, 171, 166, 235, 251, 168, 151, 91, 214, 220, 195, 18, 95, 100, 149, 157, 80,
           59, 75, 197, 101, 51, 230, 55, 164, 43, 152, 181, 132, 47, 99, 218, 190, 192, 174, 64,
           221, 40, 233, 52, 42, 163, 8, 228, 206, 65, 77, 134]
TM_GEN34 = [264, 337, 352, 347, 166, 235, 258, 339, 331, 91, 214, 269, 98, 18, 95, 109, 149, 157,
            80, 173, 75, 197, 101, 232, 230, 55, 164, 43, 152, 181, 280, 47, 162, 351, 70, 192,
            174, 64, 317, 332, 259, 263, 290, 163, 8, 228, 206, 285, 289, 315]
TM_GEN4_51_92 = [373, 429, 430, 63, 380, 392, 469, 59, 424, 427, 261, 318, 391, 60, 439, 389,
                 278, 434, 415, 71, 462, 437, 231, 378, 222, 464, 151, 463, 417, 167, 422, 190,
                 381, 416, 52, 465, 218, 383, 387, 213, 448, 451]
HM = {1: [39, 72, 217, 208, 71], 2: [39, 72, 217, 208, 71, 246, 245],
      3: [39, 72, 217, 208, 71, 168, 245, 291], 4: [39, 72, 217, 208, 450, 168, 245, 449]}
CRYSTAL_TUTORS = [70, 232, 98]
GEN3_TUTORS = [19, 34, 48, 52, 60, 118, 119, 122, 124, 167, 179, 196, 213, 222, 231, 338, 307,
               308, 54, 171, 151, 195, 100, 59, 132, 99, 218, 190, 221, 40, 233, 65, 77]
GEN4_TUTORS = [338, 308, 307, 452]

MACHINE_GROUPS = {1: ["red-blue", "yellow"], 2: ["gold-silver", "crystal"],
                  3: ["ruby-sapphire", "emerald", "firered-leafgreen"], 4: ["diamond-pearl"]}
TUTOR_GROUPS = {2: ["crystal"], 3: ["emerald", "firered-leafgreen"], 4: ["diamond-pearl"]}


def grid(gen):
    """marker -> move id of every cell of a generation's grids."""
    tms = {1: TM_GEN1, 2: TM_GEN2, 3: TM_GEN34, 4: TM_GEN34 + TM_GEN4_51_92}[gen]
    cells = {f"TM{n:02d}": m for n, m in enumerate(tms, 1)}
    cells.update({f"HM{n:02d}": m for n, m in enumerate(HM[gen], 1)})
    if gen == 2:
        cells.update({f"CM{n:02d}": m for n, m in enumerate(CRYSTAL_TUTORS, 1)})
    if gen == 3:
        cells.update({f"MT{n:02d}": m for n, m in enumerate(GEN3_TUTORS, 1)})
    if gen == 4:
        cells.update({f"TM{n:02d}": m for n, m in enumerate(GEN4_TUTORS, 93)})
    return cells


class MachineCells(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not API.is_dir():
            raise unittest.SkipTest(f"no source at {API}")
        cls.api = ApiSource(API)
        cls.numbers = MoveNumbers(cls.api)

    def source_machines(self):
        """(version group, marker) -> source move of the source's machines."""
        out = {}
        for ident in self.api.ids("machine"):
            m = self.api.get("machine", ident)
            out[(m["version_group"]["name"], m["item"]["name"].upper())] = m["move"]
        return out

    def test_each_tm_and_hm_number_teaches_the_move_of_its_cell(self):
        machines = self.source_machines()
        for gen, groups in MACHINE_GROUPS.items():
            for group in groups:
                for marker, expected in grid(gen).items():
                    if marker[:2] not in ("TM", "HM") or (gen == 4 and int(marker[2:]) > 92 and marker[:2] == "TM"):
                        continue
                    with self.subTest(group=group, machine=marker):
                        move = machines[(group, marker)]
                        self.assertEqual(self.numbers.of_ref(move), expected)

    def test_tutor_cells_are_the_source_tutor_moves(self):
        tutors = {gen: set() for gen in TUTOR_GROUPS}
        for dex in range(1, 494):
            for entry in self.api.get("pokemon", dex)["moves"]:
                for d in entry["version_group_details"]:
                    for gen, groups in TUTOR_GROUPS.items():
                        if d["move_learn_method"]["name"] == "tutor" and d["version_group"]["name"] in groups:
                            tutors[gen].add(self.numbers.of_ref(entry["move"]))
        self.assertEqual(tutors[2], set(CRYSTAL_TUTORS))
        self.assertEqual(tutors[3], set(GEN3_TUTORS))
        self.assertEqual(tutors[4], set(GEN4_TUTORS))


if __name__ == "__main__":
    unittest.main()
