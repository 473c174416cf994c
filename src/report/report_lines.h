#pragma once
// Every report of the program, on screen or on paper, is built as a stream
// of items: texts, numbers, date and time stamps, tabs to a column, font
// changes and line breaks. The same stream is painted on a report area or a
// printer page and rendered as plain text for the command line.

#include <initializer_list>
#include <string>
#include <variant>
#include <vector>

namespace rotavex {

struct TextItem {
    std::string text;
};
struct FloatItem {
    float value;
};   // written with at most 7 significant digits
struct DoubleItem {
    double value;
    bool plusSign = false;   // a value above nought is written with "+" in place of the blank
};                           // written with at most 15 significant digits

// A moment, as the clock gave it when the report was built.
struct DateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};
struct DateItem {
    DateTime when;
};   // the locale's short date
struct TimeItem {
    DateTime when;
};   // the locale's time format

// Moves the pen to column n (from 1) of the line, or of the next line when
// the pen is already past it.
struct TabItem {
    int column;
};

struct FontSizeItem {
    double points;
};
struct BoldItem {
    bool on;
};
struct ItalicItem {
    bool on;
};
struct UnderlineItem {
    bool on;
};

struct LineBreak {};
struct EndDocument {};    // sends what came before to the printer as one document
struct ChartPicture {};   // the chart's picture at the pen, in its natural size

using ReportItem = std::variant<TextItem, FloatItem, DoubleItem, DateItem, TimeItem, TabItem, FontSizeItem, BoldItem,
                                ItalicItem, UnderlineItem, LineBreak, EndDocument, ChartPicture>;

struct Report {
    std::vector<ReportItem> items;

    // Appends the items and a line break; no items make an empty line.
    Report &line(std::initializer_list<ReportItem> lineItems = {})
    {
        items.insert(items.end(), lineItems.begin(), lineItems.end());
        items.emplace_back(LineBreak{});
        return *this;
    }
    Report &line(const std::string &text) { return line({TextItem{text}}); }
    Report &add(ReportItem item)
    {
        items.push_back(std::move(item));
        return *this;
    }
    Report &append(const Report &other)
    {
        items.insert(items.end(), other.items.begin(), other.items.end());
        return *this;
    }
};

// The head of a printed report: "ROTAVEX 2018" in 14-point bold underlined,
// an empty line, then the title and a rule in 12-point bold.
inline void printedHeading(Report &report, const std::string &title, const std::string &rule)
{
    report.add(FontSizeItem{14}).add(BoldItem{true}).add(UnderlineItem{true}).add(ItalicItem{false});
    report.line("ROTAVEX 2018");
    report.add(FontSizeItem{12}).add(UnderlineItem{false});
    report.line();
    report.line(title);
    report.line(rule);
}

// The foot of a printed report: a rule in bold, then the publisher's lines
// in 10-point bold italic, which stay on.
inline void printedFooter(Report &report, const std::string &rule, const std::string &publisher)
{
    report.add(BoldItem{true});
    report.line(rule);
    report.add(ItalicItem{true}).add(FontSizeItem{10});
    report.line(publisher);
    report.line("Dizezirad de Valdoria");
}

// The closing of a printed report: an empty line in 10-point italic, the
// fonts back to plain, and the end of the document.
inline void endPrintedReport(Report &report)
{
    report.add(FontSizeItem{10}).add(ItalicItem{true});
    report.line("");
    report.add(ItalicItem{false}).add(BoldItem{false});
    report.add(EndDocument{});
}

// The end of a printed report with a chart: the moment it was made
// ("Comparación realizada el 09/12/2026 a las 18:20:00"), the foot, and the
// chart on a line of its own.
inline void endPrintedReportWithChart(Report &report, const std::string &made, const DateTime &when,
                                      const std::string &rule, const std::string &publisher)
{
    report.line();
    report.line({TextItem{made + " el "}, DateItem{when}, TextItem{" a las "}, TimeItem{when}});
    report.add(FontSizeItem{12});
    printedFooter(report, rule, publisher);
    report.add(ItalicItem{false}).add(BoldItem{false});
    report.line();
    report.add(ChartPicture{});
    report.add(EndDocument{});
}

inline TextItem text(std::string s) { return {std::move(s)}; }
inline FloatItem number(float v) { return {v}; }
inline DoubleItem number(double v) { return {v}; }
// A change: "+12,43" above nought, "-3,5" below.
inline DoubleItem signedNumber(double v) { return {v, true}; }
inline TabItem tab(int column) { return {column}; }

}   // namespace rotavex
