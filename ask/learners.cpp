#include "ask/learners.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "ask/ask_index.h"
#include "records/dex_data.h"

namespace ask {
namespace {

using Facts = std::vector<const LearnFact*>;

// The facts of one Pokemon in one game, turned into details: plain levels
// joined ("level 1, 11, 21"), special codes and teachables one each.
std::vector<std::pair<How, std::string>> Details(const Facts& facts) {
  std::set<std::int32_t> levels;
  std::vector<std::pair<How, std::string>> details;
  auto add = [&](How how, std::string text) {
    const std::pair<How, std::string> detail{how, std::move(text)};
    if (std::find(details.begin(), details.end(), detail) == details.end()) details.push_back(detail);
  };
  for (const LearnFact* fact : facts) {
    if (fact->how == How::kLevel) {
      const std::string word = SpecialLevelWord(fact->level);
      if (word.empty())
        levels.insert(fact->level);
      else
        add(How::kLevel, word);
    } else if (fact->how == How::kEgg) {
      add(How::kEgg, "egg");
    } else {
      add(fact->how, fact->teachable->label);
    }
  }
  if (!levels.empty()) {
    std::string text = "level";
    for (const std::int32_t level : levels) text += (text == "level" ? " " : ", ") + std::to_string(level);
    details.insert(details.begin(), {How::kLevel, text});
  }
  return details;
}

// The nearest pre-evolution (breadth first) whose facts in the game pass `has`.
template <typename Has>
std::optional<std::size_t> NearestAncestor(const AskIndex& index, std::size_t pokemon, Has has) {
  std::vector<std::size_t> frontier = index.pokemon[pokemon].preevolutions;
  std::set<std::size_t> seen;
  while (!frontier.empty()) {
    std::vector<std::size_t> next;
    for (const std::size_t p : frontier) {
      if (!seen.insert(p).second) continue;
      if (has(p)) return p;
      for (const std::size_t q : index.pokemon[p].preevolutions) next.push_back(q);
    }
    frontier = std::move(next);
  }
  return std::nullopt;
}

// The lowest pre-evolution that also hatches with the move: the species whose
// egg it really is (Azumarill's Belly Drum is Marill's).
std::optional<std::size_t> HatchingAncestor(const AskIndex& index, std::size_t pokemon,
                                            const std::map<std::size_t, Facts>& facts) {
  auto hatches = [&](std::size_t p) {
    const auto found = facts.find(p);
    return found != facts.end() &&
           std::any_of(found->second.begin(), found->second.end(),
                       [](const LearnFact* f) { return f->how == How::kEgg; });
  };
  std::optional<std::size_t> lowest;
  for (std::optional<std::size_t> at = pokemon;;) {
    at = NearestAncestor(index, *at, hatches);
    if (!at) return lowest;
    lowest = at;
  }
}

}  // namespace

std::vector<LearnRow> WhoLearns(std::int32_t move, std::optional<std::size_t> game, std::optional<How> how) {
  const AskIndex& index = Ask();
  const std::vector<LearnGame>& games = Games();
  // Facts by game, then by Pokemon.
  std::vector<std::map<std::size_t, Facts>> by_game(games.size());
  if (const auto found = index.by_move.find(move); found != index.by_move.end())
    for (const LearnFact& fact : found->second)
      if ((!game || fact.game == *game) && (!how || fact.how == *how))
        by_game[fact.game][fact.pokemon].push_back(&fact);

  std::vector<LearnRow> rows;
  for (std::size_t p = 0; p < index.pokemon.size(); ++p) {
    const AskPokemon& pokemon = index.pokemon[p];
    std::map<std::tuple<How, std::string, std::string>, std::vector<std::size_t>> grouped;
    std::vector<std::tuple<How, std::string, std::string>> order;
    auto add = [&](How h, const std::string& detail, const std::string& via, std::size_t g) {
      const auto key = std::make_tuple(h, detail, via);
      auto& list = grouped[key];
      if (list.empty()) order.push_back(key);
      if (list.empty() || list.back() != g) list.push_back(g);
    };
    for (std::size_t g = 0; g < games.size(); ++g) {
      if (games[g].generation < pokemon.firstgeneration) continue;
      const auto& facts = by_game[g];
      if (facts.empty()) continue;
      if (const auto own = facts.find(p); own != facts.end()) {
        const std::optional<std::size_t> hatched_as = HatchingAncestor(index, p, facts);
        for (const auto& [h, detail] : Details(own->second))
          add(h, detail, h == How::kEgg && hatched_as ? index.pokemon[*hatched_as].name : "", g);
        continue;
      }
      const auto learner = NearestAncestor(index, p, [&](std::size_t q) { return facts.count(q) > 0; });
      if (!learner) continue;
      const std::optional<std::size_t> hatched_as = HatchingAncestor(index, *learner, facts);
      for (const auto& [h, detail] : Details(facts.at(*learner)))
        add(h, detail, index.pokemon[h == How::kEgg && hatched_as ? *hatched_as : *learner].name, g);
    }
    if (order.empty()) continue;
    LearnRow row{pokemon.id, pokemon.dexno, pokemon.name, {}};
    for (const auto& key : order)
      row.ways.push_back({std::get<0>(key), std::get<1>(key), std::get<2>(key), grouped[key]});
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<std::pair<std::string, std::int32_t>> MoveNames() {
  std::vector<std::pair<std::string, std::int32_t>> names;
  for (const auto& [id, move] : Data().moves)
    if (!move.name.empty()) names.emplace_back(move.name, id);
  return names;
}

}  // namespace ask
