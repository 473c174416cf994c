// Whatever a revision file holds: a revision it accepts is revised, on its
// typed weights or on the worked example's structure, with no infinity or
// NaN, and written and read back holds the same values.

#include "fuzz_rules.h"

#include "entry/field_check.h"
#include "revision/revision_file.h"
#include "revision/revision_formula.h"
#include "revision/revision_report.h"

#include <cmath>
#include <cstdint>
#include <string_view>

using namespace rotavex;

namespace {

bool sameValue(const std::string &a, const std::string &b)
{
    const std::optional<double> x = checkedFieldValue(a), y = checkedFieldValue(b);
    return x ? y == x : !y && a == b;
}

bool sameRevision(const Revision &a, const Revision &b)
{
    bool same = a.name == b.name && sameValue(a.price, b.price) && sameValue(a.profitPct, b.profitPct)
                && sameValue(a.labourCapPct, b.labourCapPct) && sameValue(a.efficiency, b.efficiency);
    for (std::size_t item = 0; item < RevisionItemCount; ++item)
        same = same && sameValue(a.rows[item].weightPct, b.rows[item].weightPct)
               && sameValue(a.rows[item].initialIndex, b.rows[item].initialIndex)
               && sameValue(a.rows[item].finalIndex, b.rows[item].finalIndex);
    return same;
}

void requireFinite(const Revision &revision, const RevisionTerms &terms, const RevisionOutcome &outcome)
{
    if (!outcome.done())
        return;
    FUZZ_REQUIRE(std::isfinite(outcome.kt) && std::isfinite(outcome.revisedPrice) && std::isfinite(outcome.fixedShare));
    FUZZ_REQUIRE(fuzz::numbersAreFinite(revisionReport(revision, terms, outcome)));
    FUZZ_REQUIRE(fuzz::numbersAreFinite(printedRevisionReport(revision, terms, outcome, {})));
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const RevisionFileReading read = readRevisionFile(std::string_view(reinterpret_cast<const char *>(data), size));
    FUZZ_REQUIRE(read.revision.has_value() == read.refusal.empty());
    if (!read.revision)
        return 0;
    const Revision &revision = *read.revision;
    const std::string bytes = revisionFileBytes(revision);
    const RevisionFileReading again = readRevisionFile(bytes);
    FUZZ_REQUIRE(again.revision && sameRevision(revision, *again.revision));
    FUZZ_REQUIRE(revisionFileBytes(*again.revision) == bytes);

    const RevisionTermsReading terms = readRevisionTerms(revision);
    FUZZ_REQUIRE(terms.terms.has_value());
    requireFinite(revision, *terms.terms, revisePrice(*terms.terms, std::nullopt));
    StudyResults example;
    example.DriverTotal = 105.25f;
    example.FuelTotal = 43.2f;
    example.GeneralCosts = 27.9f;
    example.ServiceTotal = 176.35f;
    requireFinite(revision, *terms.terms, revisePrice(*terms.terms, costStructure(example)));
    return 0;
}
