#pragma once
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// faunary-text's questions the other way round: who learns a move, who has an
// ability, an egg group or a type, who lives at a place, and what a Pokemon
// is weak to. They need only the data layer, never a window.

struct AskRequest {
  std::string question;  // "learns", "ability", "egg-group", "type", "at", "matchups"
  std::string subject;   // the move, ability, group, type(s) or place asked about
  std::vector<std::pair<std::string, std::string>> choices;  // --game, --how, --gen, --version, --time
  bool tsv = false;
};

// Takes the question and its options out of `args`; a message when they do
// not make one complete question.
std::optional<std::string> TakeAskArgs(std::vector<std::string>& args, std::optional<AskRequest>& request);

// Loads the data layer in the working directory and answers; `pokemon` is
// the Pokemon of --matchups. Returns the exit status.
int RunAsk(const AskRequest& request, const std::optional<std::string>& pokemon, std::ostream& out,
           std::ostream& err);
