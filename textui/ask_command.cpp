#include "textui/ask_command.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "ask/answer_text.h"
#include "ask/ask_index.h"
#include "ask/learners.h"
#include "ask/matchups.h"
#include "ask/names.h"
#include "ask/places.h"
#include "ask/who_has.h"
#include "records/dex_data.h"
#include "textui/text_front_end.h"

namespace {

constexpr const char* kQuestions[] = {"--learns", "--ability", "--egg-group", "--type", "--at"};
constexpr const char* kChoices[] = {"--game", "--how", "--gen", "--version", "--time", "--format"};

// A name the user typed and the table entry it matched.
struct Match {
  std::string name;
  int value = 0;
};

std::optional<int> FindByName(const std::string& wanted, const std::vector<Match>& names) {
  const std::string key = ask::NameKey(wanted);
  for (const Match& m : names)
    if (ask::NameKey(m.name) == key) return m.value;
  return std::nullopt;
}

int Unknown(std::ostream& err, const std::string& what, const std::string& wanted,
            const std::vector<std::string>& candidates) {
  err << "faunary-text: there is no " << what << " \"" << wanted << "\"";
  const std::vector<std::string> closest = ask::ClosestNames(wanted, candidates);
  for (std::size_t i = 0; i < closest.size(); ++i) err << (i == 0 ? "; did you mean " : ", ") << closest[i];
  err << (closest.empty() ? "\n" : "?\n");
  return kExitUnknownPokemon;
}

std::vector<Match> TableNames(const KeyedTable& table, bool by_key) {
  std::vector<Match> names;
  for (std::size_t i = 1; i < table.size(); ++i) {
    const TableRow& row = table.Row(static_cast<int>(i));
    names.push_back({by_key ? row.key : row.text, static_cast<int>(i)});
  }
  return names;
}

std::vector<std::string> Names(const std::vector<Match>& matches) {
  std::vector<std::string> names;
  for (const Match& m : matches) names.push_back(m.name);
  return names;
}

std::optional<std::string> Choice(const AskRequest& request, const std::string& option) {
  for (const auto& [name, value] : request.choices)
    if (name == option) return value;
  return std::nullopt;
}

void Print(const ask::Table& table, const AskRequest& request, std::ostream& out) {
  if (request.tsv)
    out << ask::TabSeparated(table);
  else if (table.rows.empty())
    out << "(no Pokemon)\n";
  else
    out << ask::PlainText(table);
}

int Usage(std::ostream& err, const std::string& problem) {
  err << "faunary-text: " << problem << " (see --help)\n";
  return kExitUsage;
}

int AskLearns(const AskRequest& request, std::ostream& out, std::ostream& err) {
  std::vector<Match> moves;
  for (const auto& [name, id] : ask::MoveNames()) moves.push_back({name, id});
  const std::optional<int> move = FindByName(request.subject, moves);
  if (!move) return Unknown(err, "move", request.subject, Names(moves));
  std::optional<std::size_t> game;
  if (const auto wanted = Choice(request, "--game")) {
    std::string codes;
    for (std::size_t g = 0; g < ask::Games().size(); ++g) {
      codes += (g ? ", " : "") + std::string(ask::Games()[g].code);
      if (ask::NameKey(ask::Games()[g].code) == ask::NameKey(*wanted)) game = g;
    }
    if (!game) return Usage(err, "--game takes one of " + codes + ", not \"" + *wanted + "\"");
  }
  std::optional<ask::How> how;
  if (const auto wanted = Choice(request, "--how")) {
    for (const ask::How h : {ask::How::kLevel, ask::How::kMachine, ask::How::kTutor, ask::How::kEgg})
      if (ask::NameKey(*wanted) == ask::HowWord(h)) how = h;
    if (!how) return Usage(err, "--how takes level, machine, tutor or egg, not \"" + *wanted + "\"");
  }
  Print(ask::LearnTable(ask::WhoLearns(*move, game, how)), request, out);
  return kExitOk;
}

int AskAbility(const AskRequest& request, std::ostream& out, std::ostream& err) {
  const std::vector<Match> abilities = TableNames(Data().tables.abilities, true);
  const std::optional<int> ability = FindByName(request.subject, abilities);
  if (!ability) return Unknown(err, "ability", request.subject, Names(abilities));
  std::optional<int> generation;
  if (const auto wanted = Choice(request, "--gen")) {
    if (*wanted != "3" && *wanted != "4") return Usage(err, "--gen of --ability takes 3 or 4");
    generation = *wanted == "3" ? 3 : 4;
  }
  Print(ask::PokemonTable(ask::WhoHasAbility(*ability, generation), "Generations"), request, out);
  return kExitOk;
}

int AskEggGroup(const AskRequest& request, std::ostream& out, std::ostream& err) {
  const std::vector<Match> groups = TableNames(Data().tables.breedgroups, false);
  const std::optional<int> group = FindByName(request.subject, groups);
  if (!group) return Unknown(err, "egg group", request.subject, Names(groups));
  Print(ask::PokemonTable(ask::WhoIsInEggGroup(*group), "Egg groups"), request, out);
  return kExitOk;
}

int AskType(const AskRequest& request, std::ostream& out, std::ostream& err) {
  const std::vector<Match> types = TableNames(Data().tables.stdtypes, false);
  const std::size_t slash = request.subject.find('/');
  const std::string first = request.subject.substr(0, slash);
  const std::optional<int> type = FindByName(first, types);
  if (!type) return Unknown(err, "type", first, Names(types));
  int second = 0;
  if (slash != std::string::npos) {
    const std::string other = request.subject.substr(slash + 1);
    const std::optional<int> found = FindByName(other, types);
    if (!found) return Unknown(err, "type", other, Names(types));
    second = *found;
  }
  Print(ask::PokemonTable(ask::WhoHasType(*type, second), "Type"), request, out);
  return kExitOk;
}

int AskAt(const AskRequest& request, std::ostream& out, std::ostream& err) {
  std::optional<int> version;
  if (const auto wanted = Choice(request, "--version")) {
    std::string names;
    for (int v = 0; v < kVersionCount; ++v) {
      names += (v ? ", " : "") + std::string(kVersions[static_cast<std::size_t>(v)].name);
      if (ask::NameKey(kVersions[static_cast<std::size_t>(v)].name) == ask::NameKey(*wanted)) version = v;
    }
    if (!version) return Usage(err, "--version takes one of " + names + ", not \"" + *wanted + "\"");
  }
  std::optional<int> time;
  if (const auto wanted = Choice(request, "--time")) {
    time = ask::TimeBit(*wanted);
    if (!time) return Usage(err, "--time takes morning, day or night, not \"" + *wanted + "\"");
  }
  const std::vector<std::string> places = ask::PlaceNames();
  bool known = false;
  for (const std::string& place : places) known = known || ask::NameKey(place) == ask::NameKey(request.subject);
  const std::vector<ask::PlaceRow> rows = ask::WhoLivesAt(request.subject, version, time);
  if (!known && rows.empty()) return Unknown(err, "place", request.subject, places);
  Print(ask::PlaceTable(rows), request, out);
  return kExitOk;
}

int AskMatchups(const AskRequest& request, const std::optional<std::string>& pokemon, std::ostream& out,
                std::ostream& err) {
  if (!pokemon) return Usage(err, "--matchups needs a Pokemon");
  int generation = 4;
  if (const auto wanted = Choice(request, "--gen")) {
    if (wanted->size() != 1 || (*wanted)[0] < '1' || (*wanted)[0] > '4')
      return Usage(err, "--gen of --matchups takes 1, 2, 3 or 4");
    generation = (*wanted)[0] - '0';
  }
  std::vector<std::string> names;
  std::string id = ask::PokemonAt(*pokemon) < ask::Ask().pokemon.size() ? *pokemon : "";
  for (const ask::AskPokemon& p : ask::Ask().pokemon) {
    names.push_back(p.name);
    if (id.empty() && ask::NameKey(p.name) == ask::NameKey(*pokemon)) id = p.id;
  }
  if (id.empty()) return Unknown(err, "Pokemon with the id or name", *pokemon, names);
  const std::optional<ask::MatchupAnswer> answer = ask::Matchups(id, generation);
  if (!answer) {
    err << "faunary-text: " << ask::Ask().pokemon[ask::PokemonAt(id)].name << " is not in the games of generation "
        << generation << "\n";
    return kExitUsage;
  }
  const ask::Table table = ask::MatchupTable(*answer);
  if (request.tsv) {
    out << ask::TabSeparated(table);
  } else {
    out << ask::MatchupTitle(*answer) << "\n" << ask::PlainText(table, false);
  }
  return kExitOk;
}

}  // namespace

std::optional<std::string> TakeAskArgs(std::vector<std::string>& args, std::optional<AskRequest>& request) {
  // Without a question its options are left alone: --version alone is the program's.
  const bool any_question = std::any_of(args.begin(), args.end(), [](const std::string& arg) {
    return arg == "--matchups" || std::find(std::begin(kQuestions), std::end(kQuestions), arg) != std::end(kQuestions);
  });
  if (!any_question) return std::nullopt;
  std::vector<std::string> rest;
  AskRequest found;
  bool asked = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool question = std::find(std::begin(kQuestions), std::end(kQuestions), arg) != std::end(kQuestions);
    const bool choice = std::find(std::begin(kChoices), std::end(kChoices), arg) != std::end(kChoices);
    if (arg == "--matchups") {
      if (asked) return "only one question can be asked at a time";
      asked = true;
      found.question = "matchups";
    } else if (question || choice) {
      if (i + 1 == args.size()) return arg + " needs a value";
      const std::string& value = args[++i];
      if (question) {
        if (asked) return "only one question can be asked at a time";
        asked = true;
        found.question = arg.substr(2);
        found.subject = value;
      } else if (arg == "--format") {
        if (value != "tsv" && value != "text") return "--format takes tsv or text";
        found.tsv = value == "tsv";
      } else {
        found.choices.emplace_back(arg, value);
      }
    } else {
      rest.push_back(arg);
    }
  }
  args = rest;
  request = found;
  return std::nullopt;
}

int RunAsk(const AskRequest& request, const std::optional<std::string>& pokemon, std::ostream& out,
           std::ostream& err) {
  LoadTables();
  LoadIndex();
  LoadMoves();
  if (Index().empty()) {
    std::error_code error;
    err << "faunary-text: no Pokemon data found: neither data/pokemon.xml nor faunary.dat in "
        << std::filesystem::current_path(error).string() << " lists any Pokemon\n";
    return kExitNoStart;
  }
  if (request.question == "learns") return AskLearns(request, out, err);
  if (request.question == "ability") return AskAbility(request, out, err);
  if (request.question == "egg-group") return AskEggGroup(request, out, err);
  if (request.question == "type") return AskType(request, out, err);
  if (request.question == "at") return AskAt(request, out, err);
  return AskMatchups(request, pokemon, out, err);
}
