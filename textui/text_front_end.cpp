#include "textui/text_front_end.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "backends/memory/memory_screen.h"
#include "records/dex_data.h"
#include "records/pokemon_index.h"
#include "port/control_ids.h"
#include "shell/page_framework.h"
#include "shell/pokemon_list.h"
#include "app/startup.h"
#include "port/win_constants.h"
#include "textui/ask_command.h"
#include "textui/calc_command.h"
#include "textui/move_text.h"
#include "textui/screen_text.h"

namespace {

constexpr const char* kUsage =
    "Usage: faunary-text [POKEMON] [--page TAB | --all] [--version NAME]\n"
    "       faunary-text POKEMON --calc FORM CHOICES\n"
    "       faunary-text --learns MOVE [--game G] [--how level|machine|tutor|egg]\n"
    "       faunary-text --ability NAME [--gen 3|4] | --egg-group NAME | --type TYPE[/TYPE]\n"
    "       faunary-text --at \"PLACE\" [--version V] [--time morning|day|night]\n"
    "       faunary-text POKEMON --matchups [--gen 1|2|3|4]\n"
    "       faunary-text --move MOVE\n"
    "       faunary-text --list | --help | --version\n"
    "\n"
    "Shows a page of Faunary as text, without a display. Run it in a directory\n"
    "holding data/ (or faunary.dat); the settings file faunary.cfgx there is read\n"
    "as usual but never written.\n"
    "\n"
    "  POKEMON      the Pokemon to show, by id (1) or by name (bulbasaur, any case);\n"
    "               without it the start Pokemon of the settings is shown\n"
    "  --page TAB   the tab to show, by its name (any case): Main, Attacks,\n"
    "               \"Pokedex Entries\", Breeding, Comparisons, Calculations, \"RBY TMs\",\n"
    "               \"GSC TMs\", \"RSEFRLG TMs\", \"DP TMs 1\", \"DP TMs 2\",\n"
    "               Tutors (Platinum, HeartGold/SoulSilver), Locations;\n"
    "               Main when not given\n"
    "  --all        show every tab in turn\n"
    "  --version NAME  on the Locations tab, show the rows of that game version\n"
    "               (Red, HeartGold, \"MD Red\", ...; any case); without it the first\n"
    "               version listed for the Pokemon; one the Pokemon does not list\n"
    "               exits 2\n"
    "  --calc FORM  work a calculator of the Calculations tab for the Pokemon and\n"
    "               print its result line as the dialog shows it; FORM and CHOICES:\n"
    "                 stats12 --stat STAT --level L --dv D --statexp E\n"
    "                 stats34 --stat STAT --level L --iv I --ev E\n"
    "                         --nature neutral|helping|hindering\n"
    "                 catch --level L --hp PERCENT --ball \"BALL NAME\"\n"
    "                       [--status normal|burn|poison|paralyze|freeze|sleep]\n"
    "                 exp-gained --level L  (the wild battle's line, then the\n"
    "                                       trainer battle's)\n"
    "                 exp-needed --level L\n"
    "               STAT is hp, attack, defense, speed, spatk or spdef; names and\n"
    "               balls in any case; a choice the dialog does not offer exits 3\n"
    "  --learns, --ability, --egg-group, --type, --at  list the Pokemon that\n"
    "               learn the move, have the ability, group or type, or live at\n"
    "               the place, in national order; G is RB, Y, GS, C, RS, E, FRLG,\n"
    "               XD or DP; V a version name (Crystal); names in any case,\n"
    "               without spaces, hyphens or apostrophes as well\n"
    "  --matchups   the damage multipliers against the Pokemon in a generation's\n"
    "               games (4 when not given), with its abilities' rows from 3 on\n"
    "  --format tsv print a question's rows tab-separated, under a header line\n"
    "  --move MOVE  show the details of a move, by name (any case; spaces, hyphens\n"
    "               and apostrophes do not count: \"will o wisp\")\n"
    "  --list       list the id and name of every Pokemon, in the list's order\n"
    "  --help       show this text\n"
    "  --version    alone: show the program's version (with --at: the game version)\n"
    "\n"
    "Exit status: 0 shown, 1 unknown Pokemon or move (a question's unknown move,\n"
    "ability, group, type or place: the closest names are suggested), 2 unknown\n"
    "tab or version, 3 bad arguments, 4 no Pokemon data found or the program could\n"
    "not start.\n";

struct Request {
  std::optional<std::string> pokemon;
  std::string page = "Main";
  bool page_given = false;
  std::optional<std::string> move;
  bool all = false;
  bool help = false;
  bool version = false;
  std::optional<std::string> game_version;
  bool list = false;
};

std::string Lowered(const std::string& text) {
  std::string lowered = text;
  for (char& c : lowered)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lowered;
}

// An error message for arguments that cannot be understood, or nothing.
std::optional<std::string> ParseArgs(const std::vector<std::string>& args, Request& request) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      request.help = true;
    } else if (arg == "--list") {
      request.list = true;
    } else if (arg == "--version") {
      // Followed by a name it picks a game version; alone it asks for the program's.
      if (i + 1 < args.size() && !args[i + 1].empty() && args[i + 1][0] != '-')
        request.game_version = args[++i];
      else
        request.version = true;
    } else if (arg.rfind("--version=", 0) == 0) {
      request.game_version = arg.substr(10);
    } else if (arg == "--all") {
      request.all = true;
    } else if (arg == "--page") {
      if (i + 1 == args.size()) return "--page needs a tab name";
      request.page = args[++i];
      request.page_given = true;
    } else if (arg.rfind("--page=", 0) == 0) {
      request.page = arg.substr(7);
      request.page_given = true;
    } else if (arg == "--move") {
      if (i + 1 == args.size()) return "--move needs a move name";
      request.move = args[++i];
    } else if (arg.rfind("--move=", 0) == 0) {
      request.move = arg.substr(7);
    } else if (arg.size() > 1 && arg[0] == '-') {
      return "unknown option " + arg;
    } else if (request.pokemon) {
      return "only one Pokemon can be shown, got " + *request.pokemon + " and " + arg;
    } else {
      request.pokemon = arg;
    }
  }
  if (request.move && (request.pokemon || request.page_given || request.all))
    return "--move shows a move alone, without a Pokemon, --page or --all";
  if (request.game_version && !request.all && Lowered(request.page) != "locations")
    return "--version NAME picks the version of the Locations tab (--page Locations or --all)";
  return std::nullopt;
}

std::optional<int> TabByName(const std::string& name) {
  for (int i = 0; i < kPageCount; ++i)
    if (Lowered(PageName(PageAtTab(i))) == Lowered(name)) return i;
  return std::nullopt;
}

// An id first, then the first name in list order, ignoring case.
std::optional<std::string> FindPokemon(const std::string& wanted) {
  if (IsPokemon(wanted)) return wanted;
  const std::string lowered = Lowered(wanted);
  for (const auto& [id, entry] : Index())
    if (Lowered(entry.name) == lowered) return id;
  return std::nullopt;
}

bool PickPokemon(const std::string& id) {
  const memtk::Control* list = memtk::FindControl(kPokemonListId);
  if (!list) return false;
  for (std::size_t i = 0; i < list->entries.size(); ++i) {
    const std::string* entry_id = PokemonIdOfItemData(list->entries[i].data);
    if (entry_id && *entry_id == id) {
      memtk::PickEntry(kPokemonListId, static_cast<int>(i));
      return true;
    }
  }
  return false;
}

// "id name" per line, as the Pokemon list shows them; the shell's completion reads it.
void PrintPokemonList(std::ostream& out) {
  const memtk::Control* list = memtk::FindControl(kPokemonListId);
  if (!list) return;
  for (const memtk::ComboEntry& entry : list->entries)
    if (const std::string* id = PokemonIdOfItemData(entry.data)) out << *id << ' ' << entry.text << '\n';
}

std::string TypeName(int image) {
  const std::string& name = Data().tables.stdtypes.Row(image).text;
  return name.empty() ? "type " + std::to_string(image) : name;
}

// Picks the game version on the Locations tab shown now; on failure the message naming the
// versions the Pokemon lists.
std::optional<std::string> PickVersion(const std::string& wanted) {
  const memtk::Control* combo = memtk::FindControl(kVersionComboId);
  if (!combo) return "the Locations tab shows no versions";
  std::string listed;
  for (std::size_t i = 0; i < combo->entries.size(); ++i) {
    if (Lowered(combo->entries[i].text) == Lowered(wanted)) {
      memtk::PickEntry(kVersionComboId, static_cast<int>(i));
      return std::nullopt;
    }
    listed += (i ? ", " : "") + combo->entries[i].text;
  }
  return "the Locations tab lists no version \"" + wanted + "\" for this Pokemon; it lists: " + listed;
}

// Prints the message boxes shown since the last call.
void PrintNewMessageBoxes(std::ostream& out, std::size_t& printed) {
  const auto& boxes = memtk::MessageBoxes();
  for (; printed < boxes.size(); ++printed) out << RenderMessageBox(boxes[printed]);
}

}  // namespace

int RunTextFrontEnd(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Request request;
  std::vector<std::string> rest = args;
  std::optional<CalcRequest> calc;
  if (const auto problem = TakeCalcArgs(rest, calc)) {
    err << "faunary-text: " << *problem << "\n" << kUsage;
    return kExitUsage;
  }
  std::optional<AskRequest> question;
  if (const auto problem = TakeAskArgs(rest, question)) {
    err << "faunary-text: " << *problem << "\n" << kUsage;
    return kExitUsage;
  }
  if (const auto problem = ParseArgs(rest, request)) {
    err << "faunary-text: " << *problem << "\n" << kUsage;
    return kExitUsage;
  }
  if (request.help) {
    out << kUsage;
    return kExitOk;
  }
  if (request.version) {
    out << "faunary-text " << FAUNARY_VERSION << "\n";
    return kExitOk;
  }
  if (question) return RunAsk(*question, request.pokemon, out, err);
  const std::optional<int> tab = TabByName(request.page);
  if (!tab) {
    err << "faunary-text: there is no tab \"" << request.page << "\" (see --help)\n";
    return kExitUnknownPage;
  }

  std::size_t printed = 0;
  const bool started = StartFaunary(tk::Instance{1}, SW_SHOWDEFAULT);
  if (Index().empty()) {
    // Whatever start-up said (a damaged file, say) explains the rest.
    PrintNewMessageBoxes(out, printed);
    std::error_code error;
    err << "faunary-text: no Pokemon data found: neither data/pokemon.xml nor faunary.dat in "
        << std::filesystem::current_path(error).string() << " lists any Pokemon\n";
    return kExitNoStart;
  }
  if (!started) {
    PrintNewMessageBoxes(out, printed);
    err << "faunary-text: the program could not start\n";
    return kExitNoStart;
  }
  if (request.move) {
    PrintNewMessageBoxes(out, printed);
    const int status = PrintMoveDetails(*request.move, out, err);
    PrintNewMessageBoxes(out, printed);
    return status;
  }
  if (request.list) {
    PrintPokemonList(out);
    return kExitOk;
  }
  if (request.pokemon) {
    const std::optional<std::string> id = FindPokemon(*request.pokemon);
    if (!id || !PickPokemon(*id)) {
      PrintNewMessageBoxes(out, printed);
      err << "faunary-text: there is no Pokemon with the id or name \"" << *request.pokemon
          << "\"\n";
      return kExitUnknownPokemon;
    }
  }

  // Messages of start-up and of the choice of Pokemon come before any page.
  PrintNewMessageBoxes(out, printed);
  if (calc) return RunCalculator(*calc, out, err);
  const int first = request.all ? 0 : *tab;
  const int last = request.all ? kPageCount - 1 : *tab;
  for (int page = first; page <= last; ++page) {
    memtk::SelectTab(kPageTabsId, page);
    if (request.game_version && memtk::FindControl(kVersionComboId)) {
      if (const auto problem = PickVersion(*request.game_version)) {
        PrintNewMessageBoxes(out, printed);
        err << "faunary-text: " << *problem << "\n";
        return kExitUnknownPage;
      }
    }
    if (request.all) out << (page > first ? "\n" : "") << "=== " << PageName(PageAtTab(page)) << " ===\n";
    PrintNewMessageBoxes(out, printed);
    out << RenderControls(memtk::Controls(), TypeName);
  }
  return kExitOk;
}
