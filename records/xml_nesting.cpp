#include "records/xml_nesting.h"

#include <tinyxml.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "records/xml_plain_depth.h"

namespace {

// Walks the text as TinyXML's document and element parsers do, but with a
// stack of open elements instead of recursion. Everything that cannot nest
// (text, attributes, comments, CDATA, declarations, unknown tags) is read by
// the parser's own routines, so both agree byte for byte on where each piece
// ends. Wherever the parser would stop with an error, this stops too.
class NestingWalk : public TiXmlBase {
 public:
  static int Depth(const char* p, int limit) {
    TiXmlEncoding encoding = TIXML_ENCODING_UNKNOWN;
    const auto* bytes = reinterpret_cast<const unsigned char*>(p);
    if (bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)  // the UTF-8 byte order mark
      encoding = TIXML_ENCODING_UTF8;
    std::vector<std::string> end_tags;  // of the open elements, innermost last
    int deepest = 0;
    p = SkipWhiteSpace(p, encoding);
    while (p && *p) {
      const bool in_element = !end_tags.empty();
      if (in_element && *p != '<') {
        TiXmlText text("");
        p = text.Parse(p, nullptr, encoding);
      } else if (in_element && StringEqual(p, "</", false, encoding)) {
        p = ReadEndTag(p, end_tags.back(), encoding);
        end_tags.pop_back();
      } else {
        const Kind kind = Identify(p, encoding);
        if (kind == Kind::kNone) break;
        if (kind == Kind::kElement) {
          bool open = false;
          p = ReadStartTag(p, encoding, end_tags, open);
          deepest = std::max(deepest, static_cast<int>(end_tags.size()) + (open ? 0 : 1));
          if (deepest > limit) return limit + 1;
        } else {
          p = ReadLeaf(kind, p, encoding, !in_element);
        }
      }
      if (p) p = SkipWhiteSpace(p, encoding);
    }
    return deepest;
  }

 private:
  enum class Kind { kNone, kDeclaration, kComment, kCData, kUnknown, kElement };

  // TiXmlNode::Identify.
  static Kind Identify(const char* p, TiXmlEncoding encoding) {
    p = SkipWhiteSpace(p, encoding);
    if (!p || *p != '<') return Kind::kNone;
    if (StringEqual(p, "<?xml", true, encoding)) return Kind::kDeclaration;
    if (StringEqual(p, "<!--", false, encoding)) return Kind::kComment;
    if (StringEqual(p, "<![CDATA[", false, encoding)) return Kind::kCData;
    if (StringEqual(p, "<!", false, encoding)) return Kind::kUnknown;
    const auto next = static_cast<unsigned char>(p[1]);
    if (IsAlpha(next, encoding) || next == '_') return Kind::kElement;
    return Kind::kUnknown;
  }

  // A node without children; a declaration at the top level settles the
  // encoding as TiXmlDocument::Parse does.
  static const char* ReadLeaf(Kind kind, const char* p, TiXmlEncoding& encoding, bool top_level) {
    switch (kind) {
      case Kind::kDeclaration: {
        TiXmlDeclaration declaration;
        p = declaration.Parse(p, nullptr, encoding);
        if (top_level && encoding == TIXML_ENCODING_UNKNOWN) {
          const char* named = declaration.Encoding();
          encoding = *named == '\0' || StringEqual(named, "UTF-8", true, TIXML_ENCODING_UNKNOWN) ||
                             StringEqual(named, "UTF8", true, TIXML_ENCODING_UNKNOWN)
                         ? TIXML_ENCODING_UTF8
                         : TIXML_ENCODING_LEGACY;
        }
        return p;
      }
      case Kind::kComment: {
        TiXmlComment comment;
        return comment.Parse(p, nullptr, encoding);
      }
      case Kind::kCData: {
        TiXmlText text("");
        text.SetCDATA(true);
        return text.Parse(p, nullptr, encoding);
      }
      default: {
        TiXmlUnknown unknown;
        return unknown.Parse(p, nullptr, encoding);
      }
    }
  }

  // TiXmlElement::Parse up to the end of the start tag. open tells whether
  // the element holds content (then its end tag is pushed) or was empty.
  static const char* ReadStartTag(const char* p, TiXmlEncoding encoding, std::vector<std::string>& end_tags,
                                  bool& open) {
    p = SkipWhiteSpace(p, encoding);
    p = SkipWhiteSpace(p + 1, encoding);
    std::string name;
    p = ReadName(p, &name, encoding);
    if (!p || !*p) return nullptr;
    for (;;) {
      p = SkipWhiteSpace(p, encoding);
      if (!p || !*p) return nullptr;
      if (*p == '/') return p[1] == '>' ? p + 2 : nullptr;
      if (*p == '>') {
        end_tags.push_back("</" + name);
        open = true;
        return p + 1;
      }
      TiXmlAttribute attribute;
      p = attribute.Parse(p, nullptr, encoding);
      if (!p || !*p) return nullptr;
    }
  }

  // The end of TiXmlElement::Parse: "</name", white space, ">".
  static const char* ReadEndTag(const char* p, const std::string& end_tag, TiXmlEncoding encoding) {
    if (!StringEqual(p, end_tag.c_str(), false, encoding)) return nullptr;
    p = SkipWhiteSpace(p + end_tag.size(), encoding);
    return p && *p == '>' ? p + 1 : nullptr;
  }
};

}  // namespace

int XmlNestingDepth(const char* text, int limit) {
  // A plain document, as every data file is, is measured in one cheap pass;
  // anything else, or one that seems too deep, by the parser's own routines.
  const std::optional<int> plain = PlainXmlNestingDepth(text);
  if (plain && *plain <= limit) return *plain;
  return NestingWalk::Depth(text, limit);
}
