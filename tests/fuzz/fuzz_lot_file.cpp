// Whatever a lot file holds: a lot it accepts prices and reports with no
// infinity or NaN, and written and read back holds the same values.

#include "fuzz_rules.h"

#include "entry/field_check.h"
#include "lot/lot_file.h"
#include "lot/lot_pricing.h"
#include "lot/lot_report.h"

#include <cstdint>
#include <string_view>

using namespace rotavex;

namespace {

bool sameValue(const std::string &a, const std::string &b, bool number)
{
    if (!number)
        return a == b;
    const std::optional<double> x = checkedFieldValue(a), y = checkedFieldValue(b);
    return x ? y == x : !y && a == b;
}

bool sameLot(const Lot &a, const Lot &b)
{
    if (a.name != b.name || !sameValue(a.years, b.years, true) || !sameValue(a.profitPct, b.profitPct, true)
        || !sameValue(a.vatPct, b.vatPct, true) || a.services.size() != b.services.size())
        return false;
    for (std::size_t row = 0; row < a.services.size(); ++row)
        for (std::size_t column = 0; column < LotColumnCount; ++column) {
            const LotColumn kind = LotColumn(column);
            const bool number = kind != LotColumn::Name && kind != LotColumn::DataFile;
            if (!sameValue(a.services[row][kind], b.services[row][kind], number))
                return false;
        }
    return true;
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const LotFileReading read = readLotFile(std::string_view(reinterpret_cast<const char *>(data), size));
    FUZZ_REQUIRE(read.lot.has_value() == read.refusal.empty());
    if (!read.lot)
        return 0;
    const Lot &lot = *read.lot;

    const std::string bytes = lotFileBytes(lot);
    const LotFileReading again = readLotFile(bytes);
    FUZZ_REQUIRE(again.lot && sameLot(lot, *again.lot));
    FUZZ_REQUIRE(lotFileBytes(*again.lot) == bytes);

    // Priced on the reference values only: the names of data files are
    // the file system's, not the input's.
    Lot onReference = lot;
    for (LotService &service : onReference.services)
        service[LotColumn::DataFile].clear();
    const LotPricing pricing = priceLot(onReference, {});
    FUZZ_REQUIRE(pricing.priced());
    FUZZ_REQUIRE(fuzz::numbersAreFinite(lotReport(onReference, pricing)));
    FUZZ_REQUIRE(fuzz::numbersAreFinite(printedLotReport(onReference, pricing, {})));
    for (const ServicePricing &service : pricing.services)
        FUZZ_REQUIRE(fuzz::resultsAreFinite(service.study));
    return 0;
}
