// The floor of the text front end's benchmark: TinyXML loading exactly the files that
// `faunary-text 25` reads (with a settings file that starts on Pokemon 1), in the same
// order, with its own file loading, and nothing else.
#include <tinyxml.h>

int main() {
  static const char* const kFiles[] = {
      "data/types.xml",     "data/movefx.xml",   "data/contestfx.xml", "data/evolution.xml",
      "data/breedgroup.xml", "data/abilities.xml", "data/colours.xml",   "data/habitats.xml",
      "data/friendarea.xml", "data/location.xml",  "data/pokemon.xml",   "data/moves.xml",
      "faunary.cfgx",        "data/pokemon/1.xml", "data/pokemon/25.xml"};
  for (const char* name : kFiles) {
    TiXmlDocument document;
    if (!document.LoadFile(name) || !document.FirstChildElement()) return 1;
  }
  return 0;
}
