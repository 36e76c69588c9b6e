#include "ask/answer_text.h"

#include <map>

#include "ask/type_charts.h"
#include "records/dex_data.h"
#include "records/encounter.h"

namespace ask {
namespace {

std::string GamesText(const std::vector<std::size_t>& games) {
  std::string text;
  for (const std::size_t g : games) text += (text.empty() ? "" : ", ") + std::string(Games()[g].code);
  return text;
}

std::string TypeName(int type) { return Data().tables.stdtypes.Row(type).text; }

}  // namespace

std::string LearnText(const LearnRow& row) {
  std::string text;
  for (const LearnWay& way : row.ways) {
    if (!text.empty()) text += "; ";
    text += way.detail;
    if (!way.via.empty()) text += " as " + way.via;
    text += " (" + GamesText(way.games) + ")";
  }
  return text;
}

Table LearnTable(const std::vector<LearnRow>& rows) {
  Table table{{"No", "Pokemon", "Learns"}, {}};
  for (const LearnRow& row : rows) table.rows.push_back({std::to_string(row.dexno), row.name, LearnText(row)});
  return table;
}

Table PokemonTable(const std::vector<PokemonRow>& rows, const std::string& fact) {
  Table table{{"No", "Pokemon", fact}, {}};
  for (const PokemonRow& row : rows) {
    std::vector<std::string> cells{std::to_string(row.dexno), row.name};
    cells.insert(cells.end(), row.facts.begin(), row.facts.end());
    table.rows.push_back(std::move(cells));
  }
  return table;
}

Table PlaceTable(const std::vector<PlaceRow>& rows) {
  Table table{{"No", "Pokemon", "Version", "Place", "Levels", "Time", "Chance", "Way"}, {}};
  for (const PlaceRow& row : rows)
    table.rows.push_back({std::to_string(row.dexno), row.name, kVersions[static_cast<std::size_t>(row.version)].name,
                          row.place, LevelsText(row), TimeText(row), ChanceText(row), WayText(row)});
  return table;
}

std::string MatchupTitle(const MatchupAnswer& answer) {
  return std::to_string(answer.dexno) + " " + answer.name + " (" +
         (answer.type2 != 0 && answer.type2 != answer.type1 ? TypeName(answer.type1) + "/" + TypeName(answer.type2)
                                                            : TypeName(answer.type1)) +
         "), generation " + std::to_string(answer.generation);
}

Table MatchupTable(const MatchupAnswer& answer) {
  Table table{{"Against", "Multiplier", "Types"}, {}};
  // Highest first; x1 is left out.
  std::map<int, std::string, std::greater<>> groups;
  for (const TypeEffect& e : answer.effects) {
    if (e.multiplier == kTimesOne) continue;
    std::string& types = groups[e.multiplier];
    types += (types.empty() ? "" : ", ") + TypeName(e.type);
  }
  // x0 goes last, after the fractions.
  for (const auto& [m, types] : groups)
    if (m != 0) table.rows.push_back({"", MultiplierText(m), types});
  if (groups.count(0)) table.rows.push_back({"", "x0", groups[0]});
  for (const AbilityEffect& ability : answer.abilities) {
    std::string changes;
    for (const AbilityChange& c : ability.changes)
      changes += (changes.empty() ? "" : ", ") + TypeName(c.type) + " " + MultiplierText(c.after) + " (was " +
                 MultiplierText(c.before) + ")";
    if (!ability.note.empty()) changes += "; " + ability.note;
    table.rows.push_back({"with " + ability.ability, "", changes});
  }
  return table;
}

std::string PlainText(const Table& table, bool numbered) {
  std::string text;
  for (const auto& row : table.rows) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (row[i].empty()) continue;
      if (!line.empty()) line += numbered && i == 1 ? " " : "  ";
      line += row[i];
    }
    text += line + "\n";
  }
  return text;
}

std::string TabSeparated(const Table& table) {
  std::string text;
  auto add_line = [&](const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) text += (i ? "\t" : "") + cells[i];
    text += "\n";
  };
  add_line(table.columns);
  for (const auto& row : table.rows) add_line(row);
  return text;
}

}  // namespace ask
