// The list mechanism every list page is built on: a model of the store's records under a view,
// pages that leave out buttons and add controls above the list, and the model's one-cell
// updates, row colours, ticks and removals.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "support/FakeClock.h"
#include "support/FakeNavigator.h"
#include "support/ScriptedPrompts.h"
#include "ui/Ansi.h"
#include "ui/ListPage.h"
#include "ui/Oneref.h"
#include "ui/PageIds.h"

namespace {

constexpr int32_t kTestPage = 2000;

// A list of the test's own: no check boxes, only a Details button, a choice above the list.
const ListPageInfo kInfo{"TfmTestList", "Test heading", "lvTest", {{"Name", 200}, {"Notes", 100}},
                         "Open Item",   nullptr,        "Open",   nullptr,
                         nullptr,       nullptr,        nullptr,  -1,
                         kDetails,      false};

class TestList : public TfmRecordList<ZorvoRefMgr> {
 public:
  TestList(Navigator& nav, ZorvoRefMgr& refs, const Settings& settings)
      : TfmRecordList(nav, settings, kInfo, refs, kTestPage, kPageOneRef) {
    auto* controls = new QHBoxLayout;
    auto* choice = new QComboBox(this);
    choice->setObjectName("cbChoice");
    controls->addWidget(choice);
    add_above_list(controls);
  }

 protected:
  QString cell(const RefItem& item, int column) const override {
    return column == 0 ? from_ansi(item.name.view()) : QStringLiteral("note");
  }
};

class ListMechanismTest : public ::testing::Test {
 protected:
  ListMechanismTest() {
    nav.add(kTestPage, page = new TestList(nav, refs, settings));
    nav.add(kPageOneRef, new TfmOneRef(nav, refs));
    for (const char* name : {"manual", "warranty", "receipt"}) {
      RefItem r;
      r.name = name;
      refs.add_copy(&r);
    }
    page->resize(600, 400);
    nav.show_page(kTestPage, true);
    list = page->findChild<RecordListView*>("lvTest");
  }

  FakeClock clock{46000.5};
  ScriptedPrompts prompts;
  ZorvoRefMgr refs;
  Settings settings;
  FakeNavigator nav;
  TestList* page;
  RecordListView* list;
};

TEST_F(ListMechanismTest, APageLeavesOutTheButtonsItDoesNotHave) {
  for (const char* absent : {"btnSelAll", "btnClear", "btnAdd", "btnDelete"})
    EXPECT_EQ(page->findChild<QPushButton*>(absent), nullptr) << absent;
  auto* open = page->findChild<QPushButton*>("btnProp");
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->text(), "Open Item");
  QStringList menu;
  for (QAction* a : page->findChild<QMenu*>("pmAction")->actions()) menu << a->text();
  EXPECT_EQ(menu, QStringList{"Open"});
  auto* choice = page->findChild<QComboBox*>("cbChoice");
  ASSERT_NE(choice, nullptr);
  EXPECT_LT(choice->geometry().bottom(), list->geometry().top());  // above the list

  // Without check boxes, Space and Delete do nothing; Details still opens the record.
  ASSERT_EQ(list->rows().count(), 3);
  EXPECT_FALSE(list->model()->index(0, 0).data(Qt::CheckStateRole).isValid());
  list->select_row(1);
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Space);
  QTest::keyClick(list, Qt::Key_Delete);
  EXPECT_EQ(list->rows().ticked_count(), 0);
  EXPECT_EQ(refs.count(), 3u);
  EXPECT_TRUE(prompts.messages().empty());
  open->click();
  EXPECT_EQ(nav.current, kPageOneRef);
  nav.page_by_id(kPageOneRef)->findChild<QPushButton*>("btnCancel")->click();
  EXPECT_EQ(nav.current, kTestPage);
}

TEST_F(ListMechanismTest, CellsAreReadFromTheRecordsAndReachTheAccessibilityBus) {
  RefItem* second = *std::next(refs.records().begin());
  second->name = "warranty of the washer";  // a row shows what its record holds now
  QAccessibleInterface* view = QAccessible::queryAccessibleInterface(list);
  ASSERT_NE(view, nullptr);
  QAccessibleTableInterface* table = view->tableInterface();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rowCount(), 3);
  EXPECT_EQ(table->columnCount(), 2);
  EXPECT_EQ(table->cellAt(1, 0)->text(QAccessible::Name), "warranty of the washer");
  EXPECT_EQ(table->cellAt(2, 1)->text(QAccessible::Name), "note");
  EXPECT_EQ(table->columnDescription(1), "Notes");
}

TEST(RecordListModelTest, UpdatesOneCellColoursRowsAndForgetsRemovedRecords) {
  int a = 1, b = 2, c = 3;
  RecordListModel model(
      {"Number", "Twice"}, true,
      [](const void* r, int column) {
        int n = *static_cast<const int*>(r);
        return QString::number(column == 0 ? n : 2 * n);
      },
      nullptr);
  model.set_row_color([&b](const void* r) { return r == &b ? QColor(Qt::red) : QColor(); });
  model.set_records({&a, &b, &c});
  EXPECT_EQ(model.index(2, 1).data().toString(), "6");
  EXPECT_EQ(model.index(1, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
  EXPECT_FALSE(model.index(0, 0).data(Qt::ForegroundRole).isValid());  // the view's own colour

  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  b = 21;
  model.update_cell(1, 1);
  ASSERT_EQ(changed.size(), 1);
  EXPECT_EQ(changed[0][0].toModelIndex(), model.index(1, 1));
  EXPECT_EQ(changed[0][1].toModelIndex(), model.index(1, 1));
  EXPECT_EQ(model.index(1, 1).data().toString(), "42");

  model.set_ticked(0, true);
  model.set_ticked(2, true);
  model.set_ticked(2, true);
  EXPECT_EQ(model.ticked_count(), 2);
  model.forget(&c);  // a ticked row leaves with its tick
  EXPECT_EQ(model.count(), 2);
  EXPECT_EQ(model.ticked_count(), 1);
  EXPECT_EQ(model.ticked_records(), std::vector<void*>{&a});
  EXPECT_EQ(model.row_of(&b), 1);
  model.forget(&c);  // not listed: nothing happens
  model.forget(nullptr);
  EXPECT_EQ(model.count(), 0);
  EXPECT_EQ(model.ticked_count(), 0);
}

}  // namespace
