#include "records/dex_data.h"
#include "records/move.h"
#include "records/xml_reader.h"

namespace {
const DexMove kEmptyMove{};

DexMove ReadMove(const XmlReader& r, const DexTables& t) {
  DexMove m;
  m.id = r.AttributeInt("id");
  m.name = r.ChildText("name");
  m.type = IndexOfKey(r.ChildText("type"), t.stdtypes);
  m.movetype = IndexOfKey(r.ChildText("movetype"), t.attktypes);
  m.movefx = IndexOfKey(r.ChildText("movefx"), t.movefx);
  m.movefxchance = r.ChildInt("movefxchance");
  m.pp = r.ChildInt("pp");
  m.power = r.ChildInt("power");
  m.accuracy = r.ChildInt("accuracy");
  m.numaffected = r.ChildInt("numaffected");
  m.contesttype = IndexOfKey(r.ChildText("contesttype"), t.cntstypes);
  m.contestappeal = r.ChildInt("contestappeal");
  m.contestjam = r.ChildInt("contestjam");
  m.contestfx = IndexOfKey(r.ChildText("contestfx"), t.contestfx);
  m.superappeal = r.ChildInt("superappeal");
  m.superfx = IndexOfKey(r.ChildText("superfx"), t.contestfx);
  return m;
}
}  // namespace

void LoadMoves() {
  DexData& data = Data();
  XmlReader reader;
  reader.LoadDataFile("data/moves.xml", false);
  reader.ForEachTopItem("move", [&] {
    DexMove move = ReadMove(reader, data.tables);
    data.moves.try_emplace(move.id, std::move(move));
  });
}

const DexMove& Move(std::int32_t id) {
  const auto& moves = Data().moves;
  const auto it = moves.find(id);
  return it == moves.end() ? kEmptyMove : it->second;
}
