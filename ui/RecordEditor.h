#pragma once

#include <QString>

#include "stores/EditedRecord.h"
#include "ui/Ansi.h"
#include "ui/Page.h"
#include "ui/TextFields.h"

class QGridLayout;
class TimeStamps;
class QLayout;
class QPushButton;

// What sets one editor page apart from the others.
struct EditorInfo {
  const char* form_class;
  const char* title;
  const char* name_label;     // "Desc:" or "Name:"
  const char* empty_message;  // shown when the description is left empty
  // The notes have no row of the form: the editor puts the field where it wants it (on a tab).
  bool notes_placed_by_editor = false;
};

// The part every editor page shares: the heading, the description and notes fields, Save &&
// Return and Cancel, and the keyboard (Enter in a one-line field saves, Escape cancels).
// Editors add rows of their own between the description and the notes, or below the notes, or
// one wide part (tabs) in place of the notes. An editor whose record goes (removed elsewhere, or
// a new one cancelled) shows nothing and takes no input from that moment on.
class TfmEditorBase : public TfmPage, public ReturnsToPage {
  Q_OBJECT

 public:
  TfmEditorBase(Navigator& nav, const EditorInfo& info);

 protected:
  // Whether the editor has a record (it loses it when the record is deleted elsewhere).
  virtual bool has_record() const = 0;
  // Enables or disables the editor's own controls along with the shared ones; disabled, they
  // show nothing.
  virtual void enable_own_controls(bool enabled) { (void)enabled; }
  // Cancel: a new record is dropped unsaved.
  virtual void drop_new_record() {}
  // Makes Enter in a one-line field (a text, number, date or time field) do what Save && Return
  // does.
  void save_on_enter(QWidget* field);
  // The description is empty: says so and keeps the user in the field.
  bool refuse_empty_name();
  // No record: every field empty and disabled.
  void show_no_record();
  void enable_fields(bool enabled);

  enum class Place { AboveNotes, BelowNotes };
  // Adds a row of the editor's own: a caption (or none) in the caption column, then `content`.
  void add_row(Place place, const char* caption_name, const QString& caption, QWidget* content);
  void add_row(Place place, const char* caption_name, const QString& caption, QLayout* content);
  // Puts `content` across the whole form where the notes would be, taking the spare height;
  // for an editor that places its notes itself.
  void add_wide(QWidget* content);
  // Adds the panel with the record's creation and change times below the notes, with the
  // caption "Time:" when `caption_name` is given.
  void add_time_stamps(const char* caption_name);
  // The same panel, for the editor to place.
  TimeStamps* make_time_stamps();
  void show_times(double created, double modified);

  const EditorInfo& m_info;
  QLineEdit* edtName;
  NotesField* memNotes;
  QPushButton* btnSave;
  QPushButton* btnCancel;

 private:
  void save();
  void cancel();
  int next_row(Place place);

  QGridLayout* m_form;
  TimeStamps* m_times = nullptr;
  int m_rows_above = 0;
  int m_rows_below = 0;
};

// An editor of one store's records. A new record from the store's create belongs to the editor
// until it is committed; a stored record is changed in place.
template <class Store>
class TfmRecordEditor : public TfmEditorBase, public EditsRecord<typename Store::Record> {
 public:
  using Record = typename Store::Record;

  TfmRecordEditor(Navigator& nav, const EditorInfo& info, Store& store)
      : TfmEditorBase(nav, info), m_store(store), m_record(store, [this] { show_no_record(); }) {}

  void edit(RecordToEdit<Record> record, int32_t return_page) override {
    m_record.edit(std::move(record));
    set_return_page(return_page);
  }
  Record* record() const { return m_record.get(); }

  bool sync(bool commit) override {
    Record* r = m_record.get();
    if (!r) {
      // The record is gone: nothing to show, nothing to commit, and nothing keeps the user here.
      show_no_record();
      return commit;
    }
    enable_fields(true);
    if (!commit) {
      edtName->setText(from_ansi(r->name.view()));
      memNotes->set_stored_text(r->notes.view());
      show_times(r->created, r->modified);
      fill(*r);
      return true;
    }
    if (edtName->text().isEmpty()) return refuse_empty_name();
    r->name = to_ansi(edtName->text());
    r->notes = memNotes->stored_text();
    take_input(*r);
    m_record.commit();
    return true;
  }

 protected:
  // Fills the editor's own controls from the record.
  virtual void fill(Record&) {}
  // Writes the editor's own controls into the record, before it is committed.
  virtual void take_input(Record&) {}
  bool has_record() const override { return m_record.get() != nullptr; }
  void drop_new_record() override {
    if (!m_record.is_new()) return;
    m_record.drop();
    show_no_record();
  }

  Store& m_store;
  EditedRecord<Store> m_record;
};
