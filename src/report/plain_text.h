#pragma once

#include "number_format.h"
#include "report_lines.h"

#include <string>

namespace rotavex {

// Renders a report as plain text, one character a column: a tab to column n
// pads with blanks up to that column, or writes one blank where the pen is
// already past it. Font changes are ignored; a document end is a form
// feed; the chart picture is left out.
std::string renderPlainText(const Report &report, const NumberLocale &locale);

// Renders as renderPlainText, but every tab to the same column n pads to one
// start common to the whole report: n itself, or, where the text before a tab
// to n already reaches past it, one blank after the longest such text; a
// later column moves at least as far as an earlier one did. The figures of a
// column then line up in a terminal whatever their labels; the texts are the
// same, only the blanks differ.
std::string renderAlignedPlainText(const Report &report, const NumberLocale &locale);

// The text an item writes (empty for tabs, font changes and breaks).
std::string itemText(const ReportItem &item, const NumberLocale &locale);

// Formats a date or time by a Qt-style pattern.
std::string formatDateTime(const DateTime &when, const std::string &pattern);

}   // namespace rotavex
