#pragma once
#include <tinyxml.h>

// A TinyXML document that parses without the line and column bookkeeping of
// TiXmlDocument::Parse, which counts through the text again up to every node
// it reads (about a tenth of the parse). Nothing here reports positions; the
// nodes, the errors and their descriptions are TinyXML's own.
class XmlDocument : public TiXmlDocument {
 public:
  // As Parse(text, nullptr, TIXML_DEFAULT_ENCODING), positions left unset.
  void ParseText(const char* text);
};
