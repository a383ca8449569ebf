#pragma once

#include <QString>

class QAbstractItemView;
class QLabel;
class QPushButton;
class QWidget;

// A label named `name` (its objectName), as every page makes its captions.
QLabel* named_label(const QString& text, const char* name, QWidget* parent);
// A button named `name`, as wide as the row of buttons under a list wants it.
QPushButton* list_button(const QString& caption, const char* name, QWidget* parent);
// The bold heading at the top of a page.
QLabel* page_heading(const QString& text, const char* name, QWidget* parent);
// Keeps a list's or a tree's selection as visible without the focus as with it.
void keep_selection_visible(QAbstractItemView* view);
