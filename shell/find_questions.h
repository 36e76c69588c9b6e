#pragma once
// The Find dialog's questions as plain functions: what can be asked, the
// possible answers and game choices of each, and the answer as rows.
#include <cstdint>
#include <string>
#include <vector>

#include "ask/answer_text.h"

enum class Question { kLearns, kAbility, kEggGroup, kType, kLivesAt };
inline constexpr int kQuestionCount = 5;

// "learns the move", ...
const char* QuestionText(Question question);

struct Choice {
  std::string text;
  std::intptr_t data = 0;
};

// The possible answers, sorted by text: moves, abilities, egg groups, types or places.
std::vector<Choice> AnswerChoices(Question question);
// The games or versions the question can be limited to, "all" (data -1)
// first; none where the question has no game.
std::vector<Choice> GameChoices(Question question);

struct FoundRows {
  ask::Table table;
  std::vector<std::string> ids;  // the Pokemon of each row
};
// The answer to `question` with one of its answer choices, within one game choice's data.
FoundRows FindAnswer(Question question, const Choice& answer, std::intptr_t game);

// "12 Pokemon - double-click one to show it", or "No Pokemon".
std::string FoundCountText(const FoundRows& found);
