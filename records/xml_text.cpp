#include "records/xml_text.h"

#include <tinyxml.h>

#include "records/xml_nesting.h"

namespace {
// The parser steps at most four bytes at a time (one UTF-8 character) and
// looks at most a few bytes ahead of where it stands.
constexpr std::size_t kZeroPadding = 16;
constexpr const char* kTooDeep = "Elements nested too deeply.";
}  // namespace

XmlParseResult ParseXmlText(std::string_view text, TiXmlDocument& document) {
  std::string padded;
  padded.reserve(text.size() + kZeroPadding);
  padded.append(text);
  padded.append(kZeroPadding, '\0');

  if (XmlNestingDepth(padded.c_str(), kMaxXmlNesting) > kMaxXmlNesting) return {XmlParse::kFailed, kTooDeep};
  document.Parse(padded.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
  if (!document.Error()) return {XmlParse::kParsed, {}};
  if (document.ErrorId() == TiXmlBase::TIXML_ERROR_DOCUMENT_EMPTY) return {XmlParse::kEmpty, document.ErrorDesc()};
  return {XmlParse::kFailed, document.ErrorDesc()};
}
