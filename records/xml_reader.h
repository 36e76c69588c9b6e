#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TiXmlElement;
class XmlDocument;

// A cursor over the elements of one XML document, read from a file under the
// working directory or, when that fails, from the archive "faunary.dat".
// Every query answers "", 0 or false when there is nothing to answer with, so
// a loader written against it never needs to check the load itself.
class XmlReader {
 public:
  XmlReader();
  ~XmlReader();
  XmlReader(const XmlReader&) = delete;
  XmlReader& operator=(const XmlReader&) = delete;

  // Loads a document; on success the cursor stands on its first element.
  // With quiet set an archive record without content, or without markup,
  // fails silently.
  bool LoadDataFile(const std::string& name, bool quiet);

  std::string ChildText(const char* name) const;
  std::int32_t ChildInt(const char* name) const;
  std::string Attribute(const char* name) const;
  std::int32_t AttributeInt(const char* name) const;
  bool HasChild(const char* name) const;
  bool Enter(const char* name);
  void Leave();
  bool HasNextSibling() const;
  bool NextSibling();
  std::string CurrentName() const;
  // Calls visit with the name of each child element of the current element,
  // in document order; the cursor stays. One pass, where asking HasChild for
  // each of many possible markers would walk the children once per marker.
  void ForEachChildName(const std::function<void(const char* name)>& visit) const;
  // The same with each child's text, as ChildText would answer for it.
  void ForEachChildText(const std::function<void(const char* name, const std::string& text)>& visit) const;

  // The list idiom's step into the next item: the first item when the cursor
  // still stands on the list element, the next sibling afterwards.
  void StepToItem(const char* item);
  // Reads every item element of the list element `list` (the cursor stands
  // on its parent), calling read_item with the cursor on each, and returns
  // to the parent. Other elements between the items are skipped.
  template <typename ReadItem>
  void ForEachItem(const char* list, const char* item, ReadItem read_item);
  // The same for items lying directly under the current element.
  template <typename ReadItem>
  void ForEachTopItem(const char* item, ReadItem read_item);

  // For each of count names, the first child element of the current element
  // with that name (null when there is none), found in one pass over the
  // children. The names must differ from each other.
  void FindChildren(const char* const* names, std::size_t count, const TiXmlElement** found) const;
  // What ChildText, ChildInt and Attribute answer for an element found so.
  static std::string TextOf(const TiXmlElement* element);
  static std::int32_t IntOf(const TiXmlElement* element);
  static std::string AttributeOf(const TiXmlElement* element, const char* name);

 private:
  std::unique_ptr<XmlDocument> document_;
  const TiXmlElement* current_ = nullptr;
  std::vector<const TiXmlElement*> parents_;
};

// The fields of one record, read from the cursor's element: one pass over
// its children where a ChildText per field walks them once per field. As
// with ChildText, the first element of a name counts; a missing one reads
// as "" or 0.
template <std::size_t N>
class ChildFields {
 public:
  ChildFields(const XmlReader& reader, const std::array<const char*, N>& names) {
    reader.FindChildren(names.data(), N, found_.data());
  }
  bool Has(std::size_t field) const { return found_[field] != nullptr; }
  std::string Text(std::size_t field) const { return XmlReader::TextOf(found_[field]); }
  std::int32_t Int(std::size_t field) const { return XmlReader::IntOf(found_[field]); }
  std::string Attribute(std::size_t field, const char* name) const {
    return XmlReader::AttributeOf(found_[field], name);
  }

 private:
  std::array<const TiXmlElement*, N> found_{};
};

template <typename ReadItem>
void XmlReader::ForEachItem(const char* list, const char* item, ReadItem read_item) {
  if (!Enter(list)) return;
  ForEachTopItem(item, read_item);
  Leave();
}

template <typename ReadItem>
void XmlReader::ForEachTopItem(const char* item, ReadItem read_item) {
  // Without any item the cursor stays on the list element and nothing is read.
  if (!HasChild(item)) return;
  do {
    StepToItem(item);
    read_item();
  } while (HasNextSibling());
  Leave();
}
