#pragma once
// A contract's price revised through its own cost structure: each item that
// may be revised follows its own index, the rest of the price stays fixed.
// The revision is held as the user typed it, in a window's fields or a
// file's cells; the formula reads the texts and refuses what it cannot use.

#include "model/workspace.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace rotavex {

inline constexpr std::size_t RevisionItemCount = 8;

// The items of the structure, in the order a revision lists them: the five
// that may follow an index, then the three that the rules on revising
// public contracts keep fixed.
struct RevisionItem {
    std::string_view label;       // "Conductor": the chart's name of the item
    std::string_view key;         // "Driver": its name in the records for programs
    float StudyResults::*total;   // its cost in a calculation
    bool revisable;
    std::string_view exclusion;   // why it is never revised; empty for those that may be
};
const std::array<RevisionItem, RevisionItemCount> &revisionItems();
inline constexpr std::size_t LabourItem = 0;
inline constexpr std::size_t FuelItem = 1;

struct RevisionRow {
    std::string weightPct;      // "Peso", percent of the price; empty when the weights come from a calculation
    std::string initialIndex;   // I₀
    std::string finalIndex;     // I₁
};

struct Revision {
    std::string name;
    std::string price;                                 // P₀; empty: the calculation's total with the profit
    std::string profitPct;                             // "Beneficio"; empty is 0
    std::string labourCapPct;                          // "Límite mano de obra"
    std::string efficiency;                            // "Factor de eficiencia", X; empty is 0
    std::array<RevisionRow, RevisionItemCount> rows;   // by revisionItems()
};

// "Partida", "Peso", "Índice inicial", "Índice final".
inline constexpr std::array<std::string_view, 4> RevisionColumnHeadings = {"Partida", "Peso", "Índice inicial",
                                                                           "Índice final"};

}   // namespace rotavex
