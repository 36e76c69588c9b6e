#include "records/xml_text.h"

#include <cstring>

#include "records/xml_document.h"
#include "records/xml_nesting.h"

namespace {
constexpr const char* kTooDeep = "Elements nested too deeply.";
}  // namespace

XmlParseResult ParseXmlText(std::string& text, XmlDocument& document) {
  if (const void* zero = std::memchr(text.data(), '\0', text.size()))
    text.resize(static_cast<std::size_t>(static_cast<const char*>(zero) - text.data()));
  text.append(kXmlTextPadding, '\0');

  if (XmlNestingDepth(text.c_str(), kMaxXmlNesting) > kMaxXmlNesting) return {XmlParse::kFailed, kTooDeep};
  document.ParseText(text.c_str());
  if (!document.Error()) return {XmlParse::kParsed, {}};
  if (document.ErrorId() == TiXmlBase::TIXML_ERROR_DOCUMENT_EMPTY) return {XmlParse::kEmpty, document.ErrorDesc()};
  return {XmlParse::kFailed, document.ErrorDesc()};
}
