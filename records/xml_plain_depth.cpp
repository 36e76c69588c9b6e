#include "records/xml_plain_depth.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// What each byte can be in plain markup, one table lookup per byte.
enum ByteClass : unsigned char { kSpace = 1, kNameStart = 2, kNameChar = 4, kReference = 8, kPlain = 16 };

constexpr std::array<unsigned char, 256> kClasses = [] {
  std::array<unsigned char, 256> classes{};
  // TinyXML's white space wherever it skips some, in any locale.
  for (const char c : {' ', '\t', '\n', '\r'}) classes[static_cast<unsigned char>(c)] = kSpace;
  for (std::size_t c = 0; c < classes.size(); ++c) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    const bool digit = c >= '0' && c <= '9';
    if (letter || c == '_') classes[c] |= kNameStart;
    if (letter || digit || c == '_' || c == '-' || c == '.' || c == ':') classes[c] |= kNameChar;
    if (letter || digit || c == '#') classes[c] |= kReference;
    // One-byte characters that can neither end character data nor start a
    // reference: most of every text, skipped without the checks below.
    if (c > 0 && c < 0x80 && c != '&' && c != '<' && c != '"' && c != '\'') classes[c] |= kPlain;
  }
  return classes;
}();

bool Is(char c, ByteClass byte_class) { return (kClasses[static_cast<unsigned char>(c)] & byte_class) != 0; }
bool IsSpace(char c) { return Is(c, kSpace); }
bool IsNameStart(char c) { return Is(c, kNameStart); }
bool IsNameChar(char c) { return Is(c, kNameChar); }

void SkipSpace(const char*& p) {
  while (IsSpace(*p)) ++p;
}

// An ASCII name as TinyXML reads it; false when none starts here.
bool SkipName(const char*& p) {
  if (!IsNameStart(*p)) return false;
  while (IsNameChar(*p)) ++p;
  return true;
}

// How many bytes TinyXML takes for the character a byte starts in UTF-8.
int Utf8Length(unsigned char lead) { return lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1; }

// Character data (text, an attribute value) up to the byte end, where p then
// stands. TinyXML reads it character by character and might step over markup
// only inside a multi-byte character or a character reference ("&#...;" runs
// to the next semicolon); false when either could reach anything but letters
// and digits, or the text ends first.
bool SkipCharacters(const char*& p, char end) {
  for (;; ++p) {
    while (Is(*p, kPlain)) ++p;
    const char c = *p;
    if (c == end) return true;
    if (c == '\0') return false;
    if (c == '&' && p[1] == '#') {
      const char* q = p + 2;
      while (Is(*q, kReference)) ++q;
      if (*q != ';') return false;
      p = q;
      continue;
    }
    const int length = Utf8Length(static_cast<unsigned char>(c));
    for (int i = 1; i < length; ++i)
      if ((static_cast<unsigned char>(p[i]) & 0x80) == 0) return false;
  }
}

// After an attribute's name: white space, "=", white space and a quoted value.
bool SkipAttributeValue(const char*& p) {
  SkipSpace(p);
  if (*p != '=') return false;
  ++p;
  SkipSpace(p);
  const char quote = *p;
  if (quote != '"' && quote != '\'') return false;
  ++p;
  if (!SkipCharacters(p, quote)) return false;
  ++p;
  return true;
}

// After an element's name: its attributes, then ">" (open tells so) or "/>".
bool SkipStartTagRest(const char*& p, bool& open) {
  for (;;) {
    SkipSpace(p);
    if (*p == '>' || (p[0] == '/' && p[1] == '>')) {
      open = *p == '>';
      p += open ? 1 : 2;
      return true;
    }
    if (!SkipName(p)) return false;
    if (!SkipAttributeValue(p)) return false;
  }
}

// "<?xml", then attributes named as TinyXML reads them in a declaration, each
// after white space, then "?>".
bool SkipDeclaration(const char*& p) {
  if (std::strncmp(p, "<?xml", 5) != 0) return false;
  p += 5;
  for (;;) {
    const char* before = p;
    SkipSpace(p);
    if (p[0] == '?' && p[1] == '>') {
      p += 2;
      return true;
    }
    const char* name = p;
    if (p == before || !SkipName(p)) return false;
    const auto length = static_cast<std::size_t>(p - name);
    const bool known = (length == 7 && std::strncmp(name, "version", 7) == 0) ||
                       (length == 8 && std::strncmp(name, "encoding", 8) == 0) ||
                       (length == 10 && std::strncmp(name, "standalone", 10) == 0);
    if (!known) return false;
    if (!SkipAttributeValue(p)) return false;
  }
}

// "<!--" up to the first "-->" after it.
bool SkipComment(const char*& p) {
  if (std::strncmp(p, "<!--", 4) != 0) return false;
  const char* end = std::strstr(p + 4, "-->");
  if (!end) return false;
  p = end + 3;
  return true;
}

}  // namespace

std::optional<int> PlainXmlNestingDepth(const char* p) {
  int depth = 0;
  int deepest = 0;
  for (;;) {
    if (depth == 0) {
      SkipSpace(p);
      if (*p == '\0') return deepest;
      if (*p != '<') return std::nullopt;
    } else if (!SkipCharacters(p, '<')) {
      return std::nullopt;
    }
    // p stands on '<'.
    if (p[1] == '/') {
      if (depth == 0) return std::nullopt;
      p += 2;
      if (!SkipName(p)) return std::nullopt;
      SkipSpace(p);
      if (*p != '>') return std::nullopt;
      ++p;
      --depth;
    } else if (p[1] == '!') {
      if (!SkipComment(p)) return std::nullopt;
    } else if (p[1] == '?') {
      if (!SkipDeclaration(p)) return std::nullopt;
    } else {
      ++p;
      bool open = false;
      if (!SkipName(p) || !SkipStartTagRest(p, open)) return std::nullopt;
      deepest = std::max(deepest, depth + 1);
      if (open) ++depth;
    }
  }
}
