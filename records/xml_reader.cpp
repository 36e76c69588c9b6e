#include "records/xml_reader.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstring>
#include <optional>

#include "records/archive.h"
#include "records/atoi32.h"
#include "records/regular_file.h"
#include "records/report.h"
#include "records/xml_document.h"
#include "records/xml_text.h"

namespace {
const char* const kReaderErrorTitle = "XML Reader error";
// Far above any data file; a larger file is treated as unreadable.
constexpr std::size_t kMaxFileBytes = 64 * 1024 * 1024;

// Line ends become LF, as TinyXML's own file loading makes them, in place;
// answers the new size.
std::size_t ToUnixLineEnds(char* text, std::size_t size) {
  char* out = static_cast<char*>(std::memchr(text, '\r', size));
  if (!out) return size;
  const char* const end = text + size;
  for (const char* in = out; in < end; ++in) {
    if (*in != '\r') {
      *out++ = *in;
      continue;
    }
    *out++ = '\n';
    if (in + 1 < end && in[1] == '\n') ++in;
  }
  return static_cast<std::size_t>(out - text);
}

// Step 1 of a load: the file itself, when it is a readable regular file that
// parses without error.
bool ParseFile(const std::string& name, XmlDocument& document) {
  std::optional<FileBytes> text = ReadRegularFile(name, kMaxFileBytes, kXmlTextPadding);
  if (!text || text->size == 0) return false;
  const std::size_t size = ToUnixLineEnds(text->data.get(), text->size);
  return ParseXmlText(text->data.get(), size, document).outcome == XmlParse::kParsed;
}
}  // namespace

XmlReader::XmlReader() = default;
XmlReader::~XmlReader() = default;

bool XmlReader::LoadDataFile(const std::string& name, bool quiet) {
  current_ = nullptr;
  parents_.clear();
  document_ = std::make_unique<XmlDocument>();

  if (!ParseFile(name, *document_)) {
    // A file that is missing, empty, not a regular file or not well-formed
    // is looked up in the archive, which is scanned from its start on every
    // fallback.
    std::string content;
    switch (FindArchiveRecord(kArchiveFileName, name, content)) {
      case ArchiveLookup::kNotFound:
        return false;
      case ArchiveLookup::kEmptyContent:
        if (!quiet) Report("Empty file string", kReaderErrorTitle);
        return false;
      case ArchiveLookup::kFound:
        break;
    }
    document_ = std::make_unique<XmlDocument>();
    const XmlParseResult parsed = ParseXmlText(content, *document_);
    if (parsed.outcome != XmlParse::kParsed) {
      if (quiet && parsed.outcome == XmlParse::kEmpty) return false;
      // A damaged record would otherwise yield whatever part of it parsed.
      Report("Error when loading XML file " + name + ": " + parsed.description, kReaderErrorTitle);
      return false;
    }
  }

  const TiXmlElement* first = document_->FirstChildElement();
  if (!first) {
    Report("Error when loading XML file " + name + ": " + document_->ErrorDesc(),
           kReaderErrorTitle);
    return false;
  }
  current_ = first;
  return true;
}

namespace {
// The element's text when it is its only child, as it nearly always is; null otherwise.
const char* SoleText(const TiXmlElement* element) {
  const TiXmlNode* first = element->FirstChild();
  if (!first || first->NextSibling()) return nullptr;
  const TiXmlText* piece = first->ToText();
  return piece ? piece->Value() : nullptr;
}
}  // namespace

std::string XmlReader::TextOf(const TiXmlElement* element) {
  if (!element) return {};
  if (const char* sole = SoleText(element)) return sole;
  std::string text;
  for (const TiXmlNode* node = element->FirstChild(); node; node = node->NextSibling()) {
    if (const TiXmlText* piece = node->ToText()) text += piece->Value();
  }
  return text;
}

std::int32_t XmlReader::IntOf(const TiXmlElement* element) {
  if (!element) return 0;
  const char* sole = SoleText(element);
  return sole ? Atoi32(sole) : Atoi32(TextOf(element));
}

std::string XmlReader::AttributeOf(const TiXmlElement* element, const char* name) {
  const char* value = element ? element->Attribute(name) : nullptr;
  return value ? std::string(value) : std::string();
}

void XmlReader::FindChildren(const char* const* names, std::size_t count, const TiXmlElement** found) const {
  std::fill_n(found, count, nullptr);
  if (!current_ || count == 0) return;
  // Records list their fields in the order asked for, so the name after the
  // last one matched is tried first: one comparison per child, mostly.
  std::size_t next = 0;
  for (const TiXmlElement* child = current_->FirstChildElement(); child; child = child->NextSiblingElement()) {
    const char* name = child->Value();
    std::size_t i = next;
    for (std::size_t tried = 0; tried < count; ++tried) {
      if (names[i][0] == name[0] && std::strcmp(names[i], name) == 0) {
        if (!found[i]) found[i] = child;
        next = i + 1 == count ? 0 : i + 1;
        break;
      }
      if (++i == count) i = 0;
    }
  }
}

std::string XmlReader::ChildText(const char* name) const {
  if (!current_) return {};
  return TextOf(current_->FirstChildElement(name));
}

std::int32_t XmlReader::ChildInt(const char* name) const {
  if (!current_) return 0;
  return IntOf(current_->FirstChildElement(name));
}

std::string XmlReader::Attribute(const char* name) const { return AttributeOf(current_, name); }

std::int32_t XmlReader::AttributeInt(const char* name) const { return Atoi32(Attribute(name)); }

bool XmlReader::HasChild(const char* name) const {
  return current_ && current_->FirstChildElement(name) != nullptr;
}

bool XmlReader::Enter(const char* name) {
  if (!current_) return false;
  const TiXmlElement* child = current_->FirstChildElement(name);
  if (!child) return false;
  parents_.push_back(current_);
  current_ = child;
  return true;
}

void XmlReader::Leave() {
  if (parents_.empty()) return;
  current_ = parents_.back();
  parents_.pop_back();
}

bool XmlReader::HasNextSibling() const {
  return current_ && current_->NextSiblingElement(current_->Value()) != nullptr;
}

bool XmlReader::NextSibling() {
  if (!current_) return false;
  const TiXmlElement* next = current_->NextSiblingElement(current_->Value());
  if (!next) return false;
  current_ = next;
  return true;
}

void XmlReader::ForEachChildName(const std::function<void(const char* name)>& visit) const {
  if (!current_) return;
  for (const TiXmlElement* child = current_->FirstChildElement(); child; child = child->NextSiblingElement())
    visit(child->Value());
}

void XmlReader::ForEachChildText(
    const std::function<void(const char* name, const std::string& text)>& visit) const {
  if (!current_) return;
  for (const TiXmlElement* child = current_->FirstChildElement(); child; child = child->NextSiblingElement())
    visit(child->Value(), TextOf(child));
}

std::string XmlReader::CurrentName() const { return current_ ? current_->ValueStr() : std::string(); }

void XmlReader::StepToItem(const char* item) {
  if (CurrentName() == item)
    NextSibling();
  else
    Enter(item);
}
