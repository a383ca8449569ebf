#include <QCheckBox>
#include <QSpinBox>

#include "support/ProgramFixture.h"
#include "ui/Option.h"
#include "ui/PageIds.h"

namespace {

class ToolsOptionsTest : public ExitingProgramFixture {
 protected:
  void SetUp() override { start(); }
  template <class W = QWidget>
  W* option(const char* name) {
    return control<W>(page(kPageOptions), name);
  }
  void show_options() {
    click("lblTools");
    click(kPageTools, "lblOption");
    ASSERT_EQ(current_page(), kPageOptions);
  }
  QColor panel(const char* name) { return option<ColorPanel>(name)->color(); }
};

TEST_F(ToolsOptionsTest, EveryToolLinkLeadsToItsPage) {
  const std::pair<const char*, int32_t> links[] = {
      {"lblOption", kPageOptions}, {"btnOption", kPageOptions},
      {"lblContext", kPageContexts}, {"btnContext", kPageContexts},
      {"lblSomeday", kPageSomeday}, {"btnSomeday", kPageSomeday},
      {"lblRef", kPageRef},         {"btnRef", kPageRef},
  };
  for (auto [name, target] : links) {
    click("lblTools");
    click(kPageTools, name);
    EXPECT_EQ(current_page(), target) << name;
  }
}

TEST_F(ToolsOptionsTest, TheDefaultsAreShown) {
  show_options();
  for (const char* box : {"cbShowColor", "cbStartLast", "cbAlertDeletion", "cbAlertNotSaved",
                          "cbAutoSave"})
    EXPECT_TRUE(option<QCheckBox>(box)->isChecked()) << box;
  EXPECT_EQ(option<QSpinBox>("edtAutoSaveInterval")->value(), 5);
  EXPECT_TRUE(option("edtAutoSaveInterval")->isEnabled());
  EXPECT_EQ(option<QSpinBox>("edtAutoSaveInterval")->minimum(), 1);
  EXPECT_EQ(option<QSpinBox>("edtAutoSaveInterval")->maximum(), 120);
  EXPECT_EQ(panel("pHighColor"), QColor(Qt::red));
  EXPECT_EQ(panel("pNormalColor"), QColor(Qt::black));
  EXPECT_EQ(panel("pLowColor"), QColor(0, 0x80, 0));
  EXPECT_EQ(panel("pRunColor"), QColor(Qt::blue));
  EXPECT_EQ(panel("pOverdueColor"), QColor(Qt::red));
  EXPECT_EQ(panel("pCompleteColor"), QColor(0x80, 0x80, 0x80));
  EXPECT_EQ(option("pHighColor")->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_NE(option("pCompleteColor")->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(ToolsOptionsTest, OptionsAreTakenOverWhenThePageIsLeftWithAPageButton) {
  show_options();
  option<QCheckBox>("cbAlertDeletion")->click();
  option<QCheckBox>("cbStartLast")->click();
  option<QSpinBox>("edtAutoSaveInterval")->setValue(17);
  option<QCheckBox>("cbAutoSave")->click();
  // Not until the next show.
  EXPECT_TRUE(option("edtAutoSaveInterval")->isEnabled());
  click("btnBack");  // Back takes nothing over
  EXPECT_TRUE(g().settings.AlertDeletion);
  click("btnForward");
  click("lblHome");
  EXPECT_FALSE(g().settings.AlertDeletion);
  EXPECT_FALSE(g().settings.StartLast);
  EXPECT_FALSE(g().settings.AutoSave);
  EXPECT_EQ(g().settings.AutoSaveInterval, 17);
  show_options();
  EXPECT_FALSE(option("edtAutoSaveInterval")->isEnabled());
  // Deleting now asks nothing.
  InboxItem item;
  item.name = "x";
  g().inbox.add_copy(&item);
  click("lblInbox");
  tick(kPageInbox, 0);
  click(kPageInbox, "btnDelete");
  EXPECT_TRUE(prompts.messages().empty());
  EXPECT_EQ(g().inbox.count(), 0u);
  // What is taken over reaches the settings file at exit, and the next start shows it.
  exit_program();
  std::string ini = read_file(data_file("morvane.ini"));
  EXPECT_NE(ini.find("AlertDeletion=0"), std::string::npos);
  EXPECT_NE(ini.find("AutoSaveInterval=17"), std::string::npos);
  program.reset();
  start();
  show_options();
  EXPECT_FALSE(option<QCheckBox>("cbAlertDeletion")->isChecked());
  EXPECT_EQ(option<QSpinBox>("edtAutoSaveInterval")->value(), 17);
}

TEST_F(ToolsOptionsTest, AChosenColourIsInForceAtOnce) {
  show_options();
  prompts.answer_color(QColor(0x12, 0x34, 0x56));
  click(option("pHighColor"));
  EXPECT_EQ(prompts.last_initial_color(), QColor(Qt::red));
  EXPECT_EQ(panel("pHighColor"), QColor(0x12, 0x34, 0x56));
  EXPECT_EQ(g().settings.HighColor, 0x563412);
  prompts.answer_color(std::nullopt);  // cancelled: nothing changes
  click(option("pRunColor"));
  EXPECT_EQ(g().settings.ActiveColor, 0xFF0000);
  click("btnBack");
  EXPECT_EQ(g().settings.HighColor, 0x563412);
}

}  // namespace
