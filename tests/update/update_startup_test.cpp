#include <gtest/gtest.h>

#include <string>

#include "support/faunary_fixture.h"
#include "update/scripted_server.h"
#include "update/update_screen.h"

namespace {

TEST(UpdateAtStartup, StartsTheCheckBeforeTheMainWindowExists) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(2, "1", 2, 0, 1));
  memtk::FailRegisterClass(true);  // start-up stops right before making the main window
  EXPECT_FALSE(app.Start());
  EXPECT_FALSE(memtk::TopWindow());
  EXPECT_EQ(memtk::StartedThreadCount(), 1u);
}

TEST(UpdateAtStartup, AThreadThatCannotStartIsReportedAndTheProgramRunsOn) {
  FaunaryFixture app{"shell"};
  memtk::FailStartThread(true);
  app.StartOn("1", 0, 1);
  EXPECT_EQ(app.MessageTexts(),
            std::vector<std::string>{"Unable to start new thread for update check. Automatic update skipped."});
  EXPECT_TRUE(memtk::TopWindow());
}

TEST(UpdateAtStartup, TheStartedCheckAsksTheServerAndTellsTheUser) {
  FaunaryFixture app{"shell"};
  ScriptedServer server({"HTTP/1.0 200 OK\r\n\r\n10\r\n1\r\nfaunary-2.zip\r\nx\r\n"});
  RedirectUpdateCheckForTests(Local(server.port()));
  app.StartOn("1", 0, 1);
  EXPECT_EQ(memtk::StartedThreadCount(), 1u);
  EXPECT_TRUE(app.MessageBoxes().empty());
  memtk::RunStartedThreads();
  EXPECT_EQ(server.Received(), kRequest);
  ASSERT_EQ(app.MessageBoxes().size(), 1u);
  const memtk::MessageBoxShown& box = app.MessageBoxes()[0];
  EXPECT_EQ(box.title, "New version available!");
  EXPECT_TRUE(box.text.ends_with("\n\n)faunary-2.zip")) << box.text;
  EXPECT_TRUE(box.owner);
  EXPECT_EQ(box.owner, MainWindow()) << "the window that exists when the box appears owns it";
}

}  // namespace
