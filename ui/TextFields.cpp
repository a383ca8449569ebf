#include "ui/TextFields.h"

#include "ui/Ansi.h"

namespace {

int stored_length(const QString& text) {
  int n = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    n += text[i] == QChar('\n') ? 2 : 1;
  }
  return n;
}

}  // namespace

QLineEdit* make_line_field(const char* name, int max_chars, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setMaxLength(max_chars);
  return field;
}

NotesField::NotesField(const char* name, int max_bytes, QWidget* parent)
    : QPlainTextEdit(parent), m_max_bytes(max_bytes) {
  setObjectName(name);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(true);
  connect(this, &QPlainTextEdit::textChanged, this, &NotesField::enforce_limit);
}

void NotesField::enforce_limit() {
  if (m_enforcing) return;
  QString text = toPlainText();
  if (stored_length(text) <= m_max_bytes) return;
  // Typing or pasting past the limit keeps only what fits.
  while (stored_length(text) > m_max_bytes) text.chop(1);
  m_enforcing = true;
  setPlainText(text);
  moveCursor(QTextCursor::End);
  m_enforcing = false;
}

std::string NotesField::stored_text() const {
  std::string bytes;
  for (char c : to_ansi(toPlainText())) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  if (bytes.size() > static_cast<std::size_t>(m_max_bytes)) {
    bytes.resize(static_cast<std::size_t>(m_max_bytes));
    if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();  // never half a line break
  }
  return bytes;
}

void NotesField::set_stored_text(std::string_view bytes) {
  QString text = from_ansi(bytes);
  text.replace("\r\n", "\n");
  setPlainText(text);
}
