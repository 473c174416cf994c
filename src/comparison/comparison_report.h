#pragma once
// The comparison with the observatory as a report: the two columns "Sus
// datos" and "Observatorio" with their differences, where each group's data
// came from, and what drives the total.

#include "observatory_comparison.h"

#include "report/report_lines.h"

#include <string>
#include <vector>

namespace rotavex {

// The report of the comparison window, also what rotavex-calc writes. Rows
// that lie further than tolerancePct from the observatory are marked.
Report comparisonScreenReport(const ComparisonStudy &study, double tolerancePct);

// The same, printed: heading, body, date stamp, footer, then the chart.
Report comparisonPaperReport(const ComparisonStudy &study, double tolerancePct, const DateTime &printedAt);

// Written after a row beyond the tolerance, which is also bold.
inline constexpr const char *OutOfLineMark = "<<";

// The paired chart: each item of the service with its two amounts.
struct PairedColumn {
    std::string label;
    double own;
    double observatory;
};
std::vector<PairedColumn> pairedChartData(const ObservatoryComparison &comparison);

// For a screen reader: "label: sus datos X euros, Observatorio Y euros" for
// each item, separated by "; ", each amount rounded to the cent.
std::string pairedChartDescription(const std::vector<PairedColumn> &columns, const std::string &decimalSeparator);

// As the clipboard carries the chart's data: a heading line, then
// "label<TAB>own<TAB>observatory" lines, amounts rounded to the cent.
std::string pairedChartDataText(const std::vector<PairedColumn> &columns, const std::string &decimalSeparator);

}   // namespace rotavex
