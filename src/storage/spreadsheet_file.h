#pragma once
// The files a user makes or opens in a spreadsheet (sets of reference values,
// lots of services, price revisions) share one set of rules: what a
// spreadsheet may write is read, and what is written opens in a Spanish
// spreadsheet with a double click. The first line of each is its mark; a row
// of column names tells the separator.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace rotavex {

// One row of a spreadsheet file as read.
struct SpreadsheetRow {
    int line = 0;                      // the line of the file the row starts on, from 1
    std::vector<std::string> fields;   // UTF-8; quotes undone; trailing empty fields dropped;
                                       // the apostrophe written before a leading = + - @ removed
};

struct SpreadsheetFile {
    char separator = ';';               // ';', ',' or '\t', as told from the row of column names
    std::vector<SpreadsheetRow> rows;   // every row after the mark, in order, the column names'
                                        // row included; empty rows and rows whose first field
                                        // starts with '#' left out
};

struct SpreadsheetRefusal {
    int line = 0;       // 0 when the fault belongs to no one line
    std::string what;   // Spanish: "comillas sin cerrar"
};
// "línea 5: comillas sin cerrar", or just what when line is 0.
std::string refusalText(const SpreadsheetRefusal &refusal);

// Reads the bytes of a file a spreadsheet wrote: UTF-8 with or without a byte-order mark, or
// Windows-1252 where the bytes are not UTF-8; CR LF, LF or a lone CR; the separator told from
// the first row after the mark whose first field is columnsFirstField: of ';', ',' and tab, the
// first that makes that row's first field exactly columnsFirstField and gives it more than one
// field; RFC 4180 quotes ("" for a quote, separators and line breaks inside quotes; a line
// break inside a field reads as "\n"). The first non-empty line must be the mark (its first
// field equal to mark, any trailing empty fields allowed). Refused, with the line: no mark, no
// row of column names, quotes left open, a quote inside an unquoted field or text after a
// closing quote, a control character other than tab (or a quoted line break) in a field.
std::variant<SpreadsheetFile, SpreadsheetRefusal> readSpreadsheetFile(std::string_view bytes, std::string_view mark,
                                                                      std::string_view columnsFirstField);

// A number field as written in such a file: an optional sign, digits with a decimal point,
// or a decimal comma where the separator is not a comma, an optional exponent; blanks around
// it allowed; no thousands separators, no currency; finite. None otherwise.
std::optional<double> spreadsheetNumber(std::string_view field, char separator);

// The bytes of a spreadsheet file on disk, or why they are not read: the
// cause ("el fichero no existe"), or `tooLarge` beyond `largest` bytes.
struct SpreadsheetFileBytes {
    std::optional<std::string> bytes;
    std::string refusal;
};
SpreadsheetFileBytes readSpreadsheetFileFromDisk(const std::string &path, std::size_t largest,
                                                 std::string_view tooLarge);

// Replaces the file at path with bytes as the data files are replaced, so
// that a save that fails leaves it as it was; the cause when it does.
std::optional<std::string> replaceSpreadsheetFile(const std::string &path, const std::string &bytes);

// A cell to write: a text, or a number.
using SpreadsheetCell = std::variant<std::string, double>;

// The file as a Spanish spreadsheet opens it with a double click: UTF-8 with a byte-order
// mark, CR LF, ';' between fields, the mark alone on the first line, text cells as
// appendSpreadsheetText writes them (as they are, behind an apostrophe where they would read
// as a formula, a control character as "?", quotes only where needed), so that what was read
// is written back the same, numbers as the shortest text without an exponent that reads back to the
// same double, with a decimal comma (1e-7 as "0,0000001"). A number that is not finite is
// written as an empty cell.
std::string spreadsheetFileBytes(std::string_view mark, const std::vector<std::vector<SpreadsheetCell>> &rows);

}   // namespace rotavex
