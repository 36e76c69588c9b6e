#include "calc/machine_tables.h"

#include <array>
#include <span>

#include "records/machine_moves.h"
#include "records/move.h"
#include "records/pokemon.h"

namespace {

using namespace machine_moves;

// What one page shows: how many cells of each kind and where their moves and
// flags come from.
struct PageLayout {
  std::span<const std::int32_t> tms;
  int tm_offset = 0;  // TM number and flag of cell i are i + tm_offset
  std::span<const std::int32_t> hms;
  std::span<const std::int32_t> cms;  // after the HMs, as CM1 and up
  int hm_flag_offset = 50;
  std::span<const std::int32_t> tutors;
  int tutor_flag_offset = 0;
};

// Diamond/Pearl's TM51-TM92, and TM93-TM96, the flags of its tutor.
constexpr std::size_t kGen4UpperTms = kGen4FirstTutorTm - 51;
constexpr std::span<const std::int32_t> kGen4UpperMachines = std::span(kTmGen4Upper).first(kGen4UpperTms);
constexpr std::span<const std::int32_t> kGen4Tutors = std::span(kTmGen4Upper).subspan(kGen4UpperTms);

PageLayout LayoutOf(int generation) {
  switch (generation) {
    case 1: return {kTmGen1, 0, kHmGen1, {}, 50, {}, 0};
    case 2: return {kTmGen2, 0, kHmGen2, kCrystalTutor, 50, {}, 0};
    case 3: return {kTmGen34, 0, kHmGen3, {}, 50, kTutorGen3, 58};
    case 4: return {kTmGen34, 0, {}, {}, 50, {}, 0};
    case kDpTms2Generation: return {kGen4UpperMachines, 50, kHmGen4, {}, 96, kGen4Tutors, 92};
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
  for (int i = 1; i <= static_cast<int>(page.tms.size()); ++i) {
    const std::int32_t move = page.tms[static_cast<std::size_t>(i - 1)];
    const int number = i + page.tm_offset;
    cells.push_back({MachineKind::kTm, i, 210 + i, CellX(i), CellRowY(10, i), "TM",
                     "TM" + std::to_string(number) + " - " + MoveName(move), move, number, generation});
  }
  const int hm_count = static_cast<int>(page.hms.size());
  for (int j = 1; j <= hm_count + static_cast<int>(page.cms.size()); ++j) {
    const bool cm = j > hm_count;
    const std::int32_t move = cm ? page.cms[static_cast<std::size_t>(j - hm_count - 1)]
                                 : page.hms[static_cast<std::size_t>(j - 1)];
    const std::string label = cm ? "CM" + std::to_string(j - hm_count) : "HM" + std::to_string(j);
    cells.push_back({cm ? MachineKind::kCm : MachineKind::kHm, j, 260 + j, CellX(j),
                     CellRowY(210, j), cm ? "CM" : "HM", label + " - " + MoveName(move), move,
                     page.hm_flag_offset + j, generation});
  }
  // After Diamond/Pearl's HMs, those HeartGold/SoulSilver replace.
  int extra = hm_count + static_cast<int>(page.cms.size());
  for (int j = 1; generation == kDpTms2Generation && j <= static_cast<int>(kHmHgss.size()); ++j) {
    const std::int32_t move = kHmHgss[static_cast<std::size_t>(j - 1)];
    if (move == page.hms[static_cast<std::size_t>(j - 1)]) continue;
    ++extra;
    cells.push_back({MachineKind::kHm, extra, 260 + extra, CellX(extra), CellRowY(210, extra), "HM",
                     "HGSS HM" + std::to_string(j) + " - " + MoveName(move), move, j, kHgssMachines,
                     kMachineCellWidth + 40});
  }
  for (int m = 1; m <= static_cast<int>(page.tutors.size()); ++m) {
    const std::int32_t move = page.tutors[static_cast<std::size_t>(m - 1)];
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
