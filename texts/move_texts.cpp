#include "texts/move_texts.h"

#include <charconv>
#include <iterator>

#include "records/dex_data.h"

std::string MoveMethodText(std::int32_t code) {
  switch (code) {
    case 0: return "---";
    case 1: return "Always";
    case 101: return "Evol";
    case 102:
    case 103: return "Gift";
    case 104: return "Stadium";
    case 105: return "Event";
    case 106: return "XD";
    case 107: return "Purify";
    default: return std::to_string(code);
  }
}

std::vector<ListRow> LevelMoveRows(const DexPokemon& record) {
  std::vector<ListRow> rows;
  rows.reserve(record.moves.size());
  for (const LevelMove& entry : record.moves) {
    const DexMove& move = Move(entry.id);
    rows.push_back({move.name, move.type, move.id,
                    {MoveMethodText(entry.rblvl), MoveMethodText(entry.ylvl),
                     MoveMethodText(entry.gslvl), MoveMethodText(entry.clvl),
                     MoveMethodText(entry.rslvl), MoveMethodText(entry.frlglvl),
                     MoveMethodText(entry.xdlvl), MoveMethodText(entry.dplvl)}});
  }
  return rows;
}

std::string AccuracyPercentText(std::int32_t accuracy) {
  const double percent = static_cast<double>(accuracy) * 100.0 / 255.0;
  char buffer[32];
  const auto result =
      std::to_chars(std::begin(buffer), std::end(buffer), percent, std::chars_format::general, 6);
  return std::string(buffer, result.ptr);
}

std::string EffectPercentText(std::int32_t movefxchance) {
  // Widened so that no chance a data file can hold overflows the product; the
  // quotient always fits back.
  return std::to_string(static_cast<std::int64_t>(movefxchance) * 100 / 255);
}

MoveDetails ComposeMoveDetails(const DexMove& move) {
  const DexTables& t = Data().tables;
  return {move.name,
          {
              {321, move.name},
              {322, "Type: " + t.stdtypes.Row(move.type).text},
              {323, "Attack Type: " + t.attktypes.Row(move.movetype).text},
              {324, "Power: " + std::to_string(move.power)},
              {325, "PP: " + std::to_string(move.pp)},
              {326, "Accuracy: " + AccuracyPercentText(move.accuracy) + "%"},
              {327, "Number affected: " + std::to_string(move.numaffected)},
              {328, "Effect accuracy: " + EffectPercentText(move.movefxchance) + "%"},
              {329, t.movefx.Row(move.movefx).text},
              {330, "Contest Type: " + t.cntstypes.Row(move.contesttype).text},
              {331, "Appeal: " + std::to_string(move.contestappeal)},
              {332, "Jam: " + std::to_string(move.contestjam)},
              {333, t.contestfx.Row(move.contestfx).text},
              {334, "Super Contest Appeal: " + std::to_string(move.superappeal)},
              {335, t.contestfx.Row(move.superfx).text},
              {1, "Done"},
          }};
}
