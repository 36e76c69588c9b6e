#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TiXmlDocument;
class TiXmlElement;

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

 private:
  std::unique_ptr<TiXmlDocument> document_;
  const TiXmlElement* current_ = nullptr;
  std::vector<const TiXmlElement*> parents_;
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
