#include "calc/machine_tables.h"

#include <array>
#include <span>

#include "records/move.h"
#include "records/pokemon.h"

namespace {

// Move ids behind TM1-TM50: generation 1, generation 2, generations 3 and 4,
// and TM 50 + row of generation 4 (rows 43-46 are its tutor moves TM93-TM96;
// rows 47-50 are unused).
struct TmRow {
  std::int32_t gen1, gen2, gen34, gen4_upper;
};
constexpr std::array<TmRow, 50> kTmTable{{
    {119, 54, 264, 373},  {160, 88, 337, 429},  {222, 38, 352, 430},  {247, 171, 347, 63},
    {118, 166, 166, 380}, {235, 235, 235, 392}, {93, 251, 258, 469},  {19, 168, 339, 59},
    {226, 151, 331, 424}, {48, 91, 91, 427},    {24, 214, 214, 261},  {244, 220, 269, 318},
    {98, 195, 98, 391},   {18, 18, 18, 60},     {95, 95, 95, 439},    {138, 100, 109, 389},
    {212, 149, 149, 278}, {34, 157, 157, 434},  {179, 80, 80, 415},   {156, 59, 173, 71},
    {117, 75, 75, 462},   {197, 197, 197, 437}, {50, 101, 101, 231},  {232, 51, 232, 378},
    {230, 230, 230, 222}, {55, 55, 55, 464},    {67, 164, 164, 151},  {43, 43, 43, 463},
    {152, 152, 152, 417}, {227, 181, 181, 167}, {124, 132, 280, 422}, {47, 47, 47, 190},
    {162, 99, 162, 381},  {15, 218, 351, 416},  {122, 190, 70, 52},   {180, 192, 192, 465},
    {56, 174, 174, 218},  {64, 64, 64, 383},    {221, 221, 317, 387}, {185, 40, 332, 213},
    {196, 233, 259, 448}, {52, 52, 263, 451},   {186, 42, 290, 338},  {163, 163, 163, 308},
    {231, 8, 8, 307},     {153, 228, 228, 452}, {60, 206, 206, 0},    {167, 65, 285, 0},
    {237, 77, 289, 0},    {213, 134, 315, 0},
}};

// HM cells per generation; in generation 2 the last three are CM1-CM3.
constexpr std::array<std::int32_t, 5> kHmGen1{39, 72, 217, 208, 71};
constexpr std::array<std::int32_t, 10> kHmGen2{39, 72, 217, 208, 71, 246, 245, 70, 232, 98};
constexpr std::array<std::int32_t, 8> kHmGen3{39, 72, 217, 208, 71, 168, 245, 291};
constexpr std::array<std::int32_t, 8> kHmGen4{39, 72, 217, 208, 450, 168, 245, 449};
constexpr int kGen2FirstCm = 8;
// HeartGold/SoulSilver's HMs: Whirlpool is HM05, where Diamond/Pearl have Defog.
constexpr std::array<std::int32_t, 8> kHmHgss{39, 72, 217, 208, 246, 168, 245, 449};

// The cells MT01-MT56 of the Platinum/HeartGold/SoulSilver grid: Platinum's shard tutors in its
// tutor table's order (HeartGold/SoulSilver's Frontier keeps it), the four taught once
// (Diamond/Pearl's TM93-TM96), HeartGold/SoulSilver's own Frontier tutors, and Ilex Forest's
// Headbutt.
constexpr std::array<std::int32_t, 56> kTutorPtHgss{
    291, 132, 77,  100, 171, 233, 65,  276, 99,  460, 419, 484, 398, 195, 203, 314, 270, 283, 136,
    7,   223, 324, 446, 428, 432, 459, 240, 420, 334, 411, 405, 340, 271, 257, 282, 407, 221, 253,
    338, 308, 307, 452, 215, 137, 209, 384, 374, 406, 277, 272, 89,  112, 186, 335, 468, 88};

// The generation 3 move tutors, MT01-MT33.
constexpr std::array<std::int32_t, 33> kTutorGen3{
    19,  34,  48,  52,  60,  118, 119, 122, 124, 167, 179, 196, 213, 222, 231, 338, 307,
    308, 54,  171, 151, 195, 100, 59,  132, 99,  218, 190, 221, 40,  233, 65,  77};

// What one page shows: how many cells of each kind and where their moves and
// flags come from.
struct PageLayout {
  int tm_count = 0;
  int tm_offset = 0;  // TM number and flag of cell i are i + tm_offset
  std::int32_t TmRow::*tm_column = nullptr;
  std::span<const std::int32_t> hms;
  int hm_flag_offset = 50;
  std::span<const std::int32_t> tutors;  // empty: tutors from the TM table
  int tutor_count = 0;
  int tutor_flag_offset = 0;
};

PageLayout LayoutOf(int generation) {
  switch (generation) {
    case 1: return {50, 0, &TmRow::gen1, kHmGen1, 50, {}, 0, 0};
    case 2: return {50, 0, &TmRow::gen2, kHmGen2, 50, {}, 0, 0};
    case 3: return {50, 0, &TmRow::gen34, kHmGen3, 50, kTutorGen3, 33, 58};
    case 4: return {50, 0, &TmRow::gen34, {}, 50, {}, 0, 0};
    case kDpTms2Generation: return {42, 50, &TmRow::gen4_upper, kHmGen4, 96, {}, 4, 92};
    default: return {};
  }
}

int CellX(int n) { return 10 + kMachineCellWidth * ((n - 1) % 5); }
int CellRowY(int first_y, int n) { return first_y + 20 * ((n - 1) / 5); }

std::string MoveName(std::int32_t id) { return Move(id).name; }

}  // namespace

namespace {

// Four to a row, wide enough for the names of the games that teach the move.
std::vector<MachineCell> TutorGridCells() {
  std::vector<MachineCell> cells;
  for (int m = 1; m <= static_cast<int>(kTutorPtHgss.size()); ++m) {
    const std::int32_t move = kTutorPtHgss[static_cast<std::size_t>(m - 1)];
    cells.push_back({MachineKind::kTutor, m, 210 + m, 10 + kTutorGridCellWidth * ((m - 1) % 4),
                     10 + 20 * ((m - 1) / 4), "Tutor", MoveName(move), move, kPtHgssFirstTutorSlot + m - 1,
                     kPtHgssTutorsGeneration, kTutorGridCellWidth});
  }
  return cells;
}

}  // namespace

std::vector<MachineCell> MachineCells(int generation) {
  if (generation == kPtHgssTutorsGeneration) return TutorGridCells();
  const PageLayout page = LayoutOf(generation);
  std::vector<MachineCell> cells;
  for (int i = 1; i <= page.tm_count; ++i) {
    const std::int32_t move = kTmTable[static_cast<std::size_t>(i - 1)].*page.tm_column;
    const int number = i + page.tm_offset;
    cells.push_back({MachineKind::kTm, i, 210 + i, CellX(i), CellRowY(10, i), "TM",
                     "TM" + std::to_string(number) + " - " + MoveName(move), move, number, generation});
  }
  for (int j = 1; j <= static_cast<int>(page.hms.size()); ++j) {
    const std::int32_t move = page.hms[static_cast<std::size_t>(j - 1)];
    const bool cm = generation == 2 && j >= kGen2FirstCm;
    const std::string label = cm ? "CM" + std::to_string(j - 7) : "HM" + std::to_string(j);
    cells.push_back({cm ? MachineKind::kCm : MachineKind::kHm, j, 260 + j, CellX(j),
                     CellRowY(210, j), cm ? "CM" : "HM", label + " - " + MoveName(move), move,
                     page.hm_flag_offset + j, generation});
  }
  // After Diamond/Pearl's HMs, those HeartGold/SoulSilver replace.
  int extra = static_cast<int>(page.hms.size());
  for (int j = 1; generation == kDpTms2Generation && j <= static_cast<int>(kHmHgss.size()); ++j) {
    const std::int32_t move = kHmHgss[static_cast<std::size_t>(j - 1)];
    if (move == page.hms[static_cast<std::size_t>(j - 1)]) continue;
    ++extra;
    cells.push_back({MachineKind::kHm, extra, 260 + extra, CellX(extra), CellRowY(210, extra), "HM",
                     "HGSS HM" + std::to_string(j) + " - " + MoveName(move), move, j, kHgssMachines,
                     kMachineCellWidth + 40});
  }
  for (int m = 1; m <= page.tutor_count; ++m) {
    const std::int32_t move = page.tutors.empty()
                                  ? kTmTable[static_cast<std::size_t>(42 + m - 1)].gen4_upper
                                  : page.tutors[static_cast<std::size_t>(m - 1)];
    cells.push_back({MachineKind::kTutor, m, 270 + m, CellX(m), CellRowY(250, m), "Tutor",
                     "Tutor " + MoveName(move), move, page.tutor_flag_offset + m, generation});
  }
  return cells;
}

namespace {
template <std::size_t N>
bool FlagIn(const std::array<bool, N>& flags, int flag) {
  return flag >= 0 && static_cast<std::size_t>(flag) < N && flags[static_cast<std::size_t>(flag)];
}
}  // namespace

bool MachineFlag(const DexPokemon& record, int generation, int flag) {
  switch (generation) {
    case 1: return FlagIn(record.gen1tm, flag);
    case 2: return FlagIn(record.gen2tm, flag);
    case 3: return FlagIn(record.gen3tm, flag);
    case 4:
    case kDpTms2Generation: return FlagIn(record.gen4tm, flag);
    case kHgssMachines: return FlagIn(record.hgsstm, flag);
    case kPtHgssTutorsGeneration: return FlagIn(record.pttm, flag) || FlagIn(record.hgsstm, flag);
    default: return false;
  }
}

std::string MachineCellText(const MachineCell& cell, const DexPokemon& record) {
  if (cell.source != kPtHgssTutorsGeneration) return cell.text;
  const bool pt = FlagIn(record.pttm, cell.flag);
  const bool hgss = FlagIn(record.hgsstm, cell.flag);
  if (pt && hgss) return cell.text + " (Pt, HGSS)";
  if (pt) return cell.text + " (Pt)";
  if (hgss) return cell.text + " (HGSS)";
  return cell.text;
}
