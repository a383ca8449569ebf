#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

// Everything that asks the user something or hands something to the desktop goes through one
// Prompts object: message boxes, the colour dialog and opening web pages. The program uses the
// Qt one; tests put in a scripted one, so no test ever blocks on a modal dialog.
class Prompts {
 public:
  enum class Icon { Question, Error, Warning, Information };
  // Buttons, combinable; the answer is one of them.
  enum Button : int {
    Ok = 1,
    Yes = 2,
    No = 4,
    Cancel = 8,
    Retry = 16,
    Discard = 32,  // shown as "Exit Without Saving"
  };

  virtual ~Prompts() = default;
  virtual int message(QWidget* parent, const QString& caption, const QString& text, Icon icon,
                      int buttons) = 0;
  // The chosen colour, or none when the user cancels.
  virtual std::optional<QColor> choose_color(QWidget* parent, const QColor& initial) = 0;
  virtual void open_url(const QString& url) = 0;
};

// The prompts in force. The program starts with the Qt ones.
Prompts& prompts();
// Puts `p` in force (tests); nullptr brings back the Qt ones.
void set_prompts(Prompts* p);

// The "Confirmation" question asked before deleting: Yes, No and Cancel; true only for Yes.
bool confirm(QWidget* parent, const QString& text);
// The "Error" box of a refused input: OK only.
void show_error(QWidget* parent, const QString& text);

// Hands a web address or a document to the desktop; an empty text opens nothing.
bool open_document(const QString& text);
