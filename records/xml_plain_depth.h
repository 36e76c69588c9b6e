#pragma once
#include <optional>

// How deeply the elements of a plain document nest, found in one pass over its
// zero-terminated text. Plain means: elements with quoted attributes, end tags,
// character data, comments and XML declarations, all markup in ASCII, and
// nowhere a byte that could make TinyXML step over markup (a multi-byte
// character whose bytes run into ASCII, a character reference reaching past
// letters and digits). TinyXML then reads every piece exactly where this pass
// does, so the result is at least how deeply it recurses. Nothing for any other
// document (CDATA, DOCTYPE, processing instructions, top-level text, ...).
std::optional<int> PlainXmlNestingDepth(const char* text);
