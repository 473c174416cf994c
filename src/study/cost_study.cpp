#include "cost_study.h"

namespace rotavex {

std::optional<CalculationFault> CostStudy::calculate()
{
    if (auto fault = Calculate(ws_, texts))
        return fault;
    last_ = CalculatedResults{ws_, texts};
    return std::nullopt;
}

CostStudy::Pricing CostStudy::checkAndCalculate()
{
    Pricing pricing{check(), std::nullopt};
    if (pricing.check.calculationOffered())
        pricing.fault = calculate();
    return pricing;
}

}   // namespace rotavex
