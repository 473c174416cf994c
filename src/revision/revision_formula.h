#pragma once
// The revision formula: Kₜ = F + Σ wᵢ × rᵢ over the items revised, with rᵢ
// = I₁ ÷ I₀ (labour's capped), F = 1 − Σ wᵢ of those items, and the revised
// price Pₜ = P₀ × Kₜ; in double precision, with no rounding inside.

#include "lot/lot_pricing.h"
#include "revision.h"

#include <array>
#include <optional>
#include <string>

namespace rotavex {

// The costs of the eight items (by revisionItems()) of a calculation or of a
// lot, and their total before profit.
struct CostStructure {
    std::array<double, RevisionItemCount> items{};
    double total = 0;
};
CostStructure costStructure(const StudyResults &results);
// A priced lot's: each item's annual cost over the services priced.
CostStructure costStructure(const LotTotals &totals);

// The revision's texts as numbers.
struct RevisionTerms {
    std::optional<double> price;
    double profitPct = 0;
    std::optional<double> labourCapPct;
    double efficiency = 0;
    std::array<std::optional<double>, RevisionItemCount> weightPct, initialIndex, finalIndex;
    bool typedWeights() const;
};

// Where a wrong text stands: one of the five header fields, or a cell of an
// item's row.
struct RevisionPlace {
    enum Field { Name, Price, Profit, LabourCap, Efficiency, Row } field = Name;
    std::size_t item = 0;   // for Row
};

// The terms, or what is wrong with the first text that is
// ("Combustible, Índice inicial: «abc» no es un número"): each number not
// negative, the indices above nought, the efficiency factor below 1, the
// typed weights no more than 100 % in all and given with the price.
struct RevisionTermsReading {
    std::optional<RevisionTerms> terms;
    std::string refusal;
    RevisionPlace place;
};
RevisionTermsReading readRevisionTerms(const Revision &revision);

struct ItemRevision {
    double unreducedWeight = 0;   // its share of the price
    double weight = 0;            // the share the formula uses: fuel's lowered by the efficiency factor
    bool revised = false;
    std::optional<double> ratio;   // rᵢ, capped for labour; none when not revised
    bool capped = false;           // the cap cut labour's ratio
    std::string why;               // why it is not revised; empty when it is
};

struct RevisionOutcome {
    std::string refusal;             // nothing is revised
    bool labourWithoutCap = false;   // the refusal is that labour needs its cap
    bool fromCalculation = false;    // the weights are a calculation's costs over the price
    double price = 0;                // P₀
    double kt = 1;
    double revisedPrice = 0;   // Pₜ
    double fixedShare = 1;     // F
    std::array<ItemRevision, RevisionItemCount> items;
    bool done() const { return refusal.empty(); }
};

// With a structure the weights are its costs over the price (P₀ the typed
// price, or its total with the profit), whatever weights were typed; without
// one, the typed weights.
RevisionOutcome revisePrice(const RevisionTerms &terms, const std::optional<CostStructure> &structure);

// The lowest weight an item must have to be revised: 1 % of the price.
inline constexpr double SignificantWeight = 0.01;

}   // namespace rotavex
