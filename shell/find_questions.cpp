#include "shell/find_questions.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>

#include "ask/learners.h"
#include "ask/places.h"
#include "ask/who_has.h"
#include "records/dex_data.h"

namespace {
constexpr std::intptr_t kAll = -1;

std::vector<Choice> TableChoices(const KeyedTable& table, bool by_key) {
  std::vector<Choice> choices;
  for (std::size_t i = 1; i < table.size(); ++i) {
    const TableRow& row = table.Row(static_cast<int>(i));
    const std::string& text = by_key ? row.key : row.text;
    if (!text.empty()) choices.push_back({text, static_cast<std::intptr_t>(i)});
  }
  return choices;
}

std::optional<std::size_t> GameOf(std::intptr_t game) {
  if (game < 0) return std::nullopt;
  return static_cast<std::size_t>(game);
}

template <typename Row>
std::vector<std::string> IdsOf(const std::vector<Row>& rows) {
  std::vector<std::string> ids;
  for (const Row& row : rows) ids.push_back(row.id);
  return ids;
}
}  // namespace

const char* QuestionText(Question question) {
  static constexpr std::array<const char*, kQuestionCount> kTexts{
      "learns the move", "has the ability", "is in the egg group", "has the type", "lives at"};
  return kTexts[static_cast<std::size_t>(question)];
}

std::vector<Choice> AnswerChoices(Question question) {
  std::vector<Choice> choices;
  const DexTables& tables = Data().tables;
  switch (question) {
    case Question::kLearns:
      for (const auto& [name, id] : ask::MoveNames()) choices.push_back({name, id});
      break;
    case Question::kAbility:
      choices = TableChoices(tables.abilities, true);
      break;
    case Question::kEggGroup:
      choices = TableChoices(tables.breedgroups, false);
      break;
    case Question::kType:
      choices = TableChoices(tables.stdtypes, false);
      break;
    case Question::kLivesAt: {
      const std::vector<std::string> places = ask::PlaceNames();
      for (std::size_t i = 0; i < places.size(); ++i) choices.push_back({places[i], static_cast<std::intptr_t>(i)});
      break;
    }
  }
  std::stable_sort(choices.begin(), choices.end(), [](const Choice& a, const Choice& b) { return a.text < b.text; });
  return choices;
}

std::vector<Choice> GameChoices(Question question) {
  std::vector<Choice> choices;
  switch (question) {
    case Question::kLearns:
      choices.push_back({"All games", kAll});
      for (std::size_t g = 0; g < ask::Games().size(); ++g)
        choices.push_back({ask::Games()[g].code, static_cast<std::intptr_t>(g)});
      break;
    case Question::kAbility:
      choices = {{"Generations 3 and 4", kAll}, {"Generation 3", 3}, {"Generation 4", 4}};
      break;
    case Question::kLivesAt:
      choices.push_back({"All versions", kAll});
      for (int v = 0; v < kVersionCount; ++v) choices.push_back({kVersions[static_cast<std::size_t>(v)].name, v});
      break;
    case Question::kEggGroup:
    case Question::kType:
      break;
  }
  return choices;
}

FoundRows FindAnswer(Question question, const Choice& answer, std::intptr_t game) {
  switch (question) {
    case Question::kLearns: {
      const auto rows = ask::WhoLearns(static_cast<std::int32_t>(answer.data), GameOf(game), std::nullopt);
      return {ask::LearnTable(rows), IdsOf(rows)};
    }
    case Question::kAbility: {
      const std::optional<int> generation = game < 0 ? std::nullopt : std::optional<int>(static_cast<int>(game));
      const auto rows = ask::WhoHasAbility(static_cast<int>(answer.data), generation);
      return {ask::PokemonTable(rows, "Generations"), IdsOf(rows)};
    }
    case Question::kEggGroup: {
      const auto rows = ask::WhoIsInEggGroup(static_cast<int>(answer.data));
      return {ask::PokemonTable(rows, "Egg groups"), IdsOf(rows)};
    }
    case Question::kType: {
      const auto rows = ask::WhoHasType(static_cast<int>(answer.data), 0);
      return {ask::PokemonTable(rows, "Type"), IdsOf(rows)};
    }
    case Question::kLivesAt: {
      const std::optional<int> version = game < 0 ? std::nullopt : std::optional<int>(static_cast<int>(game));
      const auto rows = ask::WhoLivesAt(answer.text, version, std::nullopt);
      return {ask::PlaceTable(rows), IdsOf(rows)};
    }
  }
  return {};
}

std::string FoundCountText(const FoundRows& found) {
  const std::size_t count = std::set<std::string>(found.ids.begin(), found.ids.end()).size();
  if (count == 0) return "No Pokemon";
  return std::to_string(count) + " Pokemon - double-click one to show it";
}
