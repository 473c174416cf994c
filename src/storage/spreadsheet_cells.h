#pragma once
// How the program writes a cell of a CSV file: the rules every file a user
// may open in a spreadsheet shares. A spreadsheet's own files take the
// locale's decimal separator, ';' between fields where that separator is a
// comma, a byte-order mark and CR LF; a file for programs keeps ',', '.' and
// LF.

#include <string>
#include <string_view>

namespace rotavex {

struct CsvStyle {
    char fieldSeparator = ',';
    std::string decimalSeparator = ".";
    std::string_view lineEnd = "\n";
    bool byteOrderMark = false;
};

// The conventions of a spreadsheet in a locale with this decimal separator.
CsvStyle spreadsheetCsvStyle(const std::string &decimalSeparator);

// A cell as it stands, in double quotes only where it holds the field
// separator, a quote (doubled) or a line break.
void appendCsvCell(std::string &out, std::string_view cell, char fieldSeparator);

// A text cell: any bytes, written as valid UTF-8 with each control
// character escaped as the terminal messages escape it; behind an
// apostrophe when it begins with '=', '+', '-' or '@', so that a spreadsheet
// shows it and never runs it as a formula (and when it begins with an
// apostrophe before one of those or another apostrophe, so that a reader
// that takes the one apostrophe away gets the text back); quoted as any
// cell.
void appendCsvText(std::string &out, std::string_view text, const CsvStyle &style);

// The same for a file the program reads back: the text as it is, but for a
// control character, which becomes "?", never written raw.
void appendSpreadsheetText(std::string &out, std::string_view text, const CsvStyle &style);

// Whether a text cell as read starts with the apostrophe a writer put before it.
bool startsWithFormulaGuard(std::string_view cell);

// A number as written for programs ("12.5", "-3e+30"), with the style's
// decimal separator.
void appendCsvNumber(std::string &out, std::string_view number, const CsvStyle &style);

}   // namespace rotavex
