#include "ui/Prompts.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {

class QtPrompts : public Prompts {
 public:
  int message(QWidget* parent, const QString& caption, const QString& text, Icon icon,
              int buttons) override {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setIcon(icon == Icon::Question  ? QMessageBox::Question
                : icon == Icon::Error   ? QMessageBox::Critical
                : icon == Icon::Warning ? QMessageBox::Warning
                                        : QMessageBox::Information);
    const std::pair<Button, QMessageBox::StandardButton> map[] = {
        {Yes, QMessageBox::Yes},       {No, QMessageBox::No},
        {Ok, QMessageBox::Ok},         {Retry, QMessageBox::Retry},
        {Discard, QMessageBox::Discard}, {Cancel, QMessageBox::Cancel},
    };
    for (auto [ours, theirs] : map) {
      if (!(buttons & ours)) continue;
      QPushButton* b = box.addButton(theirs);
      if (ours == Discard) b->setText(QObject::tr("Exit Without Saving"));
    }
    box.exec();
    for (auto [ours, theirs] : map)
      if (box.standardButton(box.clickedButton()) == theirs) return ours;
    return (buttons & Cancel) ? Cancel : (buttons & No) ? No : Ok;
  }

  std::optional<QColor> choose_color(QWidget* parent, const QColor& initial) override {
    QColor c = QColorDialog::getColor(initial, parent);
    if (!c.isValid()) return std::nullopt;
    return c;
  }

  void open_url(const QString& url) override { QDesktopServices::openUrl(QUrl(url)); }
};

QtPrompts g_qt_prompts;
Prompts* g_prompts = &g_qt_prompts;

}  // namespace

Prompts& prompts() { return *g_prompts; }

void set_prompts(Prompts* p) { g_prompts = p ? p : &g_qt_prompts; }

bool confirm(QWidget* parent, const QString& text) {
  return prompts().message(parent, "Confirmation", text, Prompts::Icon::Question,
                           Prompts::Yes | Prompts::No | Prompts::Cancel) == Prompts::Yes;
}

void show_error(QWidget* parent, const QString& text) {
  prompts().message(parent, "Error", text, Prompts::Icon::Error, Prompts::Ok);
}

bool open_document(const QString& text) {
  if (text.isEmpty()) return false;
  prompts().open_url(text);
  return true;
}
