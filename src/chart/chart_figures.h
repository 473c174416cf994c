#pragma once
// How the charts measure and write their amounts: how far the axis of
// amounts reaches and what its ticks read, how long an amount is drawn, and
// the chart told in words for a screen reader.

#include "chart_column.h"

#include <string>
#include <vector>

namespace rotavex {

// The axis of amounts: a tick at every whole number of steps from
// `lowestTick` × step to `highestTick` × step, nought among them. A step is
// 1, 2, 2.5 or 5 times a power of ten, held as `unit` × 10^`power` with a
// whole unit (2.5 is 25 × 10^(power - 1)), so that every tick is exact.
struct AmountAxis {
    int unit = 5;
    int power = -1;
    int lowestTick = 0;
    int highestTick = 2;

    double step() const;
    double tick(int index) const;
    double min() const { return tick(lowestTick); }
    double max() const { return tick(highestTick); }
};

// The axis over the amounts and nought, with about `ticks` ticks and, beyond
// the amounts on either side of nought that has any, room of `headRoom`
// (a share of their spread) for the figure at the end of the longest bar.
// Amounts that are no number are left out; with none, or all nought, the
// axis runs from 0 to 1.
AmountAxis amountAxis(const std::vector<ChartColumn> &columns, double headRoom, int ticks);

// What the tick `index` of the axis reads: in figures with as many decimals
// as the step needs while the longest tick stays short ("0", "250000",
// "0,00015"), in the exponent form of the reports beyond ("1,25E+30",
// "5E-11"), so that no tick needs cutting short.
std::string tickText(const AmountAxis &axis, int index, const std::string &decimalSeparator);

// The length an amount is drawn with against `whole` (the reach of the axis,
// or the total of a pie): its own, but never less than a small share of the
// whole, so that no amount but nought vanishes from sight.
double visibleLength(double amount, double whole);

// "label: amount euros" for each item, separated by "; ", each amount as the
// results report rounds it.
std::string chartDescription(const std::vector<ChartColumn> &columns, const std::string &decimalSeparator);

}   // namespace rotavex
