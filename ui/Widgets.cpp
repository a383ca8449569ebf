#include "ui/Widgets.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QPushButton>

QLabel* named_label(const QString& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QPushButton* list_button(const QString& caption, const char* name, QWidget* parent,
                         int min_width) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setMinimumWidth(min_width);
  return b;
}

QLabel* page_heading(const QString& text, const char* name, QWidget* parent) {
  QLabel* heading = named_label(text, name, parent);
  QFont bold = heading->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.15);
  heading->setFont(bold);
  return heading;
}

void keep_selection_visible(QAbstractItemView* view) {
  QPalette keep = view->palette();
  for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
    keep.setColor(QPalette::Inactive, role, keep.color(QPalette::Active, role));
  view->setPalette(keep);
}

QColor color_from_setting(int32_t value) {
  auto v = static_cast<uint32_t>(value);
  return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

int32_t setting_from_color(const QColor& color) {
  return static_cast<int32_t>(static_cast<uint32_t>(color.red()) |
                              static_cast<uint32_t>(color.green()) << 8 |
                              static_cast<uint32_t>(color.blue()) << 16);
}
