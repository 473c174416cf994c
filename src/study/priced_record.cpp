#include "priced_record.h"

#include "check/check_report.h"

#include <unistd.h>

namespace rotavex {

namespace {

// Why bytes that were read are not a data file.
std::string notADataFileText(const std::string &name, bool empty)
{
    if (empty)
        return name == "-" ? "la entrada está vacía" : "el fichero está vacío";
    return std::string(ForeignFileMessage);
}

}   // namespace

PricedRecord priceDataFile(const std::string &name, const std::shared_ptr<const ReferenceSet> &reference)
{
    PricedRecord record;
    record.name = name;
    if (!isBuiltIn(*reference))
        record.reference = reference->name;
    Workspace ws;
    ws.reference = reference;
    CostStudy study(ws);
    constexpr auto groups = CostStudy::SavedObservatoryGroups::SwitchedOn;
    const DataFileOutcome loaded = name == "-" ? study.loadFromDescriptor(STDIN_FILENO, groups)
                                               : study.loadFrom(name, groups);
    if (!loaded.done()) {
        record.error = loaded.result == DataFileOutcome::Result::Failed ? loaded.cause
                                                                        : notADataFileText(name, loaded.empty);
        return record;
    }
    record.read = true;
    CostStudy::Pricing pricing = study.checkAndCalculate();
    record.choices = ws;
    record.check = std::move(pricing.check);
    if (!record.check.calculationOffered())
        record.error = refusalReason(record.check.verdict);
    else if (pricing.fault)
        record.error = calculationFaultMessage(*pricing.fault);
    else
        record.calculation = study.lastCalculation();
    return record;
}

}   // namespace rotavex
