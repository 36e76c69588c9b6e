"""The archive faunary.dat holds exactly the committed files, those read at start-up first."""
import unittest

from tests.paths import ARCHIVE, committed_files
from dexconv.archive import read_archive
from dexconv.build import TABLE_FILES


class Archive(unittest.TestCase):
    def test_archive_holds_the_committed_files_start_up_files_first(self):
        stored = read_archive(ARCHIVE.read_bytes())
        self.assertEqual(stored, committed_files())
        first = [f"data/{n}" for n in TABLE_FILES] + ["data/pokemon.xml", "data/moves.xml", "data/pokemon/1.xml"]
        self.assertEqual(list(stored)[:len(first)], first)


if __name__ == "__main__":
    unittest.main()
