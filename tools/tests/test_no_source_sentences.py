"""The committed data holds facts only: no run of words from the source's dex entries,
descriptions or condition texts may appear in it."""
import json
import re
import unittest
import xml.etree.ElementTree as ET

from tests.paths import API, committed_files

RUN = 6  # words in a row that count as a copied sentence

# Source files and the keys of their sentences.
SENTENCE_RESOURCES = {
    "pokemon-species": ["flavor_text"],
    "move": ["flavor_text", "effect", "short_effect"],
    "ability": ["flavor_text", "effect", "short_effect"],
    "contest-effect": ["flavor_text", "effect"],
    "super-contest-effect": ["flavor_text"],
    "encounter-condition-value": ["name"],
    "encounter-method": ["name"],
    "move-learn-method": ["description"],
    "item": ["flavor_text", "effect", "short_effect", "text"],
}


def runs(text):
    words = re.findall(r"[a-z0-9']+", text.lower().replace("\u00e9", "e"))
    return {tuple(words[i:i + RUN]) for i in range(len(words) - RUN + 1)}


def english_texts(node, keys):
    if isinstance(node, dict):
        if node.get("language", {}).get("name") == "en":
            yield from (node[key] for key in keys if isinstance(node.get(key), str))
        node = list(node.values())
    if isinstance(node, list):
        for value in node:
            yield from english_texts(value, keys)


class NoSourceSentences(unittest.TestCase):
    def test_committed_texts_share_no_run_of_words_with_the_source(self):
        if not API.is_dir():
            self.skipTest(f"no source at {API}")
        source_runs = set()
        for resource, keys in SENTENCE_RESOURCES.items():
            for path in (API / resource).glob("*/index.json"):
                for text in english_texts(json.loads(path.read_text(encoding="utf-8")), keys):
                    source_runs |= runs(text)
        self.assertGreater(len(source_runs), 10000)  # the source's sentences were read
        copied = []
        for name, content in committed_files().items():
            for element in ET.fromstring(content).iter():
                for text in [element.text or ""] + list(element.attrib.values()):
                    if runs(text) & source_runs:
                        copied.append(f"{name}: <{element.tag}> {text!r}")
        self.assertEqual(copied[:20], [], f"{len(copied)} texts copied from the source")


if __name__ == "__main__":
    unittest.main()
