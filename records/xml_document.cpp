#include "records/xml_document.h"

namespace {
// The UTF-8 byte order mark, which settles the encoding as TinyXML reads it.
bool StartsWithUtf8Mark(const char* p) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(p);
  return bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF;
}
}  // namespace

// TiXmlDocument::Parse step by step, each node parsed by its own routine
// without the parsing data that only tracks positions.
void XmlDocument::ParseText(const char* p) {
  ClearError();
  if (!p || !*p) {
    SetError(TIXML_ERROR_DOCUMENT_EMPTY, nullptr, nullptr, TIXML_ENCODING_UNKNOWN);
    return;
  }
  TiXmlEncoding encoding = StartsWithUtf8Mark(p) ? TIXML_ENCODING_UTF8 : TIXML_ENCODING_UNKNOWN;
  p = SkipWhiteSpace(p, encoding);
  while (p && *p) {
    TiXmlNode* node = Identify(p, encoding);
    if (!node) break;
    p = node->Parse(p, nullptr, encoding);
    LinkEndChild(node);
    // A declaration at the top names the encoding of the rest.
    if (encoding == TIXML_ENCODING_UNKNOWN && node->ToDeclaration()) {
      const char* named = node->ToDeclaration()->Encoding();
      encoding = *named == '\0' || StringEqual(named, "UTF-8", true, TIXML_ENCODING_UNKNOWN) ||
                         StringEqual(named, "UTF8", true, TIXML_ENCODING_UNKNOWN)
                     ? TIXML_ENCODING_UTF8
                     : TIXML_ENCODING_LEGACY;
    }
    p = SkipWhiteSpace(p, encoding);
  }
  if (!FirstChild()) SetError(TIXML_ERROR_DOCUMENT_EMPTY, nullptr, nullptr, encoding);
}
