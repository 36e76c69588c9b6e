"""The archive faunary.dat: the committed files, start-up files first, in a format the program can read."""
import unittest

from tests.paths import ARCHIVE, committed_files
from dexconv.archive import archive_bytes, read_archive
from dexconv.build import TABLE_FILES


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


if __name__ == "__main__":
    unittest.main()
