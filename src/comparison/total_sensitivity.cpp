#include "total_sensitivity.h"

#include "check/check_report.h"
#include "check/data_check.h"
#include "model/calculation.h"
#include "model/field_number.h"
#include "model/switch_groups.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace rotavex {

namespace {

// The shortest text that reads back as the value, with a point for the
// decimals whatever the locale.
std::string fieldText(double value)
{
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    return std::string(digits.data(), end);
}

// What the check finds about the higher value that it did not find before.
std::string newRefusal(const DataCheckResult &before, const DataCheckResult &after)
{
    for (const CheckFinding &finding : after.findings) {
        const bool known = std::any_of(before.findings.begin(), before.findings.end(),
                                       [&](const CheckFinding &old) { return old.arrow == finding.arrow; });
        if (!finding.isGroupBreak() && !known)
            return std::string(finding.arrow);
    }
    return refusalReason(after.verdict);
}

}   // namespace

std::vector<InputSensitivity> totalSensitivity(const CalculatedResults &calculation)
{
    const PricedStudy &own = calculation.results;
    const DataCheckResult checked = runDataCheck(own, calculation.texts);
    std::vector<InputSensitivity> priced, refused;
    for (Input input : AllInputs) {
        const double value = ReadFieldNumber(calculation.texts[input]);
        if (value == 0 || onObservatory(own, input))
            continue;
        const double raised = value * 11 / 10;
        FieldTexts higher = calculation.texts;
        higher[input] = fieldText(raised);
        InputSensitivity sensitivity{input, std::nullopt, std::nullopt, ""};
        const DataCheckResult check = runDataCheck(own, higher);
        if (!std::isfinite(raised)) {
            sensitivity.refusal = "el valor un 10 % mayor es demasiado grande";
        } else if (!check.calculationOffered()) {
            sensitivity.refusal = newRefusal(checked, check);
        } else if (CalculationOutcome outcome = calculateCosts(own, higher); outcome.fault) {
            sensitivity.refusal = "el cálculo falla en: " + outcome.fault->step;
        } else {
            const double change = double(outcome.results.ServiceTotal) - double(own.ServiceTotal);
            sensitivity.change = change;
            if (own.ServiceTotal != 0)
                sensitivity.changePct = change / own.ServiceTotal * 100;
        }
        (sensitivity.change ? priced : refused).push_back(sensitivity);
    }
    std::stable_sort(priced.begin(), priced.end(), [](const InputSensitivity &a, const InputSensitivity &b) {
        return std::fabs(*a.change) > std::fabs(*b.change);
    });
    priced.insert(priced.end(), refused.begin(), refused.end());
    return priced;
}

}   // namespace rotavex
