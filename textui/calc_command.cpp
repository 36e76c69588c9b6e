#include "textui/calc_command.h"

#include <algorithm>
#include <array>

#include "backends/memory/memory_screen.h"
#include "pages/calculator_controls.h"
#include "port/control_ids.h"
#include "textui/screen_text.h"
#include "textui/text_front_end.h"

namespace {

struct Alias {
  const char* name;   // as typed
  const char* entry;  // as the list shows it
};

constexpr std::array<Alias, 6> kStatNames{{{"hp", "HP"},
                                           {"attack", "Attack"},
                                           {"defense", "Defense"},
                                           {"speed", "Speed"},
                                           {"spatk", "Special Attack"},
                                           {"spdef", "Special Defense"}}};
constexpr std::array<Alias, 3> kNatureNames{{{"neutral", "Neutral"}, {"helping", "Helping"}, {"hindering", "Hindering"}}};
constexpr std::array<Alias, 6> kStatusNames{{{"normal", "Normal"},
                                             {"burn", "Burn"},
                                             {"poison", "Poison"},
                                             {"paralyze", "Paralyze"},
                                             {"freeze", "Freeze"},
                                             {"sleep", "Sleep"}}};

enum class Kind { kNumber, kPercent, kNamed, kEntry };

struct Field {
  const char* option;
  int list;
  Kind kind;
  const Alias* names = nullptr;  // kNamed only
  std::size_t name_count = 0;
  const char* preset = nullptr;  // what the dialog shows when the option is left out
};

template <std::size_t N>
Field Named(const char* option, int list, const std::array<Alias, N>& names, const char* preset = nullptr) {
  return {option, list, Kind::kNamed, names.data(), N, preset};
}

struct Form {
  const char* name;
  int button;
  std::vector<Field> fields;
  int calculate;
  int result;
  bool both_battles = false;  // the wild battle's line, then the trainer battle's
};

const std::vector<Form>& Forms() {
  static const std::vector<Form> forms{
      {"stats12", kStatsGen12Button,
       {Named("--stat", kStatsStatList, kStatNames), {"--level", kStatsLevelList, Kind::kNumber},
        {"--dv", kStatsValueList, Kind::kNumber}, {"--statexp", kStatsEffortList, Kind::kNumber}},
       kStatsCalculate, kStatsResult},
      {"stats34", kStatsGen34Button,
       {Named("--stat", kStatsStatList, kStatNames), {"--level", kStatsLevelList, Kind::kNumber},
        {"--iv", kStatsValueList, Kind::kNumber}, {"--ev", kStatsEffortList, Kind::kNumber},
        Named("--nature", kStatsNatureList, kNatureNames)},
       kStatsCalculate, kStatsResult},
      {"catch", kCatchButton,
       {{"--level", kCatchLevelList, Kind::kNumber}, {"--hp", kCatchHpList, Kind::kPercent},
        Named("--status", kCatchStatusList, kStatusNames, "normal"), {"--ball", kCatchBallList, Kind::kEntry}},
       kCatchCalculate, kCatchResult},
      {"exp-gained", kExpGainedButton, {{"--level", kGainedLevelList, Kind::kNumber}}, kGainedCalculate,
       kGainedResult, true},
      {"exp-needed", kExpNeededButton, {{"--level", kNeededLevelList, Kind::kNumber}}, kNeededCalculate,
       kNeededResult},
  };
  return forms;
}

std::string Lowered(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

const Form* FormNamed(const std::string& name) {
  for (const Form& form : Forms())
    if (form.name == name) return &form;
  return nullptr;
}

bool IsCalcOption(const std::string& arg) {
  for (const Form& form : Forms())
    for (const Field& field : form.fields)
      if (arg == field.option) return true;
  return false;
}

std::string Listed(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += i + 1 == items.size() ? " or " : ", ";
    text += items[i];
  }
  return text;
}

// The list entry a typed value names, or nothing.
std::optional<int> EntryFor(const Field& field, const std::string& value, const std::vector<std::string>& entries) {
  std::string wanted = Lowered(value);
  if (field.kind == Kind::kPercent && !wanted.ends_with('%')) wanted += '%';
  if (field.kind == Kind::kNamed)
    for (std::size_t i = 0; i < field.name_count; ++i)
      if (wanted == field.names[i].name) wanted = Lowered(field.names[i].entry);
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (Lowered(entries[i]) == wanted) return static_cast<int>(i);
  return std::nullopt;
}

// What an option accepts, from the dialog's own list.
std::string Accepted(const Field& field, const std::vector<std::string>& entries) {
  if (entries.empty()) return "nothing";
  if (field.kind == Kind::kNumber || field.kind == Kind::kPercent) {
    const auto bare = [](std::string text) {
      if (text.ends_with('%')) text.pop_back();
      return text;
    };
    return bare(entries.front()) + " to " + bare(entries.back());
  }
  std::vector<std::string> names;
  if (field.kind == Kind::kNamed)
    for (std::size_t i = 0; i < field.name_count; ++i) names.emplace_back(field.names[i].name);
  else
    names = entries;
  return Listed(names);
}

const std::string* ChoiceOf(const CalcRequest& request, const char* option) {
  for (const auto& [name, value] : request.choices)
    if (name == option) return &value;
  return nullptr;
}

}  // namespace

std::optional<std::string> TakeCalcArgs(std::vector<std::string>& args, std::optional<CalcRequest>& request) {
  std::vector<std::string> rest;
  CalcRequest taken;
  bool asked = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg != "--calc" && !IsCalcOption(arg)) {
      rest.push_back(arg);
      continue;
    }
    if (i + 1 == args.size()) return arg + " needs a value";
    const std::string& value = args[++i];
    if (arg == "--calc") {
      if (asked) return "only one --calc can be worked at a time";
      asked = true;
      taken.form = value;
    } else {
      taken.choices.emplace_back(arg, value);
    }
  }
  if (!asked) {
    if (!taken.choices.empty()) return taken.choices.front().first + " belongs to --calc";
    return std::nullopt;
  }
  const Form* form = FormNamed(taken.form);
  if (!form) {
    std::vector<std::string> names;
    for (const Form& f : Forms()) names.emplace_back(f.name);
    return "there is no calculator \"" + taken.form + "\"; --calc takes " + Listed(names);
  }
  for (const auto& choice : taken.choices) {
    const std::string& option = choice.first;
    const bool known = std::any_of(form->fields.begin(), form->fields.end(),
                                   [&option](const Field& f) { return option == f.option; });
    if (!known) return option + " does not apply to --calc " + taken.form;
  }
  std::vector<std::string> missing;
  for (const Field& field : form->fields)
    if (!field.preset && !ChoiceOf(taken, field.option)) missing.emplace_back(field.option);
  if (!missing.empty()) {
    std::string joined;
    for (std::size_t i = 0; i < missing.size(); ++i)
      joined += (i == 0 ? "" : i + 1 == missing.size() ? " and " : ", ") + missing[i];
    return "--calc " + taken.form + " needs " + joined;
  }
  args = std::move(rest);
  request = std::move(taken);
  return std::nullopt;
}

int RunCalculator(const CalcRequest& request, std::ostream& out, std::ostream& err) {
  const Form& form = *FormNamed(request.form);
  memtk::SelectTab(kPageTabsId, "Calculations");
  std::string refused;
  std::vector<std::string> lines;
  const std::size_t boxes_before = memtk::MessageBoxes().size();
  memtk::OnNextDialog([&](memtk::Dialog& d) {
    for (const Field& field : form.fields) {
      const std::string* value = ChoiceOf(request, field.option);
      if (!value) continue;  // the dialog's own preset stays
      const std::vector<std::string> entries = d.Entries(field.list);
      const std::optional<int> entry = EntryFor(field, *value, entries);
      if (!entry) {
        refused = std::string(field.option) + " " + *value + " is not offered by the dialog; it accepts " +
                  Accepted(field, entries);
        return;
      }
      d.SelectAt(field.list, *entry);
    }
    d.Click(form.calculate);
    lines.push_back(d.Text(form.result));
    if (form.both_battles) {
      d.Click(kGainedTrainerBattle);
      d.Click(form.calculate);
      lines.push_back(d.Text(form.result));
    }
  });
  memtk::Click(form.button);
  if (!refused.empty()) {
    err << "faunary-text: " << refused << "\n";
    return kExitUsage;
  }
  const auto& boxes = memtk::MessageBoxes();
  for (std::size_t i = boxes_before; i < boxes.size(); ++i) out << RenderMessageBox(boxes[i]);
  for (const std::string& line : lines) out << line << "\n";
  return kExitOk;
}
