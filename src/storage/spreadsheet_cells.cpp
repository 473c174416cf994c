#include "spreadsheet_cells.h"

#include "failure_causes.h"
#include "valid_utf8.h"

namespace rotavex {

CsvStyle spreadsheetCsvStyle(const std::string &decimalSeparator)
{
    return {decimalSeparator == "," ? ';' : ',', decimalSeparator, "\r\n", true};
}

void appendCsvCell(std::string &out, std::string_view cell, char fieldSeparator)
{
    if (cell.find_first_of(std::string{fieldSeparator, '"', '\r', '\n'}) == std::string_view::npos) {
        out += cell;
        return;
    }
    out += '"';
    for (char c : cell) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendCsvText(std::string &out, std::string_view text, const CsvStyle &style)
{
    std::string cell = printableText(validUtf8(text));
    if (!cell.empty() && std::string_view("=+-@").find(cell.front()) != std::string_view::npos)
        cell.insert(0, 1, '\'');
    appendCsvCell(out, cell, style.fieldSeparator);
}

void appendCsvNumber(std::string &out, std::string_view number, const CsvStyle &style)
{
    for (char c : number)
        if (c == '.')
            out += style.decimalSeparator;
        else
            out += c;
}

}   // namespace rotavex
