#include "ui/Widgets.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QPushButton>

QLabel* named_label(const QString& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QPushButton* list_button(const QString& caption, const char* name, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setMinimumWidth(92);
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
