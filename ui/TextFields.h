#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <string>
#include <string_view>
#include <utility>

// A one-line field for a text of at most `max_chars` characters, named `name`. One character
// is one byte on file, so the limit holds in both.
QLineEdit* make_line_field(const char* name, int max_chars, QWidget* parent);

// A multi-line field that holds at most `max_bytes` bytes as stored: a line break is stored as
// the two bytes CR LF, as on Windows, and counts twice. Typing or pasting into a full field
// keeps what fits of the new text; what the field held stays as it was.
class NotesField : public QPlainTextEdit {
  Q_OBJECT

 public:
  NotesField(const char* name, int max_bytes, QWidget* parent);

  // The stored form: Windows-1252 bytes with CR LF line breaks, never above the limit.
  std::string stored_text() const;
  void set_stored_text(std::string_view bytes);

 private:
  void enforce_limit();
  // The text with '\n' line breaks, every other character as typed.
  QString text_as_typed() const;

  int m_max_bytes;
  bool m_enforcing = false;
  std::pair<int, int> m_added{0, 0};  // where the document's last change put characters in
};
