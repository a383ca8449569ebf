#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "support/ProgramFixture.h"
#include "ui/PageIds.h"

namespace {

class InboxTest : public ExitingProgramFixture {
 protected:
  void SetUp() override { start(pages_with_stubs({kPageProcess})); }
  InboxItem* add(const char* name, int32_t status = kNotProcessed) {
    InboxItem item;
    item.name = name;
    item.process_status = status;
    item.modified = 46000.25;
    return g().inbox.add_copy(&item);
  }
  void show_inbox() {
    main().show_page(kPageHome, true);
    click("lblInbox");
  }
  QString text(int32_t page_id, const char* name) {
    return control<QLabel>(page(page_id), name)->text();
  }
};

TEST_F(InboxTest, ListsWhatIsNotProcessedCompletelyWithItsStatusAndTime) {
  add("not yet")->notes = "first line\r\nsecond line";
  add("half way", kProcessing);
  add("done", kProcessed);
  show_inbox();
  ASSERT_EQ(rows(kPageInbox), 2);
  EXPECT_EQ(cell(kPageInbox, 0, 0), "not yet");
  EXPECT_EQ(cell(kPageInbox, 0, 1), "12/09/2025 06:00:00");
  EXPECT_EQ(cell(kPageInbox, 0, 2), "Not Processed");
  EXPECT_EQ(cell(kPageInbox, 0, 3), "first line second line");
  EXPECT_EQ(cell(kPageInbox, 1, 2), "Processing");
  EXPECT_FALSE(ticked(kPageInbox, 0));
}

TEST_F(InboxTest, ProcessNowIsForTheSelectedItem) {
  add("a");
  show_inbox();
  EXPECT_FALSE(enabled(kPageInbox, "btnProcess"));
  select(kPageInbox, 0);
  EXPECT_TRUE(enabled(kPageInbox, "btnProcess"));
  click(kPageInbox, "btnProcess");
  EXPECT_EQ(current_page(), kPageProcess);
  EXPECT_EQ(stub(kPageProcess)->taken_item, g().inbox.first());
}

TEST_F(InboxTest, TheEditorShowsTheStatusAndTheTimes) {
  InboxItem* item = add("call the bank", kProcessing);
  item->created = 46000.0;
  add("already done", kProcessed);
  show_inbox();
  select(kPageInbox, 0);
  click(kPageInbox, "btnProp");
  ASSERT_EQ(current_page(), kPageOneItem);
  auto* status = control<QComboBox>(page(kPageOneItem), "cbStatus");
  EXPECT_EQ(status->currentText(), "Processing");
  EXPECT_FALSE(status->isEnabled());
  EXPECT_EQ(text(kPageOneItem, "lblCreateTime"), "12/09/2025 00:00:00");
  EXPECT_EQ(text(kPageOneItem, "lblUpdateTime"), "12/09/2025 06:00:00");
  EXPECT_EQ(control<QPushButton>(page(kPageOneItem), "btnSave")->text(), "Save && Return");
  // An item processed completely (reachable from the Process page) shows "Not Processed".
  auto* editor = dynamic_cast<EditsRecord<InboxItem>*>(page(kPageOneItem));
  editor->edit(*std::next(g().inbox.records().begin()), kPageInbox);
  main().show_page(kPageHome, false);
  main().show_page(kPageOneItem, false);
  EXPECT_EQ(status->currentText(), "Not Processed");
}

TEST_F(InboxTest, ANewItemIsStampedWhenAddedAndWhenSaved) {
  show_inbox();
  click(kPageInbox, "btnAdd");
  EXPECT_EQ(text(kPageOneItem, "lblCreateTime"), "12/09/2025 12:00:00");
  clock.advance_seconds(75);
  type(kPageOneItem, "edtName", "Buy stamps");
  click(kPageOneItem, "btnSave");
  InboxItem* item = g().inbox.first();
  EXPECT_EQ(item->created, 46000.5);
  EXPECT_DOUBLE_EQ(item->modified, 46000.5 + 75.0 / 86400);
  EXPECT_EQ(item->process_status, kNotProcessed);
  EXPECT_EQ(item->actionable, 1);
  EXPECT_EQ(cell(kPageInbox, 0, 1), "12/09/2025 12:01:15");
  EXPECT_EQ(cell(kPageInbox, 0, 2), "Not Processed");
}

TEST_F(InboxTest, ProcessNowInTheEditorStoresANewItemFirst) {
  show_inbox();
  click(kPageInbox, "btnAdd");
  type(kPageOneItem, "edtName", "Plan the garden");
  click(kPageOneItem, "btnProcess");
  ASSERT_EQ(g().inbox.count(), 1u);
  EXPECT_EQ(g().inbox.first()->name, "Plan the garden");
  EXPECT_EQ(g().inbox.first()->state, kStateChanged);
  EXPECT_EQ(current_page(), kPageProcess);
  EXPECT_EQ(stub(kPageProcess)->taken_item, g().inbox.first());  // the stored copy
  click("lblInbox");
  // Refused without a description, with the editor's own message.
  click(kPageInbox, "btnAdd");
  prompts.answer(Prompts::Ok);
  click(kPageOneItem, "btnProcess");
  EXPECT_EQ(prompts.messages().back().text, "The stuff name field can not be empty.");
  EXPECT_EQ(g().inbox.count(), 1u);
}

TEST_F(InboxTest, TextsKeepTheirLimitsInCharactersAndBytes) {
  show_inbox();
  click(kPageInbox, "btnAdd");
  auto* name = control<QLineEdit>(page(kPageOneItem), "edtName");
  EXPECT_EQ(name->maxLength(), 255);
  type(kPageOneItem, "edtName", QString(300, 'x'));
  EXPECT_EQ(name->text().size(), 255);
  auto* notes = control<QPlainTextEdit>(page(kPageOneItem), "memNotes");
  notes->setPlainText(QString(2040, 'n') + "\n\n\n\nend");  // line breaks are two bytes each
  click(kPageOneItem, "btnSave");
  InboxItem* item = g().inbox.first();
  EXPECT_EQ(item->name.size(), 255u);
  EXPECT_LE(item->notes.size(), 2047u);
  EXPECT_EQ(item->notes.view().substr(2040), "\r\n\r\n\r\n");
}

TEST_F(InboxTest, TextsCrossTheScreenInTheWindowsCodePage) {
  show_inbox();
  click(kPageInbox, "btnAdd");
  type(kPageOneItem, "edtName", QString::fromUtf8("Café – 5 € für Zoë 日本"));
  control<QPlainTextEdit>(page(kPageOneItem), "memNotes")->setPlainText("a\nb");
  click(kPageOneItem, "btnSave");
  InboxItem* item = g().inbox.first();
  EXPECT_EQ(item->name, "Caf\xE9 \x96 5 \x80 f\xFCr Zo\xEB ??");
  EXPECT_EQ(item->notes, "a\r\nb");
  EXPECT_EQ(cell(kPageInbox, 0, 0), QString::fromUtf8("Café – 5 € für Zoë ??"));
  select(kPageInbox, 0);
  click(kPageInbox, "btnProp");
  EXPECT_EQ(control<QPlainTextEdit>(page(kPageOneItem), "memNotes")->toPlainText(), "a\nb");
}

}  // namespace
