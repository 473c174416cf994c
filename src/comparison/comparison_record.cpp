#include "comparison_record.h"

#include "comparison_report.h"
#include "model/result_fields.h"
#include "observatory_comparison.h"

#include <algorithm>

namespace rotavex {

namespace {

double valueOf(const StudyResults &results, const ResultField &field)
{
    return field.whole ? double(results.*field.whole) : double(results.*field.real);
}

}   // namespace

void addComparison(PricedRecord &record, double tolerancePct)
{
    if (!record.calculation)
        return;
    ComparisonStudyOutcome outcome = studyAgainstObservatory(*record.calculation);
    if (outcome.fault) {
        record.error = "no se puede comparar con el Observatorio: " + calculationFaultMessage(*outcome.fault);
        return;
    }
    const ComparisonStudy &study = *outcome.study;
    RecordComparison comparison;
    comparison.observatory = study.comparison.observatory;
    for (const ResultField &field : resultFields()) {
        const std::optional<double> deviation = deviationPct(valueOf(record.calculation->results, field),
                                                             valueOf(comparison.observatory, field));
        comparison.deviationPct.push_back(deviation);
        comparison.flagged.push_back(beyondTolerance(deviation, tolerancePct));
    }
    for (const InputSensitivity &input : study.sensitivity)
        comparison.sensitivity.emplace_back(input.input, input.change);
    std::sort(comparison.sensitivity.begin(), comparison.sensitivity.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    comparison.report = comparisonScreenReport(study, tolerancePct);
    record.comparison = std::move(comparison);
}

}   // namespace rotavex
