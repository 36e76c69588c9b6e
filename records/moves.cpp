#include <array>

#include "records/dex_data.h"
#include "records/move.h"
#include "records/xml_reader.h"

namespace {
const DexMove kEmptyMove{};

enum MoveField : std::size_t {
  kName, kType, kMovetype, kMovefx, kMovefxchance, kPp, kPower, kAccuracy, kNumaffected, kContesttype,
  kContestappeal, kContestjam, kContestfx, kSuperappeal, kSuperfx, kMoveFieldCount
};

// In the order of the moves file, which the one-pass reading is quickest on.
constexpr std::array<const char*, kMoveFieldCount> kMoveFields{
    "name",        "type",        "movetype",      "movefx",     "movefxchance", "pp",
    "power",       "accuracy",    "numaffected",   "contesttype", "contestappeal", "contestjam",
    "contestfx",   "superappeal", "superfx"};

DexMove ReadMove(const XmlReader& r, const DexTables& t) {
  const ChildFields<kMoveFieldCount> f(r, kMoveFields);
  DexMove m;
  m.id = r.AttributeInt("id");
  m.name = f.Text(kName);
  m.type = IndexOfKey(f.Text(kType), t.stdtypes);
  m.movetype = IndexOfKey(f.Text(kMovetype), t.attktypes);
  m.movefx = IndexOfKey(f.Text(kMovefx), t.movefx);
  m.movefxchance = f.Int(kMovefxchance);
  m.pp = f.Int(kPp);
  m.power = f.Int(kPower);
  m.accuracy = f.Int(kAccuracy);
  m.numaffected = f.Int(kNumaffected);
  m.contesttype = IndexOfKey(f.Text(kContesttype), t.cntstypes);
  m.contestappeal = f.Int(kContestappeal);
  m.contestjam = f.Int(kContestjam);
  m.contestfx = IndexOfKey(f.Text(kContestfx), t.contestfx);
  m.superappeal = f.Int(kSuperappeal);
  m.superfx = IndexOfKey(f.Text(kSuperfx), t.contestfx);
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
