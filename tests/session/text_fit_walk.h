#pragma once
// The walk of the text-fit check, whatever the toolkit: every Pokemon of the
// list on every tab, each visible control's text measured against its
// control (the same text in the same size of control once). A driver says
// how to show a tab or a Pokemon and how a control's text is measured.
#include <string>
#include <vector>

class FitSubject {
 public:
  // A visible control as the walk sees it: its name in the report, and a key
  // (class, size, text) under which one measurement stands for all.
  struct Shown {
    std::string name;
    std::string key;
  };

  virtual ~FitSubject() = default;
  virtual int TabCount() = 0;
  virtual std::string ShowTab(int tab) = 0;  // the tab's name
  virtual int PokemonCount() = 0;
  virtual std::string ShowPokemon(int row) = 0;  // the name in the list
  virtual std::vector<Shown> VisibleControls() = 0;
  // Why control `n` of the last VisibleControls does not fit, or "" when it does.
  virtual std::string DoesNotFit(std::size_t n) = 0;
};

// One line per control (name, tab, how many Pokemon, one example) whose text
// does not fit, except the controls named in `allowed`, and a line for each
// allowed control that always fits (so that the list stays short).
std::vector<std::string> WalkTextFit(FitSubject& subject, const std::vector<std::string>& allowed);
