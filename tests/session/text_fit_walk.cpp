#include "text_fit_walk.h"

#include <algorithm>
#include <map>

namespace {

struct Overflow {
  int count = 0;
  std::string example;
};

}  // namespace

std::vector<std::string> WalkTextFit(FitSubject& subject, const std::vector<std::string>& allowed) {
  std::map<std::string, Overflow> found;  // by control name and tab
  std::map<std::string, std::string> measured;
  const int tabs = subject.TabCount();
  const int pokemon = subject.PokemonCount();
  for (int tab = 0; tab < tabs; ++tab) {
    const std::string tab_name = subject.ShowTab(tab);
    for (int row = 0; row < pokemon; ++row) {
      const std::string shown = subject.ShowPokemon(row);
      const std::vector<FitSubject::Shown> controls = subject.VisibleControls();
      for (std::size_t n = 0; n < controls.size(); ++n) {
        auto known = measured.find(controls[n].key);
        if (known == measured.end()) known = measured.emplace(controls[n].key, subject.DoesNotFit(n)).first;
        if (known->second.empty()) continue;
        Overflow& overflow = found[controls[n].name + " on " + tab_name];
        if (overflow.count++ == 0) overflow.example = shown + ": " + known->second;
      }
    }
  }
  std::vector<std::string> report;
  std::vector<bool> used(allowed.size(), false);
  for (const auto& [where, overflow] : found) {
    const std::string name = where.substr(0, where.find(" on "));
    const auto allow = std::find(allowed.begin(), allowed.end(), name);
    if (allow != allowed.end()) {
      used[static_cast<std::size_t>(allow - allowed.begin())] = true;
      continue;
    }
    report.push_back(where + " (" + std::to_string(overflow.count) + " Pokemon), e.g. " + overflow.example);
  }
  for (std::size_t n = 0; n < allowed.size(); ++n)
    if (!used[n]) report.push_back(allowed[n] + " is allowed to overflow but always fits");
  if (tabs == 0 || pokemon == 0) report.push_back("nothing to walk: no tabs or no Pokemon in the list");
  return report;
}
