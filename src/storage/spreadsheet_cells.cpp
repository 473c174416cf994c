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

namespace {

constexpr std::string_view FormulaStarts = "=+-@";

bool needsFormulaGuard(std::string_view cell)
{
    if (cell.empty())
        return false;
    if (FormulaStarts.find(cell.front()) != std::string_view::npos)
        return true;
    return startsWithFormulaGuard(cell);
}

void appendGuarded(std::string &out, std::string cell, const CsvStyle &style)
{
    if (needsFormulaGuard(cell))
        cell.insert(0, 1, '\'');
    appendCsvCell(out, cell, style.fieldSeparator);
}

}   // namespace

bool startsWithFormulaGuard(std::string_view cell)
{
    return cell.size() > 1 && cell[0] == '\''
           && (FormulaStarts.find(cell[1]) != std::string_view::npos || cell[1] == '\'');
}

void appendCsvText(std::string &out, std::string_view text, const CsvStyle &style)
{
    appendGuarded(out, printableText(validUtf8(text)), style);
}

void appendSpreadsheetText(std::string &out, std::string_view text, const CsvStyle &style)
{
    std::string cell = validUtf8(text);
    for (char &c : cell)
        if ((static_cast<unsigned char>(c) < 0x20) || c == 0x7f)
            c = '?';
    appendGuarded(out, std::move(cell), style);
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
