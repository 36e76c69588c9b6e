"""The archive faunary.dat: every data file as a record "|{data/name}content|| in a row.

The program scans the archive from its first byte on every fallback, so the files read at
start-up come first and the per-Pokemon records follow in dex order."""

RECORD_START = '"|{'
RECORD_END = "||"


def archive_bytes(files):
    parts = []
    for name, content in files.items():
        if "}" in name or not content:
            raise ValueError(f"{name}: cannot be stored in the archive")
        # The content ends at the first two bars in a row, and may not end with a bar either;
        # a record start inside it would be taken for the next record by the scan.
        if "||" in content or content.endswith("|") or RECORD_START in content:
            raise ValueError(f"{name}: content would break the archive format")
        parts.append(f"{RECORD_START}{name}}}{content}{RECORD_END}\n")
    return "".join(parts).encode("ascii")


def write_archive(files, path):
    data = archive_bytes(files)
    if not path.exists() or path.read_bytes() != data:
        path.write_bytes(data)


def read_archive(data):
    """{name: content} of an archive, the first record of a name winning."""
    text = data.decode("ascii")
    out = {}
    pos = 0
    while True:
        start = text.find(RECORD_START, pos)
        if start < 0:
            return out
        name_end = text.index("}", start)
        name = text[start + len(RECORD_START):name_end]
        end = text.index(RECORD_END, name_end + 1)
        out.setdefault(name, text[name_end + 1:end])
        pos = end + len(RECORD_END)
