#include "records/selection.h"

#include "records/dex_data.h"
#include "records/report.h"

DexPokemon SelectPokemon(const std::string& id) {
  DexData& data = Data();
  data.current_id = id;
  if (LoadPokemon(id)) {
    data.current = data.store.at(id);
  } else {
    Report("Invalid Pokemon selected", "No");
  }
  return data.current;
}

const std::string& CurrentId() { return Data().current_id; }
const DexPokemon& CurrentRecord() { return Data().current; }
