#include "support/faunary_fixture.h"

#include <gtest/gtest.h>

#include "shell/config.h"
#include "app/startup.h"

namespace {
constexpr tk::Instance kInstance{0x400000};
}  // namespace

FaunaryFixture::FaunaryFixture(const std::string& fixture) : dir_(fixture) {}

FaunaryFixture::~FaunaryFixture() {
  if (memtk::TopWindow()) memtk::CloseWindow();
}

std::string FaunaryFixture::ConfigXml(int crtronload, const std::string& crtrloadpick, int pageonload,
                                      long long pageloadpick, int autoupdate) {
  return "<?xml version=\"1.0\" ?>\n<options version=\"4\">\n    <crtronload>" + std::to_string(crtronload) +
         "</crtronload>\n    <crtrloadpick>" + crtrloadpick + "</crtrloadpick>\n    <pageonload>" +
         std::to_string(pageonload) + "</pageonload>\n    <pageloadpick>" + std::to_string(pageloadpick) +
         "</pageloadpick>\n    <autoupdate>" + std::to_string(autoupdate) + "</autoupdate>\n</options>\n";
}

bool FaunaryFixture::Start() { return StartFaunary(kInstance, SW_SHOWDEFAULT); }

void FaunaryFixture::StartOn(const std::string& pokemon, long long page, int autoupdate) {
  WriteConfig(ConfigXml(2, pokemon, 2, page, autoupdate));
  ASSERT_TRUE(Start());
}

int FaunaryFixture::Run(std::function<void()> session) {
  memtk::SetSession(std::move(session));
  return FaunaryMain(kInstance, SW_SHOWDEFAULT);
}

std::vector<std::string> FaunaryFixture::PokemonListNames() const {
  std::vector<std::string> names;
  if (const memtk::Control* list = memtk::FindControl(kPokemonListId))
    for (const memtk::ComboEntry& entry : list->entries) names.push_back(entry.text);
  return names;
}

std::string FaunaryFixture::SelectedPokemonName() const {
  const memtk::Control* list = memtk::FindControl(kPokemonListId);
  if (!list || list->selection < 0) return {};
  return list->entries[static_cast<std::size_t>(list->selection)].text;
}

int FaunaryFixture::SelectedTab() const {
  const memtk::Control* tabs = memtk::FindControl(kPageTabsId);
  return tabs ? tabs->tab_selection : -1;
}

std::vector<std::string> FaunaryFixture::MessageTexts() const {
  std::vector<std::string> texts;
  for (const memtk::MessageBoxShown& box : memtk::MessageBoxes()) texts.push_back(box.text);
  return texts;
}
