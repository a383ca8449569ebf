#pragma once

#include <QWidget>
#include <cstdint>

#include "app/ZorvoFormMgr.h"
#include "stores/EditedRecord.h"

class Navigator;

// A page of the main window's page area. Every screen of the program is one, created once at
// start-up and shown or hidden by the navigator's show_page. A page reaches the rest of the
// program only through the navigator and the stores it is given.
class TfmPage : public QWidget, public PageView {
  Q_OBJECT

 public:
  // `form_class` becomes the page's objectName.
  TfmPage(Navigator& nav, const char* form_class);

  // commit false: fill the page from its data. commit true: the page is about to be left; it
  // takes the user's input back and returns false to keep the user on it.
  virtual bool sync(bool commit) = 0;

  void set_page_visible(bool visible) override;

 protected:
  Navigator& m_nav;
  // Where the keyboard starts when the page is shown (none: where it was).
  QWidget* m_first_field = nullptr;
};

// A page that goes back to another page when the user is done with it (the editors and the
// reminders page).
class ReturnsToPage {
 public:
  virtual ~ReturnsToPage() = default;
  void set_return_page(int32_t page_id) { m_return_page = page_id; }
  int32_t return_page() const { return m_return_page; }

 private:
  int32_t m_return_page = 0;
};

// A page that works on a stored record of type R handed to it before it is shown (the page that
// processes an inbox item).
template <class R>
class TakesRecord {
 public:
  virtual ~TakesRecord() = default;
  virtual void take_record(R* stored) = 0;
};

// An editor of records of type R: it is handed the record, stored or new, and the page to go
// back to when the user is done.
template <class R>
class EditsRecord {
 public:
  virtual ~EditsRecord() = default;
  virtual void edit(RecordToEdit<R> record, int32_t return_page) = 0;
};
