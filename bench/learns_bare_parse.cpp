// The floor of `faunary-text --learns surf`: TinyXML loading exactly the files that question
// reads, in the same order (the ten reference files, the index, the move table, then every
// record the index names), and nothing else.
#include <tinyxml.h>

#include <string>
#include <vector>

int main() {
  static const char* const kFiles[] = {
      "data/types.xml",      "data/movefx.xml",    "data/contestfx.xml", "data/evolution.xml",
      "data/breedgroup.xml", "data/abilities.xml", "data/colours.xml",   "data/habitats.xml",
      "data/friendarea.xml", "data/location.xml",  "data/pokemon.xml",   "data/moves.xml"};
  std::vector<std::string> records;
  for (const char* name : kFiles) {
    TiXmlDocument document;
    if (!document.LoadFile(name) || !document.FirstChildElement()) return 1;
    if (std::string(name) != "data/pokemon.xml") continue;
    for (const TiXmlElement* p = document.RootElement()->FirstChildElement("pokemon"); p;
         p = p->NextSiblingElement("pokemon"))
      if (const TiXmlElement* file = p->FirstChildElement("loadfile"))
        records.push_back(std::string("data/") + file->Attribute("filename"));
  }
  for (const std::string& name : records) {
    TiXmlDocument document;
    if (!document.LoadFile(name.c_str()) || !document.FirstChildElement()) return 1;
  }
  return records.size() == 493 ? 0 : 1;
}
