#include "ask/learn_games.h"

#include <array>

#include "records/machine_moves.h"

namespace ask {
namespace {

using namespace machine_moves;

// Generation 3 tutors MT01-MT15 are taught in FireRed/LeafGreen and in Emerald,
// MT16-MT18 only in FireRed/LeafGreen, MT19-MT33 only in Emerald.
constexpr int kFrlgOnlyTutorsFrom = 16;
constexpr int kEmeraldOnlyTutorsFrom = 19;

std::string Numbered(const char* prefix, int number) {
  return prefix + std::string(number < 10 ? "0" : "") + std::to_string(number);
}

template <std::size_t N>
void AddMachines(std::vector<Teachable>& out, int generation, const std::array<std::int32_t, N>& moves,
                 const char* prefix, int first_number, int first_slot) {
  for (std::size_t i = 0; i < N; ++i) {
    const int n = static_cast<int>(i);
    out.push_back({generation, first_slot + n, moves[i], How::kMachine, Numbered(prefix, first_number + n)});
  }
}

std::vector<Teachable> Gen1() {
  std::vector<Teachable> t;
  AddMachines(t, 1, kTmGen1, "TM", 1, 1);
  AddMachines(t, 1, kHmGen1, "HM", 1, 51);
  return t;
}

std::vector<Teachable> Gen2(bool crystal) {
  std::vector<Teachable> t;
  AddMachines(t, 2, kTmGen2, "TM", 1, 1);
  AddMachines(t, 2, kHmGen2, "HM", 1, 51);
  if (crystal)
    for (std::size_t i = 0; i < kCrystalTutor.size(); ++i)
      t.push_back({2, 58 + static_cast<int>(i), kCrystalTutor[i], How::kTutor, "tutor"});
  return t;
}

enum class Gen3Game { kRubySapphire, kEmerald, kFireRedLeafGreen, kXd };

std::vector<Teachable> Gen3(Gen3Game game) {
  std::vector<Teachable> t;
  AddMachines(t, 3, kTmGen34, "TM", 1, 1);
  // Colosseum and XD have TMs but no HMs.
  if (game != Gen3Game::kXd) AddMachines(t, 3, kHmGen3, "HM", 1, 51);
  for (std::size_t i = 0; i < kTutorGen3.size(); ++i) {
    const int mt = static_cast<int>(i) + 1;
    const bool taught = (game == Gen3Game::kFireRedLeafGreen && mt < kEmeraldOnlyTutorsFrom) ||
                        (game == Gen3Game::kEmerald && (mt < kFrlgOnlyTutorsFrom || mt >= kEmeraldOnlyTutorsFrom));
    if (taught) t.push_back({3, 58 + mt, kTutorGen3[i], How::kTutor, "tutor"});
  }
  return t;
}

std::vector<Teachable> Gen4() {
  std::vector<Teachable> t;
  AddMachines(t, 4, kTmGen34, "TM", 1, 1);
  for (std::size_t i = 0; i < kTmGen4Upper.size(); ++i) {
    const int number = 51 + static_cast<int>(i);
    if (number < kGen4FirstTutorTm)
      t.push_back({4, number, kTmGen4Upper[i], How::kMachine, Numbered("TM", number)});
    else
      t.push_back({4, number, kTmGen4Upper[i], How::kTutor, "tutor"});
  }
  AddMachines(t, 4, kHmGen4, "HM", 1, 97);
  return t;
}

template <std::size_t N>
bool FlagIn(const std::array<bool, N>& flags, int slot) {
  return slot > 0 && static_cast<std::size_t>(slot) < N && flags[static_cast<std::size_t>(slot)];
}

}  // namespace

const std::vector<LearnGame>& Games() {
  static const std::vector<LearnGame> games{
      {"RB", 1, &LevelMove::rblvl, 0, false, Gen1()},
      {"Y", 1, &LevelMove::ylvl, 0, false, Gen1()},
      {"GS", 2, &LevelMove::gslvl, 2, false, Gen2(false)},
      {"C", 2, &LevelMove::clvl, 2, false, Gen2(true)},
      {"RS", 3, &LevelMove::rslvl, 3, false, Gen3(Gen3Game::kRubySapphire)},
      // Emerald's level-up moves are Ruby/Sapphire's.
      {"E", 3, &LevelMove::rslvl, 3, true, Gen3(Gen3Game::kEmerald)},
      {"FRLG", 3, &LevelMove::frlglvl, 3, false, Gen3(Gen3Game::kFireRedLeafGreen)},
      {"XD", 3, &LevelMove::xdlvl, 0, false, Gen3(Gen3Game::kXd)},
      {"DP", 4, &LevelMove::dplvl, 4, false, Gen4()},
  };
  return games;
}

bool HasFlag(const DexPokemon& record, const Teachable& teachable) {
  switch (teachable.flags_generation) {
    case 1: return FlagIn(record.gen1tm, teachable.slot);
    case 2: return FlagIn(record.gen2tm, teachable.slot);
    case 3: return FlagIn(record.gen3tm, teachable.slot);
    case 4: return FlagIn(record.gen4tm, teachable.slot);
    default: return false;
  }
}

std::string SpecialLevelWord(std::int32_t code) {
  switch (code) {
    case 101: return "evolution";
    case 102:
    case 103: return "gift";
    case 104: return "Stadium";
    case 105: return "event";
    case 106: return "XD";
    case 107: return "purification";
    default: return "";
  }
}

const char* HowWord(How how) {
  switch (how) {
    case How::kLevel: return "level";
    case How::kMachine: return "machine";
    case How::kTutor: return "tutor";
    case How::kEgg: return "egg";
  }
  return "";
}

}  // namespace ask
