"""Text clean-up: plain ASCII everywhere."""
import re
import unicodedata

_REPLACEMENTS = {
    "\u2640": " F", "\u2642": " M",            # Nidoran's gender signs
    "\u2019": "'", "\u2018": "'", "\u201c": '"', "\u201d": '"',
    "\u2013": "-", "\u2014": "-", "\u00d7": "x", "\u2026": "...",
    "\u00ad": "", "\u00a0": " ", "\u200b": "",
}

def ascii_text(text):
    """The text in plain ASCII (the program shows single-byte text); fails on anything unknown."""
    for old, new in _REPLACEMENTS.items():
        text = text.replace(old, new)
    text = unicodedata.normalize("NFKD", text)
    text = "".join(c for c in text if not unicodedata.combining(c))
    if not text.isascii():
        bad = sorted({c for c in text if not c.isascii()})
        raise ValueError(f"no ASCII form for {bad!r} in {text!r}")
    return text


def one_line(text):
    """Game text with its line and page breaks turned into single spaces."""
    # a zero-width space after a hyphen keeps the blank that the line break stood for
    text = text.replace("-\u200b\n", "- ").replace("-\n", "-").replace("\u00ad\n", "")
    return re.sub(r"\s+", " ", ascii_text(text)).strip()


def words_of_identifier(name):
    """Splits CamelCase and UPPER_SNAKE identifiers into capitalised words."""
    if "_" in name or name.isupper():
        parts = [p for p in name.split("_") if p]
    else:
        parts = re.findall(r"[A-Z][a-z]*|[0-9]+|[a-z]+", name)
    return [p.capitalize() for p in parts]
