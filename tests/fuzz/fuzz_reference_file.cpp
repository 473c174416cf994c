// Whatever bytes a file of reference values holds, reading it never crashes
// or hangs; a set it accepts has only values the calculation can take, its
// table and its pricing show no infinity or NaN, and written and read back
// it gives the same name and values.

#include "fuzz_rules.h"

#include "model/calculation.h"
#include "model/result_fields.h"
#include "observatory/observatory_tables.h"
#include "reference/reference_file.h"
#include "reference/reference_values.h"

#include <cmath>
#include <cstdint>
#include <string_view>

using namespace rotavex;

namespace {

bool sameValues(const ReferenceSet &a, const ReferenceSet &b)
{
    for (std::size_t c = 0; c < a.classes.size(); ++c)
        for (const ReferenceQuantity &quantity : referenceQuantities())
            if (quantityValue(a.classes[c], quantity.quantity) != quantityValue(b.classes[c], quantity.quantity))
                return false;
    return a.name == b.name;
}

bool finiteResults(const StudyResults &results)
{
    for (const ResultField &field : resultFields())
        if (field.real && !std::isfinite(results.*field.real))
            return false;
    return true;
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ReferenceFileReading read = readReferenceFile(std::string_view(reinterpret_cast<const char *>(data), size));
    FUZZ_REQUIRE(read.set.has_value() == read.refusal.empty());
    if (!read.set)
        return 0;
    const ReferenceSet &set = *read.set;
    for (const ObservatoryValues &values : set.classes)
        for (const ReferenceQuantity &quantity : referenceQuantities())
            FUZZ_REQUIRE(!quantityRefusal(quantity.quantity, quantityValue(values, quantity.quantity)));

    FUZZ_REQUIRE(fuzz::numbersAreFinite(observatoryScreenTable(set)));
    FieldTexts texts;
    texts[Input::Km] = "100";
    texts[Input::Vacio] = "20";
    texts[Input::Horas] = "4";
    for (int16_t busClass = 1; busClass <= 4; ++busClass) {
        StudyChoices choices;
        choices.BusClass = busClass;
        choices.switches = ObservatorySwitches::allOn();
        choices.reference = std::make_shared<const ReferenceSet>(set);
        const CalculationOutcome priced = calculateCosts(choices, texts);
        FUZZ_REQUIRE(finiteResults(priced.results));
    }

    const ReferenceFileReading again = readReferenceFile(referenceFileBytes(set));
    FUZZ_REQUIRE(again.set.has_value());
    FUZZ_REQUIRE(sameValues(set, *again.set));
    return 0;
}
