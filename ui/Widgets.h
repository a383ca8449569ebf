#pragma once

#include <QColor>
#include <QString>
#include <cstdint>

class QLabel;
class QWidget;

// A label named `name` (its objectName), as every page makes its captions.
QLabel* named_label(const QString& text, const char* name, QWidget* parent);
// The bold heading at the top of a page.
QLabel* page_heading(const QString& text, const char* name, QWidget* parent);
// Colour settings are 0x00BBGGRR values: red in the low byte.
QColor color_from_setting(int32_t value);
int32_t setting_from_color(const QColor& color);
