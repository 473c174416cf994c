// Whatever a file of reference values holds: a set it accepts prices, and is
// tabled, with no infinity or NaN, and written and read back is the same.

#include "fuzz_rules.h"

#include "model/calculation.h"
#include "observatory/observatory_tables.h"
#include "reference/reference_file.h"
#include "reference/reference_values.h"

#include <cstdint>
#include <string_view>

using namespace rotavex;

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
        FUZZ_REQUIRE(fuzz::resultsAreFinite(priced.results));
    }

    const ReferenceFileReading again = readReferenceFile(referenceFileBytes(set));
    FUZZ_REQUIRE(again.set.has_value() && again.set->name == set.name);
    FUZZ_REQUIRE(referenceFileBytes(*again.set) == referenceFileBytes(set));
    return 0;
}
