#pragma once
// The repository's committed data set copied into the working directory (faunary.dat, and
// data/ unless the archive alone is wanted), then the data layer's part of start-up.
#include <filesystem>

#include "records/move.h"
#include "records/pokemon_index.h"
#include "records/tables.h"

inline void LoadCommittedData(bool archive_only) {
  namespace fs = std::filesystem;
  const fs::path repo(FAUNARY_REPO_DIR);
  fs::copy_file(repo / "faunary.dat", "faunary.dat");
  if (!archive_only) fs::copy(repo / "data", "data", fs::copy_options::recursive);
  LoadTables();
  LoadIndex();
  LoadMoves();
}
