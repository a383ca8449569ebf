#pragma once

#include <QColor>
#include <QString>
#include <cstdint>

class QAbstractItemView;
class QLabel;
class QPushButton;
class QWidget;

// A label named `name` (its objectName), as every page makes its captions.
QLabel* named_label(const QString& text, const char* name, QWidget* parent);
// A button named `name`, as wide as the row of buttons under a list wants it.
QPushButton* list_button(const QString& caption, const char* name, QWidget* parent,
                         int min_width = 92);
// The bold heading at the top of a page.
QLabel* page_heading(const QString& text, const char* name, QWidget* parent);
// Keeps a list's or a tree's selection as visible without the focus as with it.
void keep_selection_visible(QAbstractItemView* view);
// Colour settings are 0x00BBGGRR values: red in the low byte.
QColor color_from_setting(int32_t value);
int32_t setting_from_color(const QColor& color);
