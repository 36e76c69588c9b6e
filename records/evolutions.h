#pragma once
#include <cstdint>
#include <string>
#include <vector>

class XmlReader;

struct Evolution {
  std::int32_t evomethod = 0;  // a method id of the evolution table
  std::int32_t evoparam = 0;   // a number, or a position in the method's params
  std::string evolvesto;       // id of the Pokemon it evolves into
};

struct Height {
  std::int32_t ft = 0;
  std::int32_t in = 0;
};

// Reads an `evolutions` list (cursor on the Pokemon element), decoding each
// parameter against the evolution-method table.
std::vector<Evolution> ReadEvolutions(XmlReader& reader);
