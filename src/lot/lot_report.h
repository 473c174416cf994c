#pragma once
// The lot's report: its terms, each service with its annual cost (or why it
// was refused), and the lot's totals, for one year and for the whole term.
// The window shows it, the printer prints it and rotavex-calc writes it as
// text; amounts are rounded to the cent only here.

#include "chart/chart_column.h"
#include "lot.h"
#include "lot_pricing.h"
#include "report/number_format.h"
#include "report/report_lines.h"

#include <string>
#include <vector>

namespace rotavex {

// Beside the lot's table, which shows each service's figures on its row, the
// report may leave the services' lines out: a lot of a thousand services
// would otherwise be a report a thousand lines long to draw on screen.
enum class ServiceLines { Listed, InTheTable };
Report lotReport(const Lot &lot, const LotPricing &pricing, ServiceLines lines = ServiceLines::Listed);

// The same on paper: the program's heading and foot around it, the chart of
// the lot's eight items after the totals.
Report printedLotReport(const Lot &lot, const LotPricing &pricing, const DateTime &when);

// The chart of the lot: each item's annual cost, labelled and coloured as the
// results chart does it.
std::vector<ChartColumn> lotChartColumns(const LotPricing &pricing);

// The table of services with their figures as tab-separated rows, headed by
// the column names, for a spreadsheet to paste: amounts to the cent with the
// locale's decimal separator.
std::string lotTabSeparatedRows(const Lot &lot, const LotPricing &pricing, const std::string &decimalSeparator);

}   // namespace rotavex
