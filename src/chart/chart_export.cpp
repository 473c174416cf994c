#include "chart_export.h"

#include "report/number_format.h"
#include "storage/spreadsheet_cells.h"

namespace rotavex {

namespace {

std::string htmlEscaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

}   // namespace

std::string chartDataText(const std::vector<ChartColumn> &columns, const std::string &decimalSeparator)
{
    std::string text;
    for (const ChartColumn &column : columns)
        text += column.label + '\t' + formatAmount(column.value, decimalSeparator) + '\n';
    return text;
}

std::string chartDataCsv(const std::vector<ChartColumn> &columns, const std::string &decimalSeparator)
{
    const CsvStyle style{',', decimalSeparator, "\r\n", false};
    std::string csv;
    for (const ChartColumn &column : columns) {
        appendCsvText(csv, column.label, style);
        csv += style.fieldSeparator;
        appendCsvCell(csv, formatAmount(column.value, decimalSeparator), style.fieldSeparator);
        csv += style.lineEnd;
    }
    return csv;
}

std::string chartDataHtml(const std::vector<ChartColumn> &columns, const std::string &decimalSeparator)
{
    std::string html = "<table>";
    for (const ChartColumn &column : columns)
        html += "<tr><td>" + htmlEscaped(column.label) + "</td><td>" + formatAmount(column.value, decimalSeparator)
                + "</td></tr>";
    return html + "</table>";
}

}   // namespace rotavex
