#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "support/ProgramFixture.h"
#include "ui/PageIds.h"

namespace {

class MainWindowTest : public ProgramFixture {
 protected:
  void SetUp() override { start(pages_with_stubs({kPageProcess, kPageActions})); }
  void TearDown() override { exit_program(); }

  bool back_enabled() { return control("btnBack")->isEnabled(); }
  bool forward_enabled() { return control("btnForward")->isEnabled(); }
};

TEST_F(MainWindowTest, StartsOnTheHomePageWithTheWindowsControls) {
  EXPECT_EQ(main().objectName(), "TfmMain");
  EXPECT_EQ(main().size(), QSize(846, 594));
  EXPECT_EQ(main().minimumSize(), main().maximumSize());
  EXPECT_TRUE(main().windowTitle().startsWith("Vantrel Wizard - "));
  EXPECT_EQ(current_page(), kPageHome);
  EXPECT_TRUE(page(kPageHome)->isVisible());
  EXPECT_FALSE(back_enabled());
  EXPECT_FALSE(forward_enabled());
  const std::pair<const char*, const char*> captions[] = {
      {"lblHome", "Home"},
      {"lblInbox", "Inbox"},
      {"lblPlan", "Process"},
      {"lblReview", "Review"},
      {"lblAction", "Actions"},
      {"lblTools", "Tools"},
      {"lblHelp", "Help"},
      {"lblResource", "More Resources"},
      {"lblHomePage", "Visit Vantrel Wizard Home Page"}};
  for (auto [name, caption] : captions) {
    auto* l = control<QLabel>(name);
    EXPECT_EQ(l->text(), caption);
    EXPECT_EQ(l->cursor().shape(), Qt::PointingHandCursor) << name;
  }
  EXPECT_EQ(control<QPushButton>("btnBack")->text(), "<  Back");
  EXPECT_EQ(control<QPushButton>("btnForward")->text(), "Forward  >");
  EXPECT_EQ(control<QPushButton>("btnExit")->text(), "E&xit");
  EXPECT_EQ(control<QLabel>("imgHome")->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(control<QTimer>("tmMain")->interval(), 1000);
  EXPECT_TRUE(control<QTimer>("tmMain")->isActive());
  // Every page exists from the start, hidden, named after its form class.
  EXPECT_EQ(page(kPageAlarm)->objectName(), "TfmAlarm");
  EXPECT_FALSE(page(kPageAlarm)->isVisible());
  EXPECT_EQ(page(1012), nullptr);
}

TEST_F(MainWindowTest, BackAndForwardWalkTheHistory) {
  click("lblInbox");
  click("imgPlan");
  EXPECT_EQ(current_page(), kPageProcess);
  click("btnBack");
  EXPECT_EQ(current_page(), kPageInbox);
  click("btnBack");
  EXPECT_EQ(current_page(), kPageHome);
  EXPECT_FALSE(back_enabled());
  EXPECT_TRUE(forward_enabled());
  click("btnForward");
  EXPECT_EQ(current_page(), kPageInbox);
  EXPECT_TRUE(page(kPageInbox)->isVisible());
  EXPECT_FALSE(page(kPageHome)->isVisible());
  click("lblAction");  // Home, Inbox, Process, Actions
  EXPECT_FALSE(forward_enabled());
  click("lblHome");  // Inbox, Process, Actions, Home
  click("btnBack");
  EXPECT_EQ(current_page(), kPageActions);
  click("btnBack");
  click("btnBack");
  EXPECT_EQ(current_page(), kPageInbox);
  EXPECT_FALSE(back_enabled());
}

TEST_F(MainWindowTest, BackAndForwardNeitherCommitNorRefill) {
  click("lblPlan");
  click("lblAction");
  StubPage* process = stub(kPageProcess);
  StubPage* actions = stub(kPageActions);
  ASSERT_TRUE(process && actions);
  int fills = process->fills;
  int commits = actions->commits;
  click("btnBack");
  EXPECT_EQ(process->fills, fills);
  EXPECT_EQ(actions->commits, commits);
}

TEST_F(MainWindowTest, ChoosingTheCurrentPageCommitsButDoesNotRefill) {
  click("lblPlan");
  StubPage* process = stub(kPageProcess);
  ASSERT_TRUE(process);
  click("lblPlan");
  EXPECT_EQ(process->fills, 1);
  EXPECT_EQ(process->commits, 1);
  EXPECT_FALSE(forward_enabled());
  click("btnBack");
  EXPECT_EQ(current_page(), kPageHome);
}

TEST_F(MainWindowTest, APageThatRefusesKeepsTheUserOnIt) {
  click("lblPlan");
  stub(kPageProcess)->refuse = true;
  click("lblAction");
  EXPECT_EQ(current_page(), kPageProcess);
  click("btnBack");  // Back asks nothing
  EXPECT_EQ(current_page(), kPageHome);
}

TEST_F(MainWindowTest, AnIdentifierWithoutAPageChangesNothing) {
  click("lblPlan");
  main().show_page(1012, true);
  EXPECT_EQ(current_page(), kPageProcess);
  EXPECT_EQ(stub(kPageProcess)->commits, 1);  // the current page was still asked
}

TEST_F(MainWindowTest, WebLinksOpenTheProgramsOwnCopyOfItsPages) {
  click("lblHelp");
  click("imgResource");
  click("lblHomePage");
  ASSERT_EQ(prompts.urls().size(), 3u);
  EXPECT_TRUE(prompts.urls()[0].endsWith("/site/zorvo-wizard/help.html"));
  EXPECT_TRUE(prompts.urls()[1].endsWith("/site/resource.html"));
  EXPECT_TRUE(prompts.urls()[2].endsWith("/site/zorvo-wizard/index.html"));
  for (const QString& url : prompts.urls()) {
    ASSERT_TRUE(url.startsWith("file:///")) << url.toStdString();
    EXPECT_TRUE(QFileInfo::exists(QUrl(url).toLocalFile())) << url.toStdString();
  }
  EXPECT_EQ(current_page(), kPageHome);
  EXPECT_FALSE(open_document(""));
  EXPECT_EQ(prompts.urls().size(), 3u);
}

}  // namespace
