// What the check-box list pages and their editors share, checked on each of them.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "support/ProgramFixture.h"
#include "ui/PageIds.h"

namespace {

// One list page, its editor, and its store seen through the common store operations.
struct ListPage {
  const char* what;
  int32_t list_page;
  int32_t editor_page;
  QStringList columns;
  const char* details;
  QStringList menu;
  const char* one_question;
  const char* two_question;
  const char* empty_message;
  struct StoreOps {
    std::function<uint32_t(Globals&)> count;
    std::function<void(Globals&, const char*)> add;
    std::function<std::vector<std::string>(Globals&)> names;
    std::function<uint32_t(Globals&)> id_counter;
    std::function<double(Globals&, int)> modified;  // of the record at a position
    std::function<void(Globals&)> clear;
  } store;
};

void PrintTo(const ListPage& page, std::ostream* os) {
  *os << page.what;
}

template <class Store>
void with_store(ListPage& page, Store Globals::*store) {
  ListPage::StoreOps& p = page.store;
  p.count = [store](Globals& g) { return (g.*store).count(); };
  p.add = [store](Globals& g, const char* name) {
    auto r = (g.*store).create();
    r->name = name;
    (g.*store).add_copy(r.get());
    (g.*store).discard(std::move(r));
  };
  p.names = [store](Globals& g) {
    std::vector<std::string> names;
    for (auto* r = (g.*store).first(); r; r = (g.*store).next()) names.emplace_back(r->name.view());
    return names;
  };
  p.id_counter = [store](Globals& g) { return (g.*store).id_counter(); };
  p.modified = [store](Globals& g, int at) {
    auto* r = (g.*store).first();
    for (int i = 0; i < at; ++i) r = (g.*store).next();
    return r->modified;
  };
  p.clear = [store](Globals& g) { (g.*store).clear(); };
}

std::vector<ListPage> list_pages() {
  std::vector<ListPage> pages = {
      {"Inbox",
       kPageInbox,
       kPageOneItem,
       {"Description", "Update Time", "Status", "Notes"},
       "Properties",
       {"Select All", "Clear", "-", "Add Item", "Item Properties", "Delete Item", "-",
        "Process Now"},
       "Are you sure to delete the 1 selected inbox item?",
       "Are you sure to delete the 2 selected inbox items?",
       "The stuff name field can not be empty.",
       {}},
      {"Contexts",
       kPageContexts,
       kPageOneContext,
       {"Name", "Notes"},
       "Properties",
       {"Select All", "Clear", "-", "Add Context", "Context Properties", "Delete Context"},
       "Are you sure to delete the 1 selected context record?",
       "Are you sure to delete the 2 selected context records?",
       "Context name field can not be empty.",
       {}},
      {"Someday",
       kPageSomeday,
       kPageOneSomeday,
       {"Description", "Context", "When", "Notes"},
       "Details",
       {"Select All", "Clear", "-", "Add Someday/Maybe", "Someday/Maybe Details",
        "Delete Someday/Maybe"},
       "Are you sure to delete the 1 selected Someday/Maybe record?",
       "Are you sure to delete the 2 selected Someday/Maybe records?",
       "The description field can not be empty.",
       {}},
      {"Reference",
       kPageRef,
       kPageOneRef,
       {"Description", "Context", "Notes"},
       "Details",
       {"Select All", "Clear", "-", "Add Reference", "Reference Details", "Delete Reference"},
       "Are you sure to delete the 1 selected Reference record?",
       "Are you sure to delete the 2 selected Reference records?",
       "The description field can not be empty.",
       {}},
      {"Actions",
       kPageActions,
       kPageOneAction,
       {"Description", "Priority", "Ran Time", "Status", "Due Time", "Note"},
       "Details",
       {"Select All", "Clear", "-", "Add Action", "Action Properties", "Delete Action", "-",
        "Start Action", "Complete Action"},
       "Are you sure to delete the 1 selected Action record?",
       "Are you sure to delete the 2 selected Action records?",
       "The description field can not be empty.",
       {}},
  };
  with_store(pages[0], &Globals::inbox);
  with_store(pages[1], &Globals::contexts);
  with_store(pages[2], &Globals::someday);
  with_store(pages[3], &Globals::refs);
  with_store(pages[4], &Globals::actions);
  return pages;
}

class ListPageTest : public ExitingProgramFixture, public ::testing::WithParamInterface<ListPage> {
 protected:
  void SetUp() override {
    start();
    p().store.clear(g());  // the contexts start with their default set
  }
  const ListPage& p() const { return GetParam(); }
  int32_t list_id() const { return p().list_page; }
  int32_t editor_id() const { return p().editor_page; }
  void show_list() {
    main().show_page(kPageHome, true);
    main().show_page(list_id(), true);
    QApplication::processEvents();  // laid out, as the user sees it
  }
  void fill(std::initializer_list<const char*> names) {
    for (const char* n : names) p().store.add(g(), n);
    show_list();
  }
  std::vector<std::string> names() { return p().store.names(g()); }
  QAction* menu_entry(const char* name) {
    return control<QMenu>(page(list_id()), "pmAction")->findChild<QAction*>(name);
  }
  QStringList menu_captions() {
    QStringList captions;
    for (QAction* a : control<QMenu>(page(list_id()), "pmAction")->actions())
      captions << (a->isSeparator() ? "-" : a->text());
    return captions;
  }
};

TEST_P(ListPageTest, AnEmptyListOffersOnlyAdd) {
  show_list();
  EXPECT_EQ(rows(list_id()), 0);
  QStringList titles;
  for (int c = 0; c < list(list_id())->model()->columnCount(); ++c)
    titles << list(list_id())->model()->headerData(c, Qt::Horizontal).toString();
  EXPECT_EQ(titles, p().columns);
  EXPECT_EQ(control<QPushButton>(page(list_id()), "btnProp")->text(), p().details);
  EXPECT_EQ(menu_captions(), p().menu);
  for (const char* name : {"btnSelAll", "btnClear", "btnProp", "btnDelete"})
    EXPECT_FALSE(enabled(list_id(), name)) << name;
  for (const char* name : {"pmiSelAll", "pmiClear", "pmiProp", "pmiDelete"})
    EXPECT_FALSE(menu_entry(name)->isEnabled()) << name;
  EXPECT_TRUE(enabled(list_id(), "btnAdd"));
  EXPECT_TRUE(menu_entry("pmiAdd")->isEnabled());
}

TEST_P(ListPageTest, TicksAndTheSelectionEnableTheButtons) {
  fill({"first", "second", "third"});
  ASSERT_EQ(rows(list_id()), 3);
  EXPECT_EQ(cell(list_id(), 1, 0), "second");
  auto state = [&] {
    return std::vector<bool>{
        enabled(list_id(), "btnSelAll"),      enabled(list_id(), "btnClear"),
        enabled(list_id(), "btnProp"),        enabled(list_id(), "btnDelete"),
        menu_entry("pmiSelAll")->isEnabled(), menu_entry("pmiClear")->isEnabled(),
        menu_entry("pmiProp")->isEnabled(),   menu_entry("pmiDelete")->isEnabled()};
  };
  EXPECT_EQ(state(), (std::vector<bool>{true, false, false, false, true, false, false, false}));
  select(list_id(), 1);
  EXPECT_EQ(state(), (std::vector<bool>{true, false, true, false, true, false, true, false}));
  tick(list_id(), 2);
  EXPECT_EQ(state(), (std::vector<bool>{true, true, true, true, true, true, true, true}));
  click(list_id(), "btnClear");
  for (int r = 0; r < 3; ++r) EXPECT_FALSE(ticked(list_id(), r));
  menu_entry("pmiSelAll")->trigger();
  for (int r = 0; r < 3; ++r) EXPECT_TRUE(ticked(list_id(), r));
}

TEST_P(ListPageTest, SpaceTicksTheSelectedRow) {
  fill({"a", "b"});
  select(list_id(), 1);
  list(list_id())->setFocus();
  QTest::keyClick(list(list_id()), Qt::Key_Space);
  EXPECT_TRUE(ticked(list_id(), 1));
  EXPECT_FALSE(ticked(list_id(), 0));
  EXPECT_TRUE(enabled(list_id(), "btnDelete"));
  QTest::keyClick(list(list_id()), Qt::Key_Space);
  EXPECT_FALSE(ticked(list_id(), 1));
  EXPECT_FALSE(enabled(list_id(), "btnDelete"));
}

TEST_P(ListPageTest, DeleteAsksWithTheCountAndRemovesExactlyTheTickedRows) {
  fill({"keep me", "delete me", "selected only", "delete me too"});
  tick(list_id(), 1);
  prompts.answer(Prompts::No);
  click(list_id(), "btnDelete");
  ASSERT_EQ(prompts.messages().size(), 1u);
  const auto& question = prompts.messages()[0];
  EXPECT_EQ(question.caption, "Confirmation");
  EXPECT_EQ(question.text, p().one_question);
  EXPECT_EQ(question.icon, Prompts::Icon::Question);
  EXPECT_EQ(question.buttons, Prompts::Yes | Prompts::No | Prompts::Cancel);
  EXPECT_EQ(p().store.count(g()), 4u);  // declined: nothing changes, the tick stays
  EXPECT_TRUE(ticked(list_id(), 1));

  tick(list_id(), 3);
  select(list_id(), 2);  // selected but not ticked: stays
  prompts.answer(Prompts::Yes);
  click(list_id(), "btnDelete");
  EXPECT_EQ(prompts.messages()[1].text, p().two_question);
  EXPECT_EQ(names(), (std::vector<std::string>{"keep me", "selected only"}));
  EXPECT_EQ(rows(list_id()), 2);
  EXPECT_FALSE(enabled(list_id(), "btnDelete"));
}

TEST_P(ListPageTest, WithoutTheAlertDeleteAndTheDeleteKeyAskNothing) {
  fill({"a", "b", "c"});
  g().settings.AlertDeletion = false;
  tick(list_id(), 0);
  tick(list_id(), 2);
  list(list_id())->setFocus();
  QTest::keyClick(list(list_id()), Qt::Key_Delete);
  EXPECT_TRUE(prompts.messages().empty());
  EXPECT_EQ(names(), (std::vector<std::string>{"b"}));
  QTest::keyClick(list(list_id()), Qt::Key_Delete);  // nothing ticked: nothing happens
  EXPECT_EQ(p().store.count(g()), 1u);
}

TEST_P(ListPageTest, AddAndSaveAppendsTheNewRecord) {
  fill({"older"});
  clock.set(46000.5);
  click(list_id(), "btnAdd");
  ASSERT_EQ(current_page(), editor_id());
  EXPECT_TRUE(control<QLineEdit>(page(editor_id()), "edtName")->text().isEmpty());
  type(editor_id(), "edtName", "Newer entry");
  clock.advance_seconds(90);
  click(editor_id(), "btnSave");
  EXPECT_EQ(current_page(), list_id());
  EXPECT_EQ(names(), (std::vector<std::string>{"older", "Newer entry"}));
  ASSERT_EQ(rows(list_id()), 2);
  EXPECT_EQ(cell(list_id(), 1, 0), "Newer entry");
  EXPECT_DOUBLE_EQ(p().store.modified(g(), 1), 46000.5 + 90.0 / 86400);
}

TEST_P(ListPageTest, AddAndCancelStoresNothingAndSkipsTheIdentifier) {
  fill({"only"});
  const uint32_t counter = p().store.id_counter(g());
  menu_entry("pmiAdd")->trigger();
  ASSERT_EQ(current_page(), editor_id());
  type(editor_id(), "edtName", "never stored");
  click(editor_id(), "btnCancel");
  EXPECT_EQ(current_page(), list_id());
  EXPECT_EQ(names(), (std::vector<std::string>{"only"}));
  click(list_id(), "btnAdd");
  EXPECT_EQ(p().store.id_counter(g()), counter + 2);
  // Escape in the editor is Cancel too.
  EXPECT_EQ(QApplication::focusWidget(), control(page(editor_id()), "edtName"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_EQ(current_page(), list_id());
  EXPECT_EQ(p().store.count(g()), 1u);
}

TEST_P(ListPageTest, EditingARecordChangesItInPlace) {
  fill({"one", "two", "three"});
  clock.advance_seconds(3600);
  RecordListView* l = list(list_id());
  QPoint row = l->visualRect(l->model()->index(1, 0)).center();
  QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, row);
  QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, row);
  ASSERT_EQ(current_page(), editor_id());
  EXPECT_EQ(control<QLineEdit>(page(editor_id()), "edtName")->text(), "two");
  type(editor_id(), "edtName", "two, changed");
  QTest::keyClick(control(page(editor_id()), "edtName"), Qt::Key_Return);  // Enter saves
  EXPECT_EQ(current_page(), list_id());
  EXPECT_EQ(names(), (std::vector<std::string>{"one", "two, changed", "three"}));
  EXPECT_DOUBLE_EQ(p().store.modified(g(), 1), clock.moment());
  EXPECT_EQ(cell(list_id(), 1, 0), "two, changed");
}

TEST_P(ListPageTest, AnEmptyDescriptionIsRefusedWhereverTheUserGoes) {
  show_list();
  click(list_id(), "btnAdd");
  prompts.answer(Prompts::Ok);
  click(editor_id(), "btnSave");
  ASSERT_EQ(prompts.messages().size(), 1u);
  EXPECT_EQ(prompts.messages()[0].caption, "Error");
  EXPECT_EQ(prompts.messages()[0].text, p().empty_message);
  EXPECT_EQ(prompts.messages()[0].icon, Prompts::Icon::Error);
  EXPECT_EQ(prompts.messages()[0].buttons, Prompts::Ok);
  EXPECT_EQ(current_page(), editor_id());
  EXPECT_EQ(QApplication::focusWidget(), control(page(editor_id()), "edtName"));
  prompts.answer(Prompts::Ok);
  click("lblHome");
  EXPECT_EQ(current_page(), editor_id());
  type(editor_id(), "edtName", " ");  // a blank is a description
  click("lblHome");
  EXPECT_EQ(current_page(), kPageHome);
  EXPECT_EQ(p().store.count(g()), 1u);
}

TEST_P(ListPageTest, AnEditorWhoseRecordWasDeletedNeitherReadsNorWritesIt) {
  fill({"doomed", "other"});
  select(list_id(), 0);
  click(list_id(), "btnProp");
  ASSERT_EQ(current_page(), editor_id());
  type(editor_id(), "edtName", "typed, not saved");
  click("btnBack");
  ASSERT_EQ(current_page(), list_id());
  tick(list_id(), 0);
  prompts.answer(Prompts::Yes);
  click(list_id(), "btnDelete");
  click("btnForward");
  ASSERT_EQ(current_page(), editor_id());
  // Reached again without a refill, the editor already shows that its record is gone: nothing
  // to type into. Save does what Cancel does, and nothing keeps the user here.
  EXPECT_TRUE(control<QLineEdit>(page(editor_id()), "edtName")->text().isEmpty());
  EXPECT_FALSE(control(page(editor_id()), "edtName")->isEnabled());
  EXPECT_FALSE(control(page(editor_id()), "memNotes")->isEnabled());
  click(editor_id(), "btnSave");
  EXPECT_EQ(current_page(), list_id());
  EXPECT_EQ(names(), (std::vector<std::string>{"other"}));
  click("btnBack");
  ASSERT_EQ(current_page(), editor_id());
  click("lblHome");
  EXPECT_EQ(current_page(), kPageHome);
  main().show_page(editor_id(), false);
  EXPECT_TRUE(control<QLineEdit>(page(editor_id()), "edtName")->text().isEmpty());
  EXPECT_FALSE(control(page(editor_id()), "edtName")->isEnabled());
  EXPECT_EQ(names(), (std::vector<std::string>{"other"}));
}

TEST_P(ListPageTest, ARecordRemovedElsewhereLeavesTheListAtOnce) {
  fill({"a", "b"});
  select(list_id(), 1);
  p().store.clear(g());
  EXPECT_EQ(rows(list_id()), 0);
  EXPECT_FALSE(enabled(list_id(), "btnProp"));
}

INSTANTIATE_TEST_SUITE_P(Pages, ListPageTest, ::testing::ValuesIn(list_pages()),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
