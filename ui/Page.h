#pragma once

#include <QWidget>
#include <cstdint>

#include "app/ZorvoFormMgr.h"

class TfmMain;
struct Globals;

// A page of the main window's page area. Every screen of the program is one, created once at
// start-up and shown or hidden by the main window's show_page.
class TfmPage : public QWidget, public PageView {
  Q_OBJECT

 public:
  // `form_class` becomes the page's objectName.
  TfmPage(TfmMain& main, Globals& globals, const char* form_class);

  // commit false: fill the page from its data. commit true: the page is about to be left; it
  // takes the user's input back and returns false to keep the user on it.
  virtual bool sync(bool commit) = 0;

  void set_page_visible(bool visible) override;

 protected:
  TfmMain& m_main;
  Globals& m_g;
  // Where the keyboard starts when the page is shown (none: where it was).
  QWidget* m_first_field = nullptr;
};

// A page that goes back to another page when the user is done with it (the editors and the
// reminders page). The opener sets the page to go back to before showing it.
class ReturnsToPage {
 public:
  virtual ~ReturnsToPage() = default;
  void set_return_page(int32_t page_id) { m_return_page = page_id; }
  int32_t return_page() const { return m_return_page; }

 private:
  int32_t m_return_page = 0;
};

// A page that the opener hands a stored record of type R before showing it (an editor, or the
// page that processes an inbox item).
template <class R>
class EditsRecord {
 public:
  virtual ~EditsRecord() = default;
  virtual void edit_record(R* record) = 0;
};
