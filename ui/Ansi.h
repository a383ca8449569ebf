#pragma once

#include <QString>
#include <string>
#include <string_view>

// Texts are single bytes on file, in the Windows ANSI code page (Windows-1252). Every text
// crosses the widget boundary through these two functions, so one character typed is one byte
// stored: a field's length limit holds in both.

QString from_ansi(std::string_view bytes);
// A character with no single-byte form becomes '?'.
std::string to_ansi(const QString& text);
