#include "observatory_comparison.h"

#include "model/cost_items.h"
#include "model/group_sums.h"
#include "model/switch_groups.h"

#include <cmath>

namespace rotavex {

ComparisonOutcome compareWithObservatory(const CalculatedResults &calculation)
{
    StudyChoices onAverages = calculation.results;
    onAverages.switches = ObservatorySwitches::allOn();
    // On the averages the calculation reads nothing but the trip's three
    // fields: the other texts cannot change it.
    CalculationOutcome priced = calculateCosts(onAverages, calculation.texts);
    if (priced.fault)
        return {std::nullopt, priced.fault};
    PricedStudy observatory{onAverages, priced.results};
    return {ObservatoryComparison{calculation.results, observatory}, std::nullopt};
}

ComparisonStudyOutcome studyAgainstObservatory(const CalculatedResults &calculation)
{
    ComparisonOutcome compared = compareWithObservatory(calculation);
    if (!compared.comparison)
        return {std::nullopt, compared.fault};
    return {ComparisonStudy{*compared.comparison, totalSensitivity(calculation), calculation.kmText(),
                            calculation.vacioText()},
            std::nullopt};
}

std::optional<double> deviationPct(double own, double observatory)
{
    if (observatory == 0)
        return std::nullopt;
    return (own - observatory) / observatory * 100;
}

bool beyondTolerance(std::optional<double> deviation, double tolerancePct)
{
    return deviation && std::fabs(*deviation) > tolerancePct;
}

std::vector<ComparedRow> comparedRows(const ObservatoryComparison &comparison)
{
    const PricedStudy &own = comparison.own;
    const PricedStudy &obs = comparison.observatory;
    std::vector<ComparedRow> rows;
    for (const CostItem &item : costItems())
        if (item.unitCost)
            rows.push_back({ComparedKind::UnitCost, item.chartLabel,
                            item.group == CostGroup::PerKm ? "euros/km" : "euros/hora", own.*item.unitCost,
                            obs.*item.unitCost});
    for (const CostItem &item : costItems())
        rows.push_back({ComparedKind::Item, item.chartLabel, "euros", own.*item.total, obs.*item.total});
    // A group's amount is the sum of its items' amounts for the service.
    for (CostGroup group : {CostGroup::PerKm, CostGroup::PerHour}) {
        double ownSum = 0, obsSum = 0;
        for (const CostItem &item : costItems())
            if (item.group == group) {
                ownSum += own.*item.total;
                obsSum += obs.*item.total;
            }
        rows.push_back({ComparedKind::Group, costGroup(group).chartLabel, "euros", ownSum, obsSum});
    }
    rows.push_back({ComparedKind::Total, "Coste total del trayecto", "euros", own.ServiceTotal, obs.ServiceTotal});
    return rows;
}

std::vector<DataSource> dataSources(const StudyChoices &choices)
{
    std::vector<DataSource> sources;
    for (const SwitchGroup &group : switchGroups())
        sources.push_back({group.name, onObservatory(choices, group)});
    return sources;
}

}   // namespace rotavex
