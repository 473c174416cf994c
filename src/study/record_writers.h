#pragma once
// Each form a priced record is written in. Every record of a run goes into
// one buffer, which the caller sends.

#include "priced_record.h"
#include "report/number_format.h"
#include "storage/spreadsheet_cells.h"

#include <string>

namespace rotavex {

// One JSON object on one line: "file", "accepted", for a file that was read
// its choices and "check", "error" where there is one, every result of a
// priced file, and its comparison when it has one. Names are written as
// UTF-8 whatever bytes the system gave them.
void appendJsonRecord(std::string &out, const PricedRecord &record);

// The CSV columns: the same fields, the check's flags as four columns, the
// error, then, when the run compares, the comparison's (Obs, Dev and Sens
// before each field's or input's name), so that the plain columns keep their
// places. A row has every column, empty where the record has nothing.
void appendCsvHeader(std::string &out, bool compare, const CsvStyle &style);
void appendCsvRecord(std::string &out, const PricedRecord &record, bool compare, const CsvStyle &style);

// A priced file's results report, then its comparison's, as the windows
// show them, aligned for a terminal; headed "==> name <==" when asked.
// Nothing for a file that was not priced.
void appendTextRecord(std::string &out, const PricedRecord &record, bool headed, const NumberLocale &locale);

// What standard error is told of a record that was not priced, or not
// compared: its name and why, or for a file the check refused the check's
// report. Empty when there is nothing to tell.
std::string recordMessage(const PricedRecord &record, const NumberLocale &locale);

}   // namespace rotavex
