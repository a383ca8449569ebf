#include "app/ZorvoFormMgr.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

struct FakePage : PageView {
  bool visible = false;
  void set_page_visible(bool v) override { visible = v; }
};

class HistoryTest : public ::testing::Test {
 protected:
  // What navigating to a page from a page button does to the history.
  void visit(int id) {
    history.record_visit(id, &pages[id]);
    history.show_entry(id, &pages[id]);
  }
  // The one visible page; every other visited page is hidden.
  int shown() {
    int id = 0;
    for (auto& [k, p] : pages) {
      if (!p.visible) continue;
      EXPECT_EQ(id, 0) << "two pages are visible";
      id = k;
    }
    EXPECT_EQ(history.current_page_id(), id);
    EXPECT_EQ(history.current_page(), id ? &pages[id] : nullptr);
    return id;
  }

  enum { kHome = 1000, kInbox = 1001, kProcess = 1002, kActions = 1004 };
  std::map<int, FakePage> pages;
  ZorvoFormMgr history;
};

TEST_F(HistoryTest, StartsEmpty) {
  EXPECT_EQ(history.current_page(), nullptr);
  EXPECT_EQ(history.current_page_id(), 0);
  EXPECT_FALSE(history.can_go_back());
  EXPECT_FALSE(history.can_go_forward());
  EXPECT_FALSE(history.go_back());
  EXPECT_FALSE(history.record_visit(kHome, nullptr));
  visit(kHome);
  EXPECT_FALSE(history.can_go_back());  // one page visited: neither way is open
  EXPECT_FALSE(history.can_go_forward());
}

TEST_F(HistoryTest, BackAndForwardMoveAlongTheHistoryWithoutReorderingIt) {
  visit(kHome);
  visit(kInbox);
  visit(kProcess);
  EXPECT_EQ(shown(), kProcess);
  EXPECT_TRUE(history.go_back());
  EXPECT_EQ(shown(), kInbox);
  EXPECT_TRUE(history.go_back());
  EXPECT_EQ(shown(), kHome);
  EXPECT_FALSE(history.can_go_back());
  EXPECT_TRUE(history.can_go_forward());
  EXPECT_TRUE(history.go_forward());
  EXPECT_EQ(shown(), kInbox);
  visit(kActions);  // Home, Inbox, Process, Actions
  EXPECT_FALSE(history.can_go_forward());
  visit(kHome);     // Inbox, Process, Actions, Home
  EXPECT_TRUE(history.go_back());
  EXPECT_EQ(shown(), kActions);
  EXPECT_TRUE(history.go_back());
  EXPECT_EQ(shown(), kProcess);
  EXPECT_TRUE(history.go_back());
  EXPECT_EQ(shown(), kInbox);
  EXPECT_FALSE(history.go_back());
  EXPECT_EQ(shown(), kInbox);
}

TEST_F(HistoryTest, RevisitingAPageWithANewObjectUpdatesItsEntry) {
  visit(kHome);
  visit(kInbox);
  FakePage other;
  history.record_visit(kHome, &other);
  history.show_entry(kHome, &other);
  EXPECT_TRUE(other.visible);
  EXPECT_FALSE(pages[kInbox].visible);
  EXPECT_TRUE(history.go_back());
  EXPECT_TRUE(pages[kInbox].visible);
  EXPECT_FALSE(other.visible);
}

}  // namespace
