#include "plain_text.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace rotavex {

namespace {

// Columns are characters, not bytes: count the UTF-8 lead bytes.
std::size_t columnsOf(const std::string &s)
{
    std::size_t count = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

std::string twoDigits(int n)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
}

// Length of the run of `c` starting at i.
std::size_t runLength(const std::string &s, std::size_t i)
{
    std::size_t n = 1;
    while (i + n < s.size() && s[i + n] == s[i])
        ++n;
    return n;
}

}   // namespace

std::string formatDateTime(const DateTime &when, const std::string &pattern)
{
    const bool twelveHour = pattern.find("AP") != std::string::npos || pattern.find("ap") != std::string::npos;
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        const std::size_t n = runLength(pattern, i);
        if (c == '\'') {   // quoted literal text
            const std::size_t close = pattern.find('\'', i + 1);
            const std::size_t end = close == std::string::npos ? pattern.size() : close;
            out += pattern.substr(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        const int hour12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
        switch (c) {
        case 'd': out += n >= 2 ? twoDigits(when.day) : std::to_string(when.day); break;
        case 'M': out += n >= 2 ? twoDigits(when.month) : std::to_string(when.month); break;
        case 'y': out += n >= 4 ? std::to_string(when.year) : twoDigits(when.year % 100); break;
        case 'h':
        case 'H': {
            const int h = (c == 'h' && twelveHour) ? hour12 : when.hour;
            out += n >= 2 ? twoDigits(h) : std::to_string(h);
            break;
        }
        case 'm': out += n >= 2 ? twoDigits(when.minute) : std::to_string(when.minute); break;
        case 's': out += n >= 2 ? twoDigits(when.second) : std::to_string(when.second); break;
        case 'A':
        case 'a':
            if (i + 1 < pattern.size() && (pattern[i + 1] == 'P' || pattern[i + 1] == 'p')) {
                const bool pm = when.hour >= 12;
                out += c == 'A' ? (pm ? "PM" : "AM") : (pm ? "pm" : "am");
                i += 2;
                continue;
            }
            out.append(n, c);
            break;
        default: out.append(n, c); break;
        }
        i += n;
    }
    return out;
}

std::string itemText(const ReportItem &item, const NumberLocale &locale)
{
    if (const auto *t = std::get_if<TextItem>(&item))
        return t->text;
    if (const auto *f = std::get_if<FloatItem>(&item))
        return formatNumberItem(f->value, locale);
    if (const auto *d = std::get_if<DoubleItem>(&item))
        return formatNumberItem(*d, locale);
    if (const auto *date = std::get_if<DateItem>(&item))
        return formatDateTime(date->when, locale.shortDateFormat);
    if (const auto *time = std::get_if<TimeItem>(&item))
        return formatDateTime(time->when, locale.timeFormat);
    return {};
}

namespace {

// Column n -> where the items after a tab to n start.
using TabStarts = std::map<int, std::size_t>;

// Lays the report out with the given starts (a column without one pads to
// itself, or one blank past it) and gathers, for each tab column, the start
// its texts would need: the column, or one blank after the furthest text.
std::string layOut(const Report &report, const NumberLocale &locale, const TabStarts &starts, TabStarts &needed)
{
    std::string out;
    std::string line;
    for (const ReportItem &item : report.items) {
        if (const auto *t = std::get_if<TabItem>(&item)) {
            const std::size_t pen = columnsOf(line) + 1;
            const std::size_t natural = pen <= std::size_t(t->column) ? std::size_t(t->column) : pen + 1;
            std::size_t &need = needed[t->column];
            need = std::max(need, natural);
            const auto start = starts.find(t->column);
            const std::size_t target = start == starts.end() ? natural : std::max(start->second, natural);
            line.append(target - pen, ' ');
        } else if (std::holds_alternative<LineBreak>(item)) {
            out += line + "\n";
            line.clear();
        } else if (std::holds_alternative<EndDocument>(item)) {
            out += line + "\f";
            line.clear();
        } else {
            line += itemText(item, locale);
        }
    }
    return out + line;
}

}   // namespace

std::string renderPlainText(const Report &report, const NumberLocale &locale)
{
    TabStarts needed;
    return layOut(report, locale, {}, needed);
}

std::string renderAlignedPlainText(const Report &report, const NumberLocale &locale)
{
    // Moving one column's start can push a later column of the same line
    // further, so the starts are sought until they hold. Columns that push
    // each other in turn on different lines would never settle; a few rounds
    // bound that, leaving the layout of the last one.
    TabStarts starts;
    std::string text;
    for (int round = 0; round < 8; ++round) {
        TabStarts needed;
        text = layOut(report, locale, starts, needed);
        // A later column keeps at least its distance from an earlier one
        // that moved, so what stood apart on the line still does.
        std::size_t shift = 0;
        for (auto &[column, start] : needed) {
            start = std::max(start, std::size_t(column) + shift);
            shift = std::max(shift, start - std::size_t(column));
        }
        if (needed == starts)
            break;
        starts = std::move(needed);
    }
    return text;
}

}   // namespace rotavex
