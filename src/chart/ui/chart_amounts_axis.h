#pragma once
// What every bar chart of the program shares: the axis of amounts with its
// labelled ticks, where along it an amount lies, and how a figure is written
// past the end of its bar.

#include "chart/chart_figures.h"

#include <QFont>
#include <QString>

class QCategoryAxis;

namespace rotavex {

// The font at the given size, bold or not.
QFont sizedFont(QFont font, qreal points, bool bold = false);

// Where along the axis the chart is told an amount lies.
double onAxis(double amount, const AmountAxis &scale);

// The axis of amounts with a labelled tick at every step; `lying` when the
// amounts grow to the right.
QCategoryAxis *amountsAxis(const AmountAxis &scale, const QFont &font, bool lying);

// An amount as the figure at the end of its bar shows it.
QString figureText(double amount);

// A figure stands past the end of its bar; that of nought on the side of the
// positive amounts, unless the axis reaches no higher than nought.
bool towardsNegatives(double amount, const AmountAxis &scale);

}   // namespace rotavex
