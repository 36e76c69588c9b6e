#include <gtest/gtest.h>

#include <string>

#include "records/dex_data.h"
#include "records/report.h"
#include "shell/config.h"
#include "shell/startup.h"
#include "support/temp_workdir.h"
#include "update/scripted_server.h"
#include "update/update_screen.h"

namespace {

std::string ConfigWithAutoupdate(const std::string& autoupdate) {
  return "<?xml version=\"1.0\" ?>\n<options version=\"4\"><crtronload>2</crtronload>"
         "<crtrloadpick>1</crtrloadpick><pageonload>2</pageonload><pageloadpick>0</pageloadpick>" +
         autoupdate + "</options>\n";
}
std::string ConfigWithAutoupdateValue(const std::string& value) {
  return ConfigWithAutoupdate("<autoupdate>" + value + "</autoupdate>");
}

// The real start-up sequence on the in-memory backend, in an empty working
// directory holding at most a settings file.
class UpdateAtStartup : public testing::Test {
 protected:
  UpdateAtStartup() { Clean(); }
  ~UpdateAtStartup() override {
    SetReportHook({});
    Clean();
  }
  static void Clean() {
    ResetSettings();
    ResetData();
  }
  static bool Start() { return StartFaunary(tk::Instance{1}, 1); }

  TempWorkdir dir_;
  UpdateScreen screen_;
};

TEST_F(UpdateAtStartup, StartsTheCheckBeforeTheMainWindowExists) {
  dir_.Write("faunary.cfgx", ConfigWithAutoupdateValue("1"));
  memtk::FailRegisterClass(true);  // start-up stops right before the main window
  EXPECT_FALSE(Start());
  EXPECT_FALSE(memtk::TopWindow());
  EXPECT_EQ(memtk::StartedThreadCount(), 1u);
}

TEST_F(UpdateAtStartup, TheStartedCheckAsksTheServerAndTellsTheUser) {
  ScriptedServer server({"HTTP/1.0 200 OK\r\n\r\n10\r\n1\r\nfaunary-2.zip\r\nx\r\n"});
  RedirectUpdateCheckForTests(Local(server.port()));
  dir_.Write("faunary.cfgx", ConfigWithAutoupdateValue("1"));
  ASSERT_TRUE(Start());
  memtk::ClearMessageBoxes();  // the empty data folder's complaints
  ASSERT_EQ(memtk::StartedThreadCount(), 1u);
  memtk::RunStartedThreads();
  EXPECT_EQ(server.Received(), kRequest);
  ASSERT_EQ(memtk::MessageBoxes().size(), 1u);
  const memtk::MessageBoxShown& box = memtk::MessageBoxes()[0];
  EXPECT_EQ(box.title, "New version available!");
  EXPECT_TRUE(box.text.ends_with("\n\n)faunary-2.zip")) << box.text;
  EXPECT_EQ(box.owner, MainWindow());
  EXPECT_TRUE(box.owner);
}

TEST_F(UpdateAtStartup, AThreadThatCannotStartIsReportedAndTheProgramGoesOn) {
  dir_.Write("faunary.cfgx", ConfigWithAutoupdateValue("1"));
  memtk::FailStartThread(true);
  ASSERT_TRUE(Start());
  int thread_errors = 0;
  for (const memtk::MessageBoxShown& box : memtk::MessageBoxes()) {
    if (box.title != "Thread error") continue;
    ++thread_errors;
    EXPECT_EQ(box.text, "Unable to start new thread for update check. Automatic update skipped.");
    EXPECT_EQ(box.type, kWarning);
    EXPECT_FALSE(box.owner);
    EXPECT_FALSE(box.main_window_existed);
  }
  EXPECT_EQ(thread_errors, 1);
  EXPECT_TRUE(memtk::TopWindow());
  EXPECT_EQ(memtk::StartedThreadCount(), 0u);
}

struct SettingsCase {
  const char* name;
  const char* file;  // nullptr: no settings file (first run)
  bool starts;
};

class UpdateSetting : public UpdateAtStartup, public testing::WithParamInterface<SettingsCase> {};

TEST_P(UpdateSetting, StartsTheCheckOnlyWhenSwitchedOn) {
  if (GetParam().file != nullptr) dir_.Write("faunary.cfgx", GetParam().file);
  ASSERT_TRUE(Start());
  EXPECT_EQ(memtk::StartedThreadCount(), GetParam().starts ? 1u : 0u);
}

const std::string kOn = ConfigWithAutoupdateValue("1");
const std::string kTwo = ConfigWithAutoupdateValue("2");
const std::string kMinusOne = ConfigWithAutoupdateValue("-1");
const std::string kOff = ConfigWithAutoupdateValue("0");
const std::string kWord = ConfigWithAutoupdateValue("yes");
const std::string kMissing = ConfigWithAutoupdate("");

INSTANTIATE_TEST_SUITE_P(
    Files, UpdateSetting,
    testing::Values(SettingsCase{"One", kOn.c_str(), true}, SettingsCase{"Two", kTwo.c_str(), true},
                    SettingsCase{"MinusOne", kMinusOne.c_str(), true}, SettingsCase{"Zero", kOff.c_str(), false},
                    SettingsCase{"NotANumber", kWord.c_str(), false},
                    SettingsCase{"ElementMissing", kMissing.c_str(), false},
                    SettingsCase{"FirstRun", nullptr, false},
                    SettingsCase{"BrokenFileIsAFirstRun", "<options><autoupdate>1</autoupdate>", false}),
    [](const testing::TestParamInfo<SettingsCase>& param_info) { return std::string(param_info.param.name); });

}  // namespace
