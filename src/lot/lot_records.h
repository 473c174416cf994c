#pragma once
// A priced lot as rotavex-calc writes it for programs: one JSON object per
// service, in the lot's order, then one for the lot; or one CSV row per
// service and a lot row, under one header. Numbers are written as the
// shortest text that reads back to the same value.

#include "lot_pricing.h"
#include "storage/spreadsheet_cells.h"

#include <string>

namespace rotavex {

void appendLotJson(std::string &out, const Lot &lot, const LotPricing &pricing);
void appendLotCsv(std::string &out, const Lot &lot, const LotPricing &pricing, const CsvStyle &style);

}   // namespace rotavex
