#include "chart_amounts_axis.h"

#include "report/number_format.h"
#include "report/ui/number_locale.h"

#include <QCategoryAxis>

namespace rotavex {

namespace {

std::string decimalSeparator() { return systemNumberLocale().decimalSeparator; }

}   // namespace

QFont sizedFont(QFont font, qreal points, bool bold)
{
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The chart takes an axis shorter than about 10^-12 for none at all, so on so
// short an axis the amounts are given in steps of the axis; the ticks' labels
// are written from the amounts all the same.
double onAxis(double amount, const AmountAxis &scale)
{
    const bool tiny = scale.max() - scale.min() < 1e-6;
    return tiny ? amount / scale.step() : amount;
}

// Each label is the end of one interval, so the lowest tick gets its own below
// the axis's reach, where it is never drawn. Lying down, labels side by side
// would be cut short to the room between two ticks, so they read upwards; and
// one that reaches past the left end is not shown, so the axis reaches half a
// step beyond the ticks at both ends.
QCategoryAxis *amountsAxis(const AmountAxis &scale, const QFont &font, bool lying)
{
    auto *axis = new QCategoryAxis;
    axis->setLabelsFont(font);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    if (lying)
        axis->setLabelsAngle(-90);
    const double margin = lying ? scale.step() / 2 : 0;
    axis->setRange(onAxis(scale.min() - margin, scale), onAxis(scale.max() + margin, scale));
    axis->setStartValue(onAxis(scale.tick(scale.lowestTick - 1), scale));
    const std::string separator = decimalSeparator();
    for (int tick = scale.lowestTick; tick <= scale.highestTick; ++tick)
        axis->append(QString::fromStdString(tickText(scale, tick, separator)), onAxis(scale.tick(tick), scale));
    return axis;
}

QString figureText(double amount) { return QString::fromStdString(formatAmount(amount, decimalSeparator())); }

bool towardsNegatives(double amount, const AmountAxis &scale)
{
    return amount < 0 || (amount == 0 && scale.max() <= 0);
}

}   // namespace rotavex
