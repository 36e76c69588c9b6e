#pragma once
#include <cstddef>
#include <string>

class XmlDocument;

// Elements nested deeper than this are refused before parsing; the data
// files nest a handful of levels.
inline constexpr int kMaxXmlNesting = 64;

// The zero bytes a text gets behind its end before TinyXML parses it: inside
// a multi-byte character the parser steps over the terminator before looking
// at the next byte, which must then still be ours. It steps at most four
// bytes at a time and looks at most a few bytes ahead of where it stands.
inline constexpr std::size_t kXmlTextPadding = 16;

enum class XmlParse {
  kParsed,  // the document holds what the text says
  kEmpty,   // no markup at all, only white space
  kFailed,  // not well-formed, or nested too deeply; see the description
};

struct XmlParseResult {
  XmlParse outcome = XmlParse::kFailed;
  std::string description;  // the parser's error description, for messages
};

// Parses text into document with TinyXML (encoding left to its detection),
// in place: the text is cut at its first zero byte, where the parser stops,
// and padded (kXmlTextPadding), which copies nothing when it has that room.
XmlParseResult ParseXmlText(std::string& text, XmlDocument& document);
// The same for size bytes at text, behind which kXmlTextPadding more bytes
// are writable.
XmlParseResult ParseXmlText(char* text, std::size_t size, XmlDocument& document);
