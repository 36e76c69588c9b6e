#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

// One row of a reference table: the key data files use, and its display text.
struct TableRow {
  std::string key;
  std::string text;
};

struct LocationRow {
  std::string text;
  std::string abbrev;  // the key
  bool hasParam = false;
};

struct EvoParam {
  std::int32_t id = 0;
  std::string text;
  std::string text2;
};

struct EvoMethod {
  std::string name;
  std::string text;
  bool usenum = false;  // the parameter is a plain number
  bool ignore = false;  // the method has no parameter
  std::vector<EvoParam> params;
};

// Rows in file order; a row's position is what records store. Lookups find
// the first row with a key, so duplicates keep both rows but only the first
// is ever found.
class KeyedTable {
 public:
  void Append(TableRow row);
  // 0 for an empty or unknown key, the same as the first row.
  int IndexOf(const std::string& key) const;
  // Texts of row n; empty texts for a position the table does not have.
  const TableRow& Row(int n) const;
  std::size_t size() const { return rows_.size(); }
  const std::vector<TableRow>& rows() const { return rows_; }

 private:
  std::vector<TableRow> rows_;
  std::unordered_map<std::string, int> first_;
};

struct DexTables {
  KeyedTable stdtypes;
  KeyedTable cntstypes;
  KeyedTable attktypes;
  KeyedTable movefx;
  KeyedTable contestfx;
  KeyedTable breedgroups;
  KeyedTable abilities;  // keyed by ability name
  KeyedTable colours;
  KeyedTable habitats;
  KeyedTable friendareas;
  std::vector<LocationRow> locations;
  std::unordered_map<std::string, int> location_first;
  std::map<std::int32_t, EvoMethod> evomethods;
};

// Fills every table from the ten reference files under data/, in start-up order.
void LoadTables();

int IndexOfKey(const std::string& text, const KeyedTable& table);
int IndexOfLocation(const std::string& text);
// The method with that id, or an empty method for an unknown id.
const EvoMethod& EvolutionMethod(std::int32_t id);
// Location row n; an empty row for a position the table does not have.
const LocationRow& LocationAt(int n);
