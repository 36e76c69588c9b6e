"""Units and codes of the program, worked out from the source's values."""
import unittest

from tests.paths import ARCHIVE, DATA, committed_files
from dexconv.archive import archive_bytes, read_archive
from dexconv.build import TABLE_FILES
from dexconv.moves import accuracy_255, chance_255
from dexconv.pokemon import gender_code, heavy_ball_class, height_ft_in, weight_lbs


class Units(unittest.TestCase):
    def test_height_in_feet_and_inches(self):
        for decimetres, expected in [(7, (2, 4)), (4, (1, 4)), (3, (1, 0)), (17, (5, 7)),
                                     (145, (47, 7)), (1, (0, 4))]:
            self.assertEqual(height_ft_in(decimetres), expected, decimetres)

    def test_weight_in_whole_pounds(self):
        # 0.1 kg is 0.2 lbs, which the program shows for 0
        for hectograms, expected in [(1, 0), (4, 0), (5, 1), (69, 15), (905, 199), (4600, 1014)]:
            self.assertEqual(weight_lbs(hectograms), expected, hectograms)

    def test_gender_code_counts_sixteenths_male(self):
        for eighths_female, expected in [(-1, 17), (0, 16), (1, 14), (2, 12), (4, 8), (6, 4), (8, 0)]:
            self.assertEqual(gender_code(eighths_female), expected, eighths_female)

    def test_heavy_ball_classes(self):
        for hectograms, expected in [(69, 1), (1023, 1), (1024, 2), (2047, 2), (2048, 3),
                                     (3072, 4), (4095, 4), (4600, 5)]:
            self.assertEqual(heavy_ball_class(hectograms), expected, hectograms)

    def test_accuracy_on_the_255_scale(self):
        # the shown percentage is accuracy x 100 / 255
        for percent, expected in [(None, 255), (100, 255), (95, 242), (90, 229), (85, 216),
                                  (80, 204), (75, 191), (70, 178), (55, 140), (50, 127), (30, 76)]:
            self.assertEqual(accuracy_255(percent), expected, percent)

    def test_effect_chance_shows_the_game_percentage(self):
        for percent in [1, 2, 3, 5, 10, 20, 25, 30, 33, 40, 50, 60, 70, 80, 90, 100]:
            value = chance_255(percent)
            self.assertEqual(value * 100 // 255, percent, percent)
            self.assertLessEqual(value, 255)
        self.assertEqual(chance_255(None), 0)
        self.assertEqual(chance_255(0), 0)


class Archive(unittest.TestCase):
    def test_archive_holds_exactly_the_committed_files(self):
        stored = read_archive(ARCHIVE.read_bytes())
        self.assertEqual(stored, committed_files())

    def test_start_up_files_come_first(self):
        names = list(read_archive(ARCHIVE.read_bytes()))
        expected = [f"data/{n}" for n in TABLE_FILES] + ["data/pokemon.xml", "data/moves.xml"]
        self.assertEqual(names[:len(expected)], expected)
        self.assertEqual(names[len(expected)], "data/pokemon/1.xml")

    def test_contents_that_would_break_the_format_are_refused(self):
        for content in ["a||b", "ends with a bar|", '<x>"|{data/other}</x>', ""]:
            with self.assertRaises(ValueError, msg=content):
                archive_bytes({"data/x.xml": content})
        self.assertEqual(archive_bytes({"data/x.xml": "a|b"}), b'"|{data/x.xml}a|b||\n')

    def test_every_record_file_is_referenced_by_the_index(self):
        index = (DATA / "pokemon.xml").read_text(encoding="ascii")
        for path in (DATA / "pokemon").glob("*.xml"):
            self.assertIn(f'filename="pokemon/{path.name}"', index)


if __name__ == "__main__":
    unittest.main()
