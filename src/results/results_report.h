#pragma once
// The results of the last calculation as reports and chart data.

#include "model/workspace.h"
#include "report/report_lines.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rotavex {

// "menos de 22 plazas." ... for classes 1 to 4; empty for any other value.
std::string busClassPhrase(int busClass);

// The results report of the results window: the common head and the body of
// the layout ws.ServiceMode chooses. kmText and vacioText are the trip
// window's texts, copied as they stand.
Report resultsScreenReport(const PricedStudy &ws, const std::string &kmText, const std::string &vacioText);

// The printed results: heading, body, date stamp, footer and the chart
// picture; the full-service printout is two documents (text, then chart).
Report resultsPaperReport(const PricedStudy &ws, const std::string &kmText, const std::string &vacioText,
                          const DateTime &printedAt);

struct ChartColumn {
    std::string label;
    double value;
    std::uint32_t colour = 0;   // 0xRRGGBB; nought lets the chart choose
};

// One labelled column per cost item: eight for the full service, three
// (per km, per hour, general) for unit costs.
std::vector<ChartColumn> chartData(const PricedStudy &ws);

}   // namespace rotavex
