#pragma once

#include <cstdint>
#include <memory>
#include <typeinfo>

#include "ui/Page.h"

// How pages (and the action watcher) reach the rest of the program. The main window implements
// it; a test can stand in for it.
class Navigator {
 public:
  virtual ~Navigator() = default;

  // The one way to switch pages: with commit, the current page may take back its input or
  // refuse to be left; then the target page fills itself and is shown.
  virtual void show_page(int32_t page_id, bool commit) = 0;
  // Brings the main window forward: shown, not minimised, active and on top.
  virtual void restore_main_window() = 0;
  // Opens the running action in the action editor, or the Actions page when none runs.
  virtual void open_running_action() = 0;
  // Ends the program through its exit sequence.
  virtual void request_exit() = 0;

  // Opens `record` in the editor `editor_id`, which comes back to `return_page` when the user is
  // done (show_page with commit: the current page may refuse to be left).
  template <class R>
  void open_editor(int32_t editor_id, RecordToEdit<R> record, int32_t return_page) {
    auto* editor = page_as<EditsRecord<R>>(editor_id);
    if (!editor) return;
    editor->edit(std::move(record), return_page);
    show_page(editor_id, true);
  }
  template <class R>
  void open_editor(int32_t editor_id, R* stored, int32_t return_page) {
    open_editor(editor_id, RecordToEdit<R>(stored), return_page);
  }
  template <class R>
  void open_editor(int32_t editor_id, std::unique_ptr<R> fresh, int32_t return_page) {
    open_editor(editor_id, RecordToEdit<R>(std::move(fresh)), return_page);
  }

  // Hands a stored record to the page that works on it, then shows that page.
  template <class R>
  void show_with(int32_t page_id, R* stored, bool commit) {
    auto* page = page_as<TakesRecord<R>>(page_id);
    if (!page) return;
    page->take_record(stored);
    show_page(page_id, commit);
  }

  // The page of an identifier; none for one that names no page.
  virtual TfmPage* page_by_id(int32_t page_id) const = 0;

 protected:
  // A page was asked for something it does not do (a record it cannot edit, an identifier that
  // names no page): a mistake in the program, which must never pass unnoticed.
  virtual void wrong_page(int32_t page_id, const char* wanted) = 0;

  // The page of an identifier as `Kind`; none, after reporting the mistake, when it is not one.
  template <class Kind>
  Kind* page_as(int32_t page_id) {
    auto* page = dynamic_cast<Kind*>(page_by_id(page_id));
    if (!page) wrong_page(page_id, typeid(Kind).name());
    return page;
  }
};
