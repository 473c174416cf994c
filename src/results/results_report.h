#pragma once
// The results of the last calculation as reports and chart data.

#include "chart/chart_column.h"
#include "model/workspace.h"
#include "report/report_lines.h"

#include <string>
#include <vector>

namespace rotavex {

// The results report of the results window: the common head and the body of
// the layout ws.ServiceMode chooses. kmText and vacioText are the trip
// window's texts, copied as they stand.
Report resultsScreenReport(const PricedStudy &ws, const std::string &kmText, const std::string &vacioText);

// The printed results: heading, body, date stamp, footer and the chart
// picture; the full-service printout is two documents (text, then chart).
Report resultsPaperReport(const PricedStudy &ws, const std::string &kmText, const std::string &vacioText,
                          const DateTime &printedAt);

// Under the vehicle, a set of reference values of the user's own that the
// calculation took values from is named; nothing for the built-in set.
void referenceLine(Report &report, const std::string &indent, const StudyChoices &choices);

// One labelled column per cost item: eight for the full service, three
// (per km, per hour, general) for unit costs.
std::vector<ChartColumn> chartData(const PricedStudy &ws);

}   // namespace rotavex
