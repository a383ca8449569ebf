#include "ui/RecordEditor.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/Navigator.h"
#include "ui/Prompts.h"
#include "ui/TimeStamps.h"
#include "ui/Widgets.h"

namespace {

// Rows of the form: the description, the editor's own rows above the notes, the notes and
// their hint, the editor's own rows below.
constexpr int kNotesRow = 10;
constexpr int kBelowNotesRow = kNotesRow + 2;

}  // namespace

TfmEditorBase::TfmEditorBase(Navigator& nav, const EditorInfo& info)
    : TfmPage(nav, info.form_class), m_info(info) {
  QLabel* lblTitle = page_heading(info.title, "lblTitle", this);

  edtName = make_line_field("edtName", 255, this);
  memNotes = new NotesField("memNotes", 2047, this);
  m_first_field = edtName;
  btnSave = new QPushButton("Save && Return", this);
  btnSave->setObjectName("btnSave");
  btnSave->setDefault(true);
  btnCancel = new QPushButton("Cancel", this);
  btnCancel->setObjectName("btnCancel");
  for (QPushButton* b : {btnSave, btnCancel}) b->setMinimumSize(110, 28);
  auto* hint_name = named_label("(max characters: 255)", "Label3", this);
  hint_name->setStyleSheet("color: #606060");

  // One grid for every row, so that the captions and the fields line up down the page.
  m_form = new QGridLayout;
  m_form->setHorizontalSpacing(10);
  m_form->setVerticalSpacing(8);
  m_form->setColumnMinimumWidth(0, 80);
  m_form->addWidget(named_label(info.name_label, "Label1", this), 0, 0);
  m_form->addWidget(edtName, 0, 1);
  m_form->addWidget(hint_name, 0, 2);
  if (!info.notes_placed_by_editor) {
    auto* hint_notes = named_label("(max characters: 2047)", "Label4", this);
    hint_notes->setStyleSheet("color: #606060");
    m_form->addWidget(named_label("Notes:", "Label2", this), kNotesRow, 0, Qt::AlignTop);
    m_form->addWidget(memNotes, kNotesRow, 1, 1, 2);
    m_form->addWidget(hint_notes, kNotesRow + 1, 1);
  }
  m_form->setRowStretch(kNotesRow, 1);
  m_form->setColumnStretch(1, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnSave);
  buttons->addWidget(btnCancel);

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(18, 14, 18, 12);
  page->setSpacing(10);
  page->addWidget(lblTitle);
  page->addLayout(m_form, 1);
  page->addLayout(buttons);

  connect(btnSave, &QPushButton::clicked, this, &TfmEditorBase::save);
  connect(btnCancel, &QPushButton::clicked, this, &TfmEditorBase::cancel);
  save_on_enter(edtName);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr,
                               Qt::WidgetWithChildrenShortcut);
  connect(escape, &QShortcut::activated, this, &TfmEditorBase::cancel);
}

void TfmEditorBase::save_on_enter(QWidget* field) {
  // A number, date or time field reports Enter through the text field inside it, once it has
  // taken what was typed.
  auto* text = qobject_cast<QLineEdit*>(field);
  if (!text) text = field->findChild<QLineEdit*>();
  if (text) connect(text, &QLineEdit::returnPressed, this, &TfmEditorBase::save);
}

void TfmEditorBase::save() {
  // An editor whose record is gone has nothing to save: Save does what Cancel does.
  if (!has_record()) return cancel();
  m_nav.show_page(return_page(), true);
}

void TfmEditorBase::cancel() {
  drop_new_record();
  m_nav.show_page(return_page(), false);
}

bool TfmEditorBase::refuse_empty_name() {
  show_error(this, m_info.empty_message);
  edtName->setFocus();
  return false;
}

void TfmEditorBase::show_no_record() {
  edtName->clear();
  memNotes->clear();
  if (m_times) m_times->clear();
  enable_fields(false);
}

void TfmEditorBase::enable_fields(bool enabled) {
  edtName->setEnabled(enabled);
  memNotes->setEnabled(enabled);
  enable_own_controls(enabled);
}

int TfmEditorBase::next_row(Place place) {
  return place == Place::AboveNotes ? 1 + m_rows_above++ : kBelowNotesRow + m_rows_below++;
}

void TfmEditorBase::add_row(Place place, const char* caption_name, const QString& caption,
                            QWidget* content) {
  const int row = next_row(place);
  if (caption_name) m_form->addWidget(named_label(caption, caption_name, this), row, 0);
  m_form->addWidget(content, row, 1, 1, 2);
}

void TfmEditorBase::add_row(Place place, const char* caption_name, const QString& caption,
                            QLayout* content) {
  const int row = next_row(place);
  if (caption_name) m_form->addWidget(named_label(caption, caption_name, this), row, 0);
  m_form->addLayout(content, row, 1, 1, 2);
}

void TfmEditorBase::add_wide(QWidget* content) {
  m_form->addWidget(content, kNotesRow, 0, 1, 3);
}

void TfmEditorBase::add_time_stamps(const char* caption_name) {
  add_row(Place::BelowNotes, caption_name, "Time:", make_time_stamps());
}

TimeStamps* TfmEditorBase::make_time_stamps() {
  m_times = new TimeStamps(this);
  return m_times;
}

void TfmEditorBase::show_times(double created, double modified) {
  if (m_times) m_times->show_times(created, modified);
}
