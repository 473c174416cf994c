#include "chart_figures.h"

#include "report/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace rotavex {

namespace {

// Below this share of the whole, an amount is drawn at this share.
constexpr double LeastVisibleShare = 0.02;

// Ticks longer than this are written with an exponent: more would be cut
// short beside the plot.
constexpr int LongestTickInFigures = 10;

// 10^power, exact for the powers a double holds exactly.
double tenTo(int power) { return std::pow(10.0, power); }

int digitsOf(long long whole)
{
    int digits = 1;
    for (whole = std::llabs(whole); whole >= 10; whole /= 10)
        ++digits;
    return digits;
}

// The step of at least `wanted`: 1, 2, 2.5 or 5 times a power of ten.
AmountAxis stepOfAtLeast(double wanted)
{
    int power = int(std::floor(std::log10(wanted)));
    // log10 may land a hair to either side of an exact power of ten.
    if (tenTo(power) > wanted)
        --power;
    else if (tenTo(power + 1) <= wanted)
        ++power;
    const double mantissa = wanted / tenTo(power);
    AmountAxis axis;
    if (mantissa <= 1) {
        axis.unit = 1;
        axis.power = power;
    } else if (mantissa <= 2) {
        axis.unit = 2;
        axis.power = power;
    } else if (mantissa <= 2.5) {
        axis.unit = 25;
        axis.power = power - 1;
    } else if (mantissa <= 5) {
        axis.unit = 5;
        axis.power = power;
    } else {
        axis.unit = 1;
        axis.power = power + 1;
    }
    return axis;
}

// The number of characters the tick `index` takes in figures.
int widthInFigures(const AmountAxis &axis, int index)
{
    const long long multiple = (long long)(index)*axis.unit;
    const int decimals = std::max(0, -axis.power);
    const int wholeDigits = std::max(1, digitsOf(multiple) + axis.power);
    return (multiple < 0 ? 1 : 0) + wholeDigits + (decimals > 0 ? 1 + decimals : 0);
}

}   // namespace

double AmountAxis::step() const { return tick(1); }

// A whole multiple of the unit scaled by an exact power of ten, so that
// nought and every tick come out as near as a double can hold them.
double AmountAxis::tick(int index) const
{
    const double multiple = double(index) * unit;
    return power >= 0 ? multiple * tenTo(power) : multiple / tenTo(-power);
}

AmountAxis amountAxis(const std::vector<ChartColumn> &columns, double headRoom, int ticks)
{
    double lowest = 0;
    double highest = 0;
    for (const ChartColumn &column : columns)
        if (std::isfinite(column.value)) {
            lowest = std::min(lowest, column.value);
            highest = std::max(highest, column.value);
        }
    const double spread = highest - lowest;
    if (!(spread > 0) || !std::isfinite(spread))
        return AmountAxis{};
    const double low = lowest < 0 ? lowest - headRoom * spread : 0;
    const double high = highest > 0 ? highest + headRoom * spread : 0;
    AmountAxis axis = stepOfAtLeast((high - low) / std::max(1, ticks - 1));
    // A hair's tolerance, so that an end that falls on a tick gets no other.
    const double step = axis.step();
    axis.lowestTick = int(std::floor(low / step + 1e-9));
    axis.highestTick = int(std::ceil(high / step - 1e-9));
    return axis;
}

std::string tickText(const AmountAxis &axis, int index, const std::string &decimalSeparator)
{
    const double value = axis.tick(index);
    const int width = std::max(widthInFigures(axis, axis.lowestTick), widthInFigures(axis, axis.highestTick));
    if (width > LongestTickInFigures) {
        // As many significant digits as the longest tick has, so that no two
        // ticks read alike.
        const long long longest = std::max(std::llabs((long long)(axis.lowestTick) * axis.unit),
                                           std::llabs((long long)(axis.highestTick) * axis.unit));
        return formatGeneral(value, digitsOf(longest), decimalSeparator);
    }
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, std::max(0, -axis.power)).ptr;
    std::string text;
    for (const char *c = buffer; c != end; ++c) {
        if (*c == '.')
            text += decimalSeparator;
        else
            text += *c;
    }
    return text;
}

double visibleLength(double amount, double whole)
{
    if (!std::isfinite(amount))
        return 0;
    const double least = LeastVisibleShare * whole;
    if (amount == 0 || !(least > 0) || std::abs(amount) >= least)
        return amount;
    return std::copysign(least, amount);
}

std::string chartDescription(const std::vector<ChartColumn> &columns, const std::string &decimalSeparator)
{
    std::string description;
    for (const ChartColumn &column : columns) {
        if (!description.empty())
            description += "; ";
        description += column.label + ": " + formatAmount(column.value, decimalSeparator) + " euros";
    }
    return description;
}

}   // namespace rotavex
