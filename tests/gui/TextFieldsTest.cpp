#include "ui/TextFields.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "stores/ZorvoInboxItemMgr.h"
#include "support/TempFolder.h"

namespace {

// A notes field of 20 bytes holding `text`, the cursor at `cursor`.
struct Notes {
  Notes(const QString& text, int cursor) : field("memNotes", 20, nullptr) {
    field.setPlainText(text);
    QTextCursor c = field.textCursor();
    c.setPosition(cursor);
    field.setTextCursor(c);
  }
  QString text() const { return field.toPlainText(); }
  int cursor() const { return field.textCursor().position(); }
  NotesField field;
};

// Typing or pasting into a field that is full, or nearly, keeps what fits of the new text at
// the place it went in; the text that was there stays whole and the cursor stays where the
// user typed.
TEST(NotesFieldTest, WhatDoesNotFitIsCutFromTheNewTextOnly) {
  const QString full = "0123456789abcdefghij";  // 20 bytes: full
  {
    Notes n(full, 3);
    QTest::keyClicks(&n.field, "XY");
    EXPECT_EQ(n.text(), full);
    EXPECT_EQ(n.cursor(), 3);
  }
  {
    Notes n("0123456789abcdef", 5);  // room for 4 more bytes
    QApplication::clipboard()->setText("PASTED TEXT");
    n.field.paste();
    EXPECT_EQ(n.text(), "01234PAST56789abcdef");
    EXPECT_EQ(n.cursor(), 9);
    EXPECT_EQ(n.field.stored_text(), "01234PAST56789abcdef");
  }
  {
    // A line break takes two bytes (CR LF): with one byte left it does not fit.
    Notes n("0123456789abcdefghi", 19);
    QTest::keyClick(&n.field, Qt::Key_Return);
    EXPECT_EQ(n.text(), "0123456789abcdefghi");
    QTest::keyClicks(&n.field, "jk");
    EXPECT_EQ(n.text(), full);
    EXPECT_EQ(n.cursor(), 20);
  }
  {
    // Pasted line breaks count twice, and one that would be cut in half is left out whole.
    Notes n("abc", 0);
    QApplication::clipboard()->setText("1\n2\n3\n4\n5\n6\n7\n8\n9\n");
    n.field.paste();
    EXPECT_EQ(n.field.stored_text(), "1\r\n2\r\n3\r\n4\r\n5\r\n6abc");
    EXPECT_EQ(n.cursor(), 11);
  }
  {
    // Undo takes the cut edit back as one.
    Notes n("0123456789abcdef", 16);
    QTest::keyClicks(&n.field, "g");
    QApplication::clipboard()->setText("WXYZ");
    n.field.paste();
    EXPECT_EQ(n.text(), "0123456789abcdefgWXY");
    n.field.undo();
    EXPECT_EQ(n.text(), "0123456789abcdefg");
  }
}

TEST(NotesFieldTest, ANonBreakingSpaceSurvivesASaveAndALoad) {
  TempFolder dir;
  const QString typed = QString("10") + QChar(0x00A0) + "km" + QChar('\n') + "end";
  NotesField field("memNotes", 2048, nullptr);
  field.setPlainText(typed);
  {
    ZorvoInboxItemMgr store;
    store.set_folder(dir.path());
    InboxItem item;
    item.notes = field.stored_text();
    store.add_copy(&item);
    ASSERT_TRUE(store.save());
  }
  ZorvoInboxItemMgr store;
  store.set_folder(dir.path());
  store.reload();
  ASSERT_EQ(store.count(), 1u);
  EXPECT_EQ(store.first()->notes, "10\xA0km\r\nend");
  NotesField shown("memNotes", 2048, nullptr);
  shown.set_stored_text(store.first()->notes.view());
  EXPECT_EQ(shown.document()->toRawText().at(2), QChar(0x00A0));
  EXPECT_EQ(shown.stored_text(), "10\xA0km\r\nend");
}

}  // namespace
