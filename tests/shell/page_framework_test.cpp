// Tabs and pages: what each tab change builds and tears down, and which
// notifications reach the page that is showing.
#include <gtest/gtest.h>

#include "shell/page_framework.h"
#include "support/faunary_fixture.h"

namespace {
// A page that only writes down what reaches it.
struct Received {
  int id = 0;
  int code = 0;
  bool had_header = false;
  int header_id = 0;
  int header_code = 0;
};

class RecordingPage : public DexPage {
 public:
  explicit RecordingPage(std::vector<Received>& log) : log_(log) {}
  void CreateControls() override {}
  void Draw() override {}
  void DestroyControls() override {}
  int OnCommand(int id, int code, std::intptr_t data) override {
    Received r{id, code, data != 0, 0, 0};
    if (data) {
      const auto* header = reinterpret_cast<const tk::NotifyHeader*>(data);
      r.header_id = static_cast<int>(header->id_from);
      r.header_code = static_cast<int>(header->code);
    }
    log_.push_back(r);
    return 0;
  }

 private:
  std::vector<Received>& log_;
};

struct RouteCase {
  bool notify;  // WM_NOTIFY, else WM_COMMAND
  int id;
  int code;
  bool forwarded;
  int forwarded_id;
};

void PrintTo(const RouteCase& c, std::ostream* os) {
  *os << (c.notify ? "notify " : "command ") << c.id << " code " << c.code;
}

class Routing : public ::testing::TestWithParam<RouteCase> {};

TEST_P(Routing, ForwardsOnlyTheRowsOfTheTable) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(2, "1", 2, 99, 0));
  ASSERT_TRUE(app.Start());
  std::vector<Received> log;
  Pages().current = std::make_unique<RecordingPage>(log);

  const RouteCase& c = GetParam();
  const std::intptr_t result = c.notify ? memtk::SendNotify(c.id, c.code) : memtk::SendCommand(c.id, c.code);
  EXPECT_EQ(result, 0);
  if (!c.forwarded) {
    EXPECT_TRUE(log.empty());
    return;
  }
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].id, c.forwarded_id);
  EXPECT_EQ(log[0].code, c.code);
  EXPECT_EQ(log[0].had_header, c.notify) << "WM_COMMAND passes 0, WM_NOTIFY its header";
  if (c.notify) {
    EXPECT_EQ(log[0].header_id, c.id);
    EXPECT_EQ(log[0].header_code, c.code);
  }
}

constexpr int kNmClick = -2;
constexpr int kCbnEditChange = 5;

INSTANTIATE_TEST_SUITE_P(
    Shell, Routing,
    ::testing::Values(
        // TM page cells
        RouteCase{true, 211, NM_DBLCLK, true, 211}, RouteCase{true, 260, NM_DBLCLK, true, 260},
        RouteCase{true, 309, NM_DBLCLK, true, 309}, RouteCase{true, 210, NM_DBLCLK, false, 0},
        RouteCase{true, 310, NM_DBLCLK, false, 0}, RouteCase{true, 211, kNmClick, false, 0},
        // move lists
        RouteCase{true, 153, NM_DBLCLK, true, 153}, RouteCase{true, 161, NM_DBLCLK, true, 161},
        RouteCase{true, 161, kNmClick, false, 0}, RouteCase{true, 313, NM_DBLCLK, false, 0},
        RouteCase{false, 161, BN_CLICKED, false, 0},
        // breeding mode
        RouteCase{false, 154, CBN_SELCHANGE, true, 154}, RouteCase{false, 154, BN_CLICKED, false, 0},
        RouteCase{true, 154, NM_DBLCLK, false, 0},
        // evolution button
        RouteCase{false, 171, BN_CLICKED, true, 171}, RouteCase{false, 171, CBN_SELCHANGE, false, 0},
        RouteCase{true, 171, NM_DBLCLK, false, 0},
        // comparison boxes all arrive as 187
        RouteCase{false, 187, CBN_SELCHANGE, true, 187}, RouteCase{false, 188, CBN_SELCHANGE, true, 187},
        RouteCase{false, 189, CBN_SELCHANGE, true, 187}, RouteCase{false, 190, CBN_SELCHANGE, true, 187},
        RouteCase{false, 191, CBN_SELCHANGE, true, 187}, RouteCase{false, 186, CBN_SELCHANGE, false, 0},
        RouteCase{false, 192, CBN_SELCHANGE, false, 0}, RouteCase{false, 188, kCbnEditChange, false, 0},
        // calculator buttons
        RouteCase{false, 201, BN_CLICKED, true, 201}, RouteCase{false, 203, BN_CLICKED, true, 203},
        RouteCase{false, 205, BN_CLICKED, true, 205}, RouteCase{false, 200, BN_CLICKED, false, 0},
        RouteCase{false, 206, BN_CLICKED, false, 0}, RouteCase{false, 202, CBN_SELCHANGE, false, 0},
        // locations version box
        RouteCase{false, 312, CBN_SELCHANGE, true, 312}, RouteCase{false, 312, BN_CLICKED, false, 0},
        RouteCase{true, 312, NM_DBLCLK, false, 0},
        // the main window's own controls never reach a page
        RouteCase{false, 101, kCbnEditChange, false, 0}, RouteCase{true, 102, kNmClick, false, 0},
        RouteCase{false, 999, BN_CLICKED, false, 0}));

class Tabs : public ::testing::Test {
 protected:
  void StartOn(long long page) {
    app.WriteConfig(FaunaryFixture::ConfigXml(2, "1", 2, page, 0));
    ASSERT_TRUE(app.Start());
  }
  // The main window's controls other than its own four.
  std::size_t PageControlCount() const { return memtk::Controls().size() - 4; }
  FaunaryFixture app{"shell"};
};

TEST_F(Tabs, EverySwitchMakesAFreshPage) {
  StartOn(0);
  const tk::Window first = app.Find("crtrnameid")->handle;
  const std::size_t controls = PageControlCount();
  ASSERT_GT(controls, 0u);
  app.SelectTab("Calculations");
  EXPECT_EQ(CurrentPageIndex(), 5);
  EXPECT_EQ(app.Find("crtrnameid"), nullptr) << "the old page's controls are gone";
  app.SelectTab("Main");
  ASSERT_NE(app.Find("crtrnameid"), nullptr);
  EXPECT_NE(app.Find("crtrnameid")->handle, first);
  EXPECT_EQ(PageControlCount(), controls) << "no control of an earlier page survives";
}

TEST_F(Tabs, TheTabAlreadySelectedRebuildsNothing) {
  StartOn(0);
  const tk::Window name = app.Find("crtrnameid")->handle;
  app.SelectTab("Main");
  EXPECT_EQ(app.Find("crtrnameid")->handle, name);
}

TEST_F(Tabs, AStartPageOutsideTheTabsLeavesThePageAreaEmpty) {
  StartOn(12);
  EXPECT_EQ(app.SelectedTab(), -1);
  EXPECT_EQ(CurrentPageIndex(), 12);
  EXPECT_FALSE(Pages().current);
  EXPECT_EQ(PageControlCount(), 0u);
  app.SelectTab("Main");
  EXPECT_EQ(app.TextOf("crtrnameid"), "Bulbasaur");
  EXPECT_EQ(CurrentPageIndex(), 0);
}

TEST_F(Tabs, ANegativeStartPageLeavesThePageAreaEmptyToo) {
  StartOn(-1);
  EXPECT_EQ(app.SelectedTab(), -1);
  EXPECT_FALSE(Pages().current);
}

TEST_F(Tabs, TheFrameworkOperationsWithoutAPage) {
  StartOn(12);
  RedrawPage();
  DestroyPage();
  EXPECT_EQ(ForwardToPage(171, BN_CLICKED, 0), 0);
  EXPECT_EQ(CurrentPageIndex(), 12) << "DestroyPage keeps the index";
  EXPECT_TRUE(app.MessageBoxes().empty());
}

TEST(PageNames, FollowTheTabOrder) {
  EXPECT_STREQ(PageName(0), "Main");
  EXPECT_STREQ(PageName(11), "Locations");
  EXPECT_STREQ(PageName(12), "");
  EXPECT_STREQ(PageName(-1), "");
}
}  // namespace
