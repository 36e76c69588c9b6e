#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct DexPokemon;

// The machine pages are made with these generation numbers; the second
// Diamond/Pearl page carries TM51 and up.
inline constexpr int kDpTms2Generation = 9999;
// The tutor grid Platinum and HeartGold/SoulSilver share.
inline constexpr int kPtHgssTutorsGeneration = 9998;
// Cells that read HeartGold/SoulSilver's flags on a Diamond/Pearl page.
inline constexpr int kHgssMachines = 9997;

inline constexpr int kMachineCellWidth = 125;
inline constexpr int kTutorGridCellWidth = 155;
inline constexpr int kMachineCellHeight = 15;
enum class MachineKind { kTm, kHm, kCm, kTutor };

// One cell of a machine page: a static text naming one machine's move.
struct MachineCell {
  MachineKind kind;
  int number;             // i, j or m: the cell's place within its kind
  int control_id;         // 210 + i, 260 + j, 270 + m
  int x;
  int y;
  const char* window_name;  // "TM", "HM", "CM" or "Tutor"
  std::string text;         // e.g. "TM51 - " + the move's name
  std::int32_t move;        // move id of the move table
  int flag;                 // slot in the record's flag array of `source`
  int source;               // the page generation whose flags the cell reads
  int width = kMachineCellWidth;
};

// Control ids of every machine cell lie in this range.
inline constexpr int kFirstMachineCellId = 211;
inline constexpr int kLastMachineCellId = 309;

// The cells of the page for a generation, in creation order: TM cells, HM
// (and CM) cells, tutor cells. No cells for an unknown generation. Texts use
// the names of the move table loaded now.
std::vector<MachineCell> MachineCells(int generation);

// Whether the record has the flag in the array the page of `generation`
// reads (generation 4 for both Diamond/Pearl pages; either game's for the
// Platinum/HeartGold/SoulSilver tutor grid).
bool MachineFlag(const DexPokemon& record, int generation, int flag);

// The cell's text for the record: a tutor grid cell names the games that teach
// the move there (" (Pt, HGSS)", " (Pt)", " (HGSS)"); other cells keep theirs.
std::string MachineCellText(const MachineCell& cell, const DexPokemon& record);
