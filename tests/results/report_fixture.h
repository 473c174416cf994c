#pragma once
// Shared by the report tests: the worked example of the cost calculation and
// a report rendered as lines of plain text.

#include "model/calculation.h"
#include "results/plain_text.h"

#include <QStringList>

namespace rotavex::testing {

// Class 3, every group with the user's own data, 100 km + 20 km in 4 hours.
inline FieldTexts workedExampleTexts()
{
    FieldTexts t;
    const char *values[] = {"30000", "1800", "10",  "200000", "10",     "60000", "6000", "5",
                            "5",     "1.2",  "400", "100000", "4000",   "100",   "20",   "4"};
    for (std::size_t i = 0; i < InputCount; ++i)
        t.texts[i] = values[i];
    return t;
}

inline Workspace calculatedWorkedExample(bool fullService)
{
    Workspace ws;
    ws.BusClass = 3;
    ws.ServiceMode = fullService;
    const auto fault = Calculate(ws, workedExampleTexts());
    if (fault)
        qFatal("worked example not calculated: %s", fault->step.c_str());
    return ws;
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

// Expected lines are written with '#' for the decimal separator.
inline QStringList withSeparator(const QStringList &lines, const QString &separator)
{
    QStringList out;
    for (const QString &line : lines)
        out << QString(line).replace('#', separator);
    return out;
}

} // namespace rotavex::testing
