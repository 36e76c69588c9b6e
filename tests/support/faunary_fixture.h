#pragma once
// Starts the real program on the in-memory backend in a temporary working
// directory holding a fixture data set (tests/fixtures/<name>), and reads
// like a user session: StartOn("1"), PickPokemon("Ivysaur"), TextOf(...).
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "backends/memory/memory_screen.h"
#include "port/control_ids.h"
#include "port/win_constants.h"
#include "support/program_reset.h"
#include "support/temp_workdir.h"

class FaunaryFixture {
 public:
  // Copies tests/fixtures/<fixture> into a fresh working directory and starts
  // every subsystem (data, settings, shell, backend) from a clean state.
  explicit FaunaryFixture(const std::string& fixture);
  // Closes the window if the test left it open, then cleans up.
  ~FaunaryFixture();
  FaunaryFixture(const FaunaryFixture&) = delete;
  FaunaryFixture& operator=(const FaunaryFixture&) = delete;

  TempWorkdir& Dir() { return dir_; }
  // Writes "faunary.cfgx" in the working directory before Start().
  void WriteConfig(const std::string& xml) { dir_.Write("faunary.cfgx", xml); }
  // A settings file in the program's own layout.
  static std::string ConfigXml(int crtronload, const std::string& crtrloadpick, int pageonload,
                               long long pageloadpick, int autoupdate);

  // The start-up sequence (everything before the message loop). False when
  // the window class could not be registered.
  bool Start();
  // Start() after a settings file that opens on this Pokemon id and page.
  void StartOn(const std::string& pokemon, long long page = 0, int autoupdate = 0);
  // The whole program: start-up, message loop running `session`, exit code.
  int Run(std::function<void()> session);
  // The close box; the window is destroyed and the settings written.
  void Close() { memtk::CloseWindow(); }

  // ---- The user's hands ----
  void PickPokemon(std::string_view name) { memtk::PickEntry(kPokemonListId, name); }
  void SelectTab(std::string_view text) { memtk::SelectTab(kPageTabsId, text); }
  void Click(int button_id) { memtk::Click(button_id); }
  void DoubleClickRow(int list_id, int row) { memtk::DoubleClickRow(list_id, row); }
  void PickEntry(int combo_id, std::string_view text) { memtk::PickEntry(combo_id, text); }
  void OnNextDialog(memtk::DialogScript script) { memtk::OnNextDialog(std::move(script)); }

  // ---- What the user sees ----
  std::string TextOf(std::string_view window_name) const { return memtk::TextOf(window_name); }
  std::string TextOf(int id) const { return memtk::TextOf(id); }
  const memtk::Control* Find(std::string_view window_name) const { return memtk::FindControl(window_name); }
  const memtk::Control* Find(int id) const { return memtk::FindControl(id); }
  std::vector<std::string> PokemonListNames() const;
  std::string SelectedPokemonName() const;  // "" when nothing is selected
  int SelectedTab() const;
  const std::vector<memtk::MessageBoxShown>& MessageBoxes() const { return memtk::MessageBoxes(); }
  std::vector<std::string> MessageTexts() const;
  void ClearMessageBoxes() { memtk::ClearMessageBoxes(); }

 private:
  ProgramReset reset_;
  TempWorkdir dir_;
};
