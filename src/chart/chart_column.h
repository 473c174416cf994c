#pragma once
// What a chart of one amount per item draws: each item's label, amount and
// colour.

#include <cstdint>
#include <string>

namespace rotavex {

struct ChartColumn {
    std::string label;
    double value;
    std::uint32_t colour = 0;   // 0xRRGGBB; nought lets the chart choose
};

}   // namespace rotavex
