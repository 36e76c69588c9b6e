#pragma once
// The repository's committed data set in a test's working directory.
#include <filesystem>
#include <string>

#include "records/move.h"
#include "records/pokemon_index.h"
#include "records/tables.h"
#include "support/temp_workdir.h"

enum class DataSource {
  kFiles,        // data/ and faunary.dat, as installed
  kArchiveOnly,  // faunary.dat alone: every file comes from the archive
};

inline std::string DataSourceName(DataSource source) {
  return source == DataSource::kFiles ? "Files" : "ArchiveOnly";
}

// Copies the committed data set into the working directory and runs the data layer's part of
// start-up: tables, index, moves.
inline void LoadCommittedData(const TempWorkdir& dir, DataSource source) {
  namespace fs = std::filesystem;
  const fs::path repo(FAUNARY_REPO_DIR);
  fs::copy_file(repo / "faunary.dat", dir.path() / "faunary.dat");
  if (source == DataSource::kFiles)
    fs::copy(repo / "data", dir.path() / "data", fs::copy_options::recursive);
  LoadTables();
  LoadIndex();
  LoadMoves();
}
