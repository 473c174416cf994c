#pragma once
// The chart's data as the clipboard carries it beside the picture: plain
// text, CSV and an HTML table, for pasting as figures.

#include "chart_column.h"

#include <string>
#include <vector>

namespace rotavex {

// The data as lines of "label<TAB>value", each value as the reports write
// an amount (to the cent), with the given decimal separator.
std::string chartDataText(const std::vector<ChartColumn> &columns, const std::string &decimalSeparator);

// The same as CSV rows of label and value ended by CR LF; a value written
// with a decimal comma is quoted.
std::string chartDataCsv(const std::vector<ChartColumn> &columns, const std::string &decimalSeparator);

// The data as an HTML table of label and value rows, for word processors.
std::string chartDataHtml(const std::vector<ChartColumn> &columns, const std::string &decimalSeparator);

}   // namespace rotavex
