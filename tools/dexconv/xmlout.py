"""A small, deterministic XML writer: one element per line, one blank of indent per level;
an element holding only childless elements is written on one line, which keeps the
per-Pokemon records small."""
from xml.sax.saxutils import escape, quoteattr


class Node:
    __slots__ = ("tag", "attrs", "text", "children", "one_line")

    def __init__(self, tag, text=None, **attrs):
        self.one_line = False   # written on one line whatever it holds
        self.tag = tag
        self.attrs = attrs
        self.text = None if text is None else str(text)
        self.children = []

    def add(self, tag, text=None, **attrs):
        """Appends a child and returns it."""
        child = Node(tag, text, **attrs)
        self.children.append(child)
        return child

    def add_value(self, tag, value):
        """Appends a text child unless the value is empty or 0, which a reader gets anyway."""
        if value not in (None, "", 0):
            self.add(tag, value)

    def add_node(self, node):
        self.children.append(node)
        return node


def _inline(node):
    attrs = "".join(f" {k}={quoteattr(v)}" for k, v in node.attrs.items())
    if node.children:
        inner = "".join(_inline(c) for c in node.children)
        return f"<{node.tag}{attrs}>{inner}</{node.tag}>"
    if node.text:
        return f"<{node.tag}{attrs}>{escape(node.text)}</{node.tag}>"
    return f"<{node.tag}{attrs}/>"


def _write(node, depth, out):
    pad = " " * depth
    attrs = "".join(f" {k}={quoteattr(v)}" for k, v in node.attrs.items())
    if node.one_line or (node.children and all(not c.children for c in node.children)):
        out.append(pad + _inline(node))
    elif node.children:
        out.append(f"{pad}<{node.tag}{attrs}>")
        for child in node.children:
            _write(child, depth + 1, out)
        out.append(f"{pad}</{node.tag}>")
    elif node.text is not None and node.text != "":
        out.append(f"{pad}<{node.tag}{attrs}>{escape(node.text)}</{node.tag}>")
    else:
        out.append(f"{pad}<{node.tag}{attrs}/>")


def render(root):
    """The document text: declaration, the element tree, a final line end."""
    lines = ['<?xml version="1.0"?>']
    _write(root, 0, lines)
    text = "\n".join(lines) + "\n"
    if not text.isascii():
        raise ValueError(f"non-ASCII text in <{root.tag}>")
    return text


def keyed_rows(root, item, key_tag, text_tag, rows):
    """Appends one `item` per (key, text) pair to root; returns root."""
    for key, text in rows:
        row = root.add(item)
        row.add(key_tag, key)
        row.add(text_tag, text)
    return root
