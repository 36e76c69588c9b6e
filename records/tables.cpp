#include "records/tables.h"

#include <utility>

#include "records/dex_data.h"
#include "records/xml_reader.h"

namespace {

const TableRow kEmptyRow{};
const LocationRow kEmptyLocation{};
const EvoMethod kEmptyMethod{};

// Reads items directly under the document's first element into a table.
void ReadKeyedFile(const char* file, const char* item, const char* key, const char* text,
                   KeyedTable& table) {
  XmlReader reader;
  reader.LoadDataFile(file, false);
  reader.ForEachTopItem(item, [&] { table.Append({reader.ChildText(key), reader.ChildText(text)}); });
}

void ReadTypeGroup(XmlReader& reader, const char* group, KeyedTable& table) {
  reader.ForEachItem(group, "type", [&] {
    table.Append({reader.ChildText("abbrev"), reader.ChildText("name")});
  });
}

void ReadTypes(DexTables& t) {
  XmlReader reader;
  reader.LoadDataFile("data/types.xml", false);
  ReadTypeGroup(reader, "stdtype", t.stdtypes);
  ReadTypeGroup(reader, "cntstype", t.cntstypes);
  ReadTypeGroup(reader, "attktype", t.attktypes);
}

EvoMethod ReadEvoMethod(XmlReader& reader) {
  EvoMethod method;
  method.name = reader.ChildText("name");
  method.text = reader.ChildText("text");
  if (!reader.Enter("evoparam")) {
    method.ignore = true;
    return method;
  }
  if (reader.AttributeInt("usenum") == 1) {
    method.usenum = true;
  } else if (reader.AttributeInt("ignore") == 1) {
    method.ignore = true;
  } else {
    reader.ForEachTopItem("param", [&] {
      method.params.push_back(
          {reader.AttributeInt("id"), reader.ChildText("text"), reader.ChildText("text2")});
    });
  }
  reader.Leave();
  return method;
}

void ReadEvolutionMethods(DexTables& t) {
  XmlReader reader;
  reader.LoadDataFile("data/evolution.xml", false);
  reader.ForEachTopItem("evolution", [&] {
    const std::int32_t id = reader.AttributeInt("id");
    EvoMethod method = ReadEvoMethod(reader);
    t.evomethods.try_emplace(id, std::move(method));  // the first method with an id wins
  });
}

void ReadLocations(DexTables& t) {
  XmlReader reader;
  reader.LoadDataFile("data/location.xml", false);
  reader.ForEachTopItem("location", [&] {
    LocationRow row{reader.ChildText("text"), reader.ChildText("abbrev"),
                    reader.ChildInt("hasParam") != 0};
    t.location_first.try_emplace(row.abbrev, static_cast<int>(t.locations.size()));
    t.locations.push_back(std::move(row));
  });
}

}  // namespace

void KeyedTable::Append(TableRow row) {
  first_.try_emplace(row.key, static_cast<int>(rows_.size()));
  rows_.push_back(std::move(row));
}

int KeyedTable::IndexOf(const std::string& key) const {
  if (key.empty()) return 0;
  const auto it = first_.find(key);
  return it == first_.end() ? 0 : it->second;
}

const TableRow& KeyedTable::Row(int n) const {
  if (n < 0 || static_cast<std::size_t>(n) >= rows_.size()) return kEmptyRow;
  return rows_[static_cast<std::size_t>(n)];
}

void LoadTables() {
  DexTables& t = Data().tables;
  ReadTypes(t);
  ReadKeyedFile("data/movefx.xml", "movefx", "abbrev", "text", t.movefx);
  ReadKeyedFile("data/contestfx.xml", "contestfx", "abbrev", "text", t.contestfx);
  ReadEvolutionMethods(t);
  ReadKeyedFile("data/breedgroup.xml", "group", "abbrev", "name", t.breedgroups);
  ReadKeyedFile("data/abilities.xml", "ability", "name", "description", t.abilities);
  ReadKeyedFile("data/colours.xml", "colour", "abbrev", "text", t.colours);
  ReadKeyedFile("data/habitats.xml", "habitat", "abbrev", "text", t.habitats);
  ReadKeyedFile("data/friendarea.xml", "area", "abbrev", "text", t.friendareas);
  ReadLocations(t);
}

int IndexOfKey(const std::string& text, const KeyedTable& table) { return table.IndexOf(text); }

int IndexOfLocation(const std::string& text) {
  if (text.empty()) return 0;
  const auto& first = Data().tables.location_first;
  const auto it = first.find(text);
  return it == first.end() ? 0 : it->second;
}

const EvoMethod& EvolutionMethod(std::int32_t id) {
  const auto& methods = Data().tables.evomethods;
  const auto it = methods.find(id);
  return it == methods.end() ? kEmptyMethod : it->second;
}

const LocationRow& LocationAt(int n) {
  const auto& rows = Data().tables.locations;
  if (n < 0 || static_cast<std::size_t>(n) >= rows.size()) return kEmptyLocation;
  return rows[static_cast<std::size_t>(n)];
}
