#include "texts/move_texts.h"

#include "port/dialog_ids.h"

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
                     MoveMethodText(entry.xdlvl), MoveMethodText(entry.dplvl),
                     MoveMethodText(entry.ptlvl), MoveMethodText(entry.hgsslvl)}});
  }
  return rows;
}

std::string PercentOf255Text(std::int32_t value) {
  // The data stores p% as p x 255 / 100 cut off, as the older games' tables do (and older
  // data sets rounded up); the nearest whole per cent gives p back either way. Widened so
  // that no value a data file can hold overflows.
  const std::int64_t scaled = static_cast<std::int64_t>(value) * 100;
  return std::to_string((scaled + (scaled < 0 ? -127 : 127)) / 255);
}

std::string AccuracyText(std::int32_t accuracy) {
  return accuracy == 0 ? "---" : PercentOf255Text(accuracy) + "%";
}

// Status moves and moves whose power is worked out in battle store 0 or 1; the
// games' summary screen shows dashes for both.
std::string PowerText(std::int32_t power) {
  return power <= 1 ? "---" : std::to_string(power);
}

MoveDetails ComposeMoveDetails(const DexMove& move) {
  const DexTables& t = Data().tables;
  return {move.name,
          {
              {kMoveName, move.name},
              {kMoveType, "Type: " + t.stdtypes.Row(move.type).text},
              {kMoveAttackType, "Attack Type: " + t.attktypes.Row(move.movetype).text},
              {kMovePower, "Power: " + PowerText(move.power)},
              {kMovePp, "PP: " + std::to_string(move.pp)},
              {kMoveAccuracy, "Accuracy: " + AccuracyText(move.accuracy)},
              {kMoveAffected, "Number affected: " + std::to_string(move.numaffected)},
              {kMoveEffectChance, "Effect accuracy: " + PercentOf255Text(move.movefxchance) + "%"},
              {kMoveEffect, t.movefx.Row(move.movefx).text},
              {kMoveContestType, "Contest Type: " + t.cntstypes.Row(move.contesttype).text},
              {kMoveAppeal, "Appeal: " + std::to_string(move.contestappeal)},
              {kMoveJam, "Jam: " + std::to_string(move.contestjam)},
              {kMoveContestEffect, t.contestfx.Row(move.contestfx).text},
              {kMoveSuperAppeal, "Super Contest Appeal: " + std::to_string(move.superappeal)},
              {kMoveSuperEffect, t.contestfx.Row(move.superfx).text},
              {1, "Done"},
          }};
}
