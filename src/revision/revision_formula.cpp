#include "revision_formula.h"

#include "entry/field_check.h"
#include "model/cost_items.h"
#include "storage/failure_causes.h"

#include <cmath>

namespace rotavex {

namespace {

struct Refusal {
    std::string what;
    RevisionPlace place;
};

// A number typed as a data field is: not negative; none when left empty.
std::optional<double> valueOf(const std::string &text, const std::string &label, RevisionPlace place)
{
    if (isBlank(text))
        return std::nullopt;
    const std::optional<double> value = checkedFieldValue(text);
    if (!value)
        throw Refusal{label + ": " + quotedValue(text) + (isNumberText(text) ? " es negativo" : " no es un número"),
                      place};
    return value;
}

std::optional<double> positiveValue(const std::string &text, const std::string &label, RevisionPlace place)
{
    const std::optional<double> value = valueOf(text, label, place);
    if (value && *value == 0)
        throw Refusal{label + ": " + quotedValue(text) + " debe ser mayor que cero", place};
    return value;
}

RevisionTerms termsOf(const Revision &revision)
{
    RevisionTerms terms;
    using P = RevisionPlace;
    terms.price = positiveValue(revision.price, "Precio", {P::Price});
    terms.profitPct = valueOf(revision.profitPct, "Beneficio", {P::Profit}).value_or(0);
    terms.labourCapPct = valueOf(revision.labourCapPct, "Límite mano de obra", {P::LabourCap});
    terms.efficiency = valueOf(revision.efficiency, "Factor de eficiencia", {P::Efficiency}).value_or(0);
    if (terms.efficiency >= 1)
        throw Refusal{"Factor de eficiencia: " + quotedValue(revision.efficiency) + " debe ser menor que 1",
                      {P::Efficiency}};
    double weights = 0;
    for (std::size_t item = 0; item < RevisionItemCount; ++item) {
        const RevisionRow &row = revision.rows[item];
        const std::string label = std::string(revisionItems()[item].label) + ", ";
        const RevisionPlace place{P::Row, item};
        terms.weightPct[item] = valueOf(row.weightPct, label + std::string(RevisionColumnHeadings[1]), place);
        terms.initialIndex[item] = positiveValue(row.initialIndex, label + std::string(RevisionColumnHeadings[2]),
                                                 place);
        terms.finalIndex[item] = positiveValue(row.finalIndex, label + std::string(RevisionColumnHeadings[3]), place);
        weights += terms.weightPct[item].value_or(0);
    }
    // Weights typed with decimals make 100 only to double precision: 4,65 and
    // seven more that make the whole price add up to 100.00000000000001.
    if (weights > 100 + 1e-9)
        throw Refusal{"los pesos suman más del 100 % del precio", {P::Row, 0}};
    if (terms.typedWeights() && !terms.price)
        throw Refusal{"Precio: con los pesos escritos hace falta el precio del contrato", {P::Price}};
    return terms;
}

// Why an item that may be revised is not, or nothing when it is.
std::string whyNotRevised(const RevisionTerms &terms, std::size_t item, double weight)
{
    const bool initial = terms.initialIndex[item].has_value(), final = terms.finalIndex[item].has_value();
    if (!initial && !final)
        return "no tiene índices";
    if (!initial)
        return "falta el índice inicial";
    if (!final)
        return "falta el índice final";
    if (weight < SignificantWeight)
        return "pesa menos del 1 % del precio: solo se revisan las partidas significativas (Real Decreto 55/2017)";
    return {};
}

}   // namespace

CostStructure costStructure(const StudyResults &results)
{
    CostStructure structure;
    for (std::size_t item = 0; item < RevisionItemCount; ++item)
        structure.items[item] = results.*revisionItems()[item].total;
    structure.total = results.ServiceTotal;
    return structure;
}

CostStructure costStructure(const LotTotals &totals)
{
    CostStructure structure;
    for (std::size_t item = 0; item < RevisionItemCount; ++item)
        for (std::size_t cost = 0; cost < costItems().size(); ++cost)
            if (costItems()[cost].total == revisionItems()[item].total)
                structure.items[item] = totals.annualItems[cost];
    structure.total = totals.annualCost;
    return structure;
}

bool RevisionTerms::typedWeights() const
{
    for (const std::optional<double> &weight : weightPct)
        if (weight)
            return true;
    return false;
}

RevisionTermsReading readRevisionTerms(const Revision &revision)
{
    RevisionTermsReading reading;
    try {
        reading.terms = termsOf(revision);
    } catch (const Refusal &refusal) {
        reading.refusal = refusal.what;
        reading.place = refusal.place;
    }
    return reading;
}

RevisionOutcome revisePrice(const RevisionTerms &terms, const std::optional<CostStructure> &structure)
{
    RevisionOutcome outcome;
    outcome.fromCalculation = structure.has_value();
    if (!structure && !terms.typedWeights()) {
        outcome.refusal = "no hay pesos: escriba el peso de las partidas o revise la estructura de un cálculo";
        return outcome;
    }
    outcome.price = terms.price ? *terms.price : structure ? structure->total * (1 + terms.profitPct / 100) : 0;
    if (!(outcome.price > 0) || !std::isfinite(outcome.price)) {
        outcome.refusal = "el precio del contrato es cero: no hay nada que revisar";
        return outcome;
    }
    double sumOfWeights = 0, revisedWeights = 0, revisedShare = 0;
    for (std::size_t item = 0; item < RevisionItemCount; ++item) {
        ItemRevision &revised = outcome.items[item];
        revised.unreducedWeight = structure ? structure->items[item] / outcome.price
                                            : terms.weightPct[item].value_or(0) / 100;
        sumOfWeights += revised.unreducedWeight;
        revised.weight = revised.unreducedWeight;
        const RevisionItem &rule = revisionItems()[item];
        if (!rule.revisable) {
            const bool indexed = terms.initialIndex[item] || terms.finalIndex[item];
            revised.why = indexed ? std::string(rule.exclusion) + "; sus índices no se usan"
                                  : std::string(rule.exclusion);
            continue;
        }
        revised.why = whyNotRevised(terms, item, revised.unreducedWeight);
        if (!revised.why.empty())
            continue;
        double ratio = *terms.finalIndex[item] / *terms.initialIndex[item];
        if (item == LabourItem) {
            if (!terms.labourCapPct) {
                outcome.refusal = "la mano de obra necesita su límite: escriba el Límite mano de obra (en %)";
                outcome.labourWithoutCap = true;
                return outcome;
            }
            const double cap = 1 + *terms.labourCapPct / 100;
            revised.capped = ratio > cap;
            ratio = std::min(ratio, cap);
        }
        if (item == FuelItem)
            revised.weight *= 1 - terms.efficiency;
        revised.revised = true;
        revised.ratio = ratio;
        revisedWeights += revised.weight;
        revisedShare += revised.weight * ratio;
    }
    // A calculation's items add up to its stored total only to single precision.
    if (sumOfWeights > 1 + 1e-6) {
        outcome.refusal = "los costes de las partidas pasan del precio del contrato";
        return outcome;
    }
    outcome.fixedShare = 1 - revisedWeights;
    outcome.kt = outcome.fixedShare + revisedShare;
    outcome.revisedPrice = outcome.price * outcome.kt;
    if (!std::isfinite(outcome.kt) || !std::isfinite(outcome.revisedPrice)) {
        outcome.refusal = "los índices dan una revisión que no cabe en las cifras del programa";
        return outcome;
    }
    return outcome;
}

}   // namespace rotavex
