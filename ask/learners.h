#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ask/learn_games.h"

namespace ask {

// One way of learning, with the games (positions in Games()) where it holds.
struct LearnWay {
  How how;
  std::string detail;  // "level 31", "HM03", "tutor", "egg", "evolution"
  std::string via;     // the pre-evolution that learns it, or ""
  std::vector<std::size_t> games;
};

struct LearnRow {
  std::string id;
  std::int32_t dexno = 0;
  std::string name;
  std::vector<LearnWay> ways;  // in order of their first game
};

// Every Pokemon that can know the move, in national order, limited to one
// game and one way when given. A Pokemon that cannot learn it itself but
// evolves from one that can is listed with that Pokemon as `via`; so is one
// that gets it as an egg move only by hatching as its pre-evolution.
std::vector<LearnRow> WhoLearns(std::int32_t move, std::optional<std::size_t> game,
                                std::optional<How> how);

// The move table's names and their ids, for matching what a user typed.
std::vector<std::pair<std::string, std::int32_t>> MoveNames();

}  // namespace ask
