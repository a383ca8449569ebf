#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// Stored date-time values (days since 1899-12-30, local time) on the date and time pickers.

// The date and time of a value; an invalid QDateTime for one that names no date.
QDateTime to_qt(double value);
// The value of a date and a time of day, to whole seconds.
double from_qt(QDate date, QTime time);
