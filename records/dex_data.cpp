#include "records/dex_data.h"

DexData& Data() {
  static DexData data;
  return data;
}

void ResetData() { Data() = DexData{}; }
