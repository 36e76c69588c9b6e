#pragma once
// What a page shows in its lists and drop-down lists, read as plain values,
// and the start of every page session.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "support/faunary_fixture.h"

using Rows = std::vector<std::vector<std::string>>;

// Starts the program on the fixture data set with Bulbasaur and the tab.
void OpenPage(FaunaryFixture& app, const std::string& tab);

const memtk::Control& Live(int id);  // fails the test when there is none
Rows RowTexts(int list_id);
std::vector<int> RowImages(int list_id);
std::vector<std::intptr_t> RowData(int list_id);
std::vector<std::string> EntryTexts(int combo_id);
std::vector<std::intptr_t> EntryData(int combo_id);
std::string SelectedEntry(int combo_id);  // "" when none

// The texts of the controls of the dialog, by id, and its title.
struct DialogTexts {
  std::string title;
  std::vector<std::pair<int, std::string>> controls;
  bool operator==(const DialogTexts&) const = default;
};
std::ostream& operator<<(std::ostream& out, const DialogTexts& texts);
DialogTexts ReadDialog(const memtk::Dialog& dialog, const std::vector<int>& ids);
