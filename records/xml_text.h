#pragma once
#include <string>
#include <string_view>

class TiXmlDocument;

// Elements nested deeper than this are refused before parsing; the data
// files nest a handful of levels.
inline constexpr int kMaxXmlNesting = 64;

enum class XmlParse {
  kParsed,  // the document holds what the text says
  kEmpty,   // no markup at all, only white space
  kFailed,  // not well-formed, or nested too deeply; see the description
};

struct XmlParseResult {
  XmlParse outcome = XmlParse::kFailed;
  std::string description;  // the parser's error description, for messages
};

// Parses text into document with TinyXML (encoding left to its detection).
// The parser works on a copy that ends in zero bytes beyond the terminator:
// inside a multi-byte character it steps over the terminator before looking
// at the next byte, which must then still be ours.
XmlParseResult ParseXmlText(std::string_view text, TiXmlDocument& document);
