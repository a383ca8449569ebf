#include "ui/TextFields.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "ui/Ansi.h"

namespace {

// Bytes a character takes as stored: a line break is CR LF.
int stored_size(QChar c) {
  return c == QChar('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator ? 2 : 1;
}

int stored_length(const QString& text) {
  int n = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    n += stored_size(text[i]);
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
  connect(document(), &QTextDocument::contentsChange, this, [this](int position, int, int added) {
    m_added = {position, position + added};
  });
  connect(this, &QPlainTextEdit::textChanged, this, &NotesField::enforce_limit);
}

QString NotesField::text_as_typed() const {
  // The document's own characters: a non-breaking space stays one (the plain-text form would
  // make it a blank), and a line break is a paragraph separator.
  QString text = document()->toRawText();
  for (QChar& c : text)
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = QChar('\n');
  return text;
}

void NotesField::enforce_limit() {
  if (m_enforcing) return;
  const QString text = text_as_typed();
  int over = stored_length(text) - m_max_bytes;
  if (over <= 0) return;
  // Typing or pasting past the limit keeps what fits of the new text and nothing more; what
  // was there before stays whole. The cut ends where the cursor stands after the edit (the
  // end of what it put in), or else at the end of what the document says changed.
  const auto [begin, changed_end] = m_added;
  int end = textCursor().position();
  if (textCursor().hasSelection() || end < begin || end > changed_end) end = changed_end;
  end = std::min<int>(end, static_cast<int>(text.size()));
  int cut = end;
  while (over > 0 && cut > begin) {
    int step = cut - 1 > begin && text[cut - 1].isLowSurrogate() && text[cut - 2].isHighSurrogate()
                   ? 2
                   : 1;
    over -= stored_size(text[cut - step]);
    cut -= step;
  }
  if (cut == end) return;
  m_enforcing = true;
  QTextCursor c(document());
  c.joinPreviousEditBlock();  // undone with the edit that went past the limit
  c.setPosition(cut);
  c.setPosition(end, QTextCursor::KeepAnchor);
  c.removeSelectedText();
  c.endEditBlock();
  QTextCursor at = textCursor();
  at.setPosition(cut);
  setTextCursor(at);
  m_enforcing = false;
}

std::string NotesField::stored_text() const {
  std::string bytes;
  for (char c : to_ansi(text_as_typed())) {
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
