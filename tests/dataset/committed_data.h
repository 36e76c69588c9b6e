#pragma once
#include <string>

#include "records/pokemon.h"
#include "support/temp_workdir.h"

// How a test working directory holds the repository's committed data set.
enum class DataSource {
  kFiles,        // data/ and faunary.dat, as installed
  kArchiveOnly,  // faunary.dat alone: every file comes from the archive
};

std::string DataSourceName(DataSource source);

// Copies the committed data set into the working directory.
void InstallCommittedData(const TempWorkdir& dir, DataSource source);

// The data layer's part of start-up: tables, index, moves.
void LoadDataLayer();

// Every field of a record, one per line, for comparing records read in two ways.
std::string Describe(const DexPokemon& p);
