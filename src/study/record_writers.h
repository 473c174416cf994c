#pragma once
// The forms a priced record is written in for programs and spreadsheets, and
// what a terminal is told of it. Every record of a run goes into one buffer,
// which the caller sends.

#include "priced_record.h"
#include "report/number_format.h"
#include "storage/spreadsheet_cells.h"

#include <string>

namespace rotavex {

// One JSON object on one line: "file", "accepted", for a file that was read
// its choices and "check", "error" where there is one, every result of a
// priced file, its comparison when it has one, and "reference", the name of
// a set of the user's own it was priced on. Names are written as
// UTF-8 whatever bytes the system gave them.
void appendJsonRecord(std::string &out, const PricedRecord &record);

// The CSV columns: the same fields, the check's flags as four columns, the
// error, then, when the run compares, the comparison's (Obs, Dev and Sens
// before each field's or input's name), and last, when the run prices on a
// set of reference values of the user's own, its name, so that the plain
// columns keep their places. A row has every column, empty where the record
// has nothing.
void appendCsvHeader(std::string &out, bool compare, bool reference, const CsvStyle &style);
void appendCsvRecord(std::string &out, const PricedRecord &record, bool compare, bool reference, const CsvStyle &style);

// What standard error is told of a record that was not priced, or not
// compared: its name and why, or for a file the check refused the check's
// report. Empty when there is nothing to tell.
std::string recordMessage(const PricedRecord &record, const NumberLocale &locale);

// A file name as a terminal shows it: UTF-8, and no control character that
// the terminal would act on.
std::string terminalName(const std::string &name);

}   // namespace rotavex
