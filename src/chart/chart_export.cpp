#include "chart_export.h"

#include "report/number_format.h"

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

std::string csvField(std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(field);
    std::string out = "\"";
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

std::string chartDataText(const std::vector<ChartColumn> &columns, const std::string &decimalSeparator)
{
    std::string text;
    for (const ChartColumn &column : columns)
        text += column.label + '\t' + formatAmount(column.value, decimalSeparator) + '\n';
    return text;
}

std::string chartDataCsv(const std::vector<ChartColumn> &columns, const std::string &decimalSeparator)
{
    std::string csv;
    for (const ChartColumn &column : columns)
        csv += csvField(column.label) + ',' + csvField(formatAmount(column.value, decimalSeparator)) + "\r\n";
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
