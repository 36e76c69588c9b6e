#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "pages/calculator_controls.h"  // the Calculations page's buttons
#include "support/faunary_fixture.h"

// The program on the calculators' data set, started with a Pokemon chosen
// and a tab showing, as a user would leave it before the test's own steps.
class CalcApp : public FaunaryFixture {
 public:
  CalcApp() : FaunaryFixture("calc-basic") {}

  void Open(std::string_view pokemon, std::string_view tab) {
    StartOn("1");
    PickPokemon(pokemon);
    SelectTab(tab);
    ASSERT_EQ(MessageTexts(), std::vector<std::string>{});
  }

  // Clicks a button of the Calculations page with a script for the dialog it
  // opens, and checks that the dialog did open and run the script.
  void Calculate(int button, memtk::DialogScript script) {
    const std::size_t runs = memtk::DialogsRun().size();
    OnNextDialog(std::move(script));
    Click(button);
    ASSERT_EQ(memtk::DialogsRun().size(), runs + 1) << "no dialog opened";
    ASSERT_TRUE(memtk::DialogsRun().back().scripted);
  }
};
