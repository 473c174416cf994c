#pragma once
// Shared by the report tests: the worked example of the cost calculation and
// a report rendered as lines of plain text.

#include "fixtures/worked_example.h"
#include "report/plain_text.h"

#include <QStringList>

#include <algorithm>

namespace rotavex::testing {

using fixtures::calculatedWorkedExample;
using fixtures::workedExampleTexts;

// Bold letters are wider, and a column is measured in the current font: the
// tabs a report takes while bold, which would stand off the columns of its
// other lines.
inline int boldTabs(const Report &report)
{
    bool bold = false;
    int tabs = 0;
    for (const ReportItem &item : report.items) {
        if (const auto *weight = std::get_if<BoldItem>(&item))
            bold = weight->on;
        tabs += bold && std::holds_alternative<TabItem>(item);
    }
    return tabs;
}

inline NumberLocale localeWith(const QString &decimalSeparator)
{
    NumberLocale locale;
    locale.decimalSeparator = decimalSeparator.toStdString();
    return locale;
}

// One string per line; a form feed (end of document) stays on the line it ends.
inline QStringList renderedLines(const Report &report, const NumberLocale &locale)
{
    QString text = QString::fromStdString(renderPlainText(report, locale));
    if (text.endsWith('\n'))
        text.chop(1);
    return text.split('\n');
}

// The font in force where the first text item `text` is written (after
// `skip` earlier ones): "14 bold underline", "10 bold italic", "12".
inline QString fontAt(const Report &report, const std::string &text, int skip = 0)
{
    double size = 0;
    bool bold = false, italic = false, underline = false;
    for (const ReportItem &item : report.items) {
        if (const auto *f = std::get_if<FontSizeItem>(&item))
            size = f->points;
        if (const auto *b = std::get_if<BoldItem>(&item))
            bold = b->on;
        if (const auto *i = std::get_if<ItalicItem>(&item))
            italic = i->on;
        if (const auto *u = std::get_if<UnderlineItem>(&item))
            underline = u->on;
        if (const auto *t = std::get_if<TextItem>(&item); t && t->text == text && skip-- == 0)
            break;
    }
    return QString::number(size) + (bold ? " bold" : "") + (italic ? " italic" : "") + (underline ? " underline" : "");
}

template <typename T> int countOf(const Report &report)
{
    return int(std::count_if(report.items.begin(), report.items.end(),
                             [](const ReportItem &item) { return std::holds_alternative<T>(item); }));
}

// Expected lines are written with '#' for the decimal separator.
inline QStringList withSeparator(const QStringList &lines, const QString &separator)
{
    QStringList out;
    for (const QString &line : lines)
        out << QString(line).replace('#', separator);
    return out;
}

}   // namespace rotavex::testing
