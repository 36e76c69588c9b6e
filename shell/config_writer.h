#pragma once
#include <memory>
#include <string>
#include <vector>

class TiXmlDocument;
class TiXmlElement;

// A small XML writer for the settings file: elements are built in a TinyXML
// document and written, laid out by TinyXML's printer, when closed.
class ConfigWriter {
 public:
  ConfigWriter();
  ~ConfigWriter();
  ConfigWriter(const ConfigWriter&) = delete;
  ConfigWriter& operator=(const ConfigWriter&) = delete;

  // Remembers the file and puts the XML declaration (version 1.0) in place.
  void Open(const std::string& file_name);
  void BeginElement(const char* name);
  void Attribute(const char* name, int value);
  // A child element holding one text node: the value in unsigned decimal.
  void IntElement(const char* name, unsigned value);
  void TextElement(const char* name, const std::string& text);
  void EndElement();
  // Ends every open element and writes the document. It goes to a temporary
  // file beside the target first and replaces the target only when complete,
  // so a failed write leaves the old file as it was. A symbolic link is
  // followed (the file it points to is replaced); an existing file we may not
  // write is left alone. False when nothing was written.
  bool Close();

 private:
  std::string file_name_;
  std::unique_ptr<TiXmlDocument> document_;
  std::vector<std::unique_ptr<TiXmlElement>> open_;  // parents of current_
  std::unique_ptr<TiXmlElement> current_;
};
