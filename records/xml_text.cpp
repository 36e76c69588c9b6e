#include "records/xml_text.h"

#include <cstring>

#include "records/xml_document.h"
#include "records/xml_nesting.h"

namespace {
constexpr const char* kTooDeep = "Elements nested too deeply.";
}  // namespace

XmlParseResult ParseXmlText(std::string& text, XmlDocument& document) {
  const std::size_t size = text.size();
  text.append(kXmlTextPadding, '\0');
  return ParseXmlText(text.data(), size, document);
}

XmlParseResult ParseXmlText(char* text, std::size_t size, XmlDocument& document) {
  if (const void* zero = std::memchr(text, '\0', size))
    size = static_cast<std::size_t>(static_cast<const char*>(zero) - text);
  std::memset(text + size, '\0', kXmlTextPadding);

  if (XmlNestingDepth(text, kMaxXmlNesting) > kMaxXmlNesting) return {XmlParse::kFailed, kTooDeep};
  document.ParseText(text);
  if (!document.Error()) return {XmlParse::kParsed, {}};
  if (document.ErrorId() == TiXmlBase::TIXML_ERROR_DOCUMENT_EMPTY) return {XmlParse::kEmpty, document.ErrorDesc()};
  return {XmlParse::kFailed, document.ErrorDesc()};
}
