#pragma once
// What every fuzz target holds the program to. A broken rule prints what was
// broken and aborts, so libFuzzer keeps the input and the run fails.

#include "model/result_fields.h"
#include "report/report_lines.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <type_traits>
#include <variant>

namespace rotavex::fuzz {

[[noreturn]] inline void ruleBroken(const char *rule, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: rule broken: %s\n", file, line, rule);
    std::abort();
}

#define FUZZ_REQUIRE(condition) ((condition) ? void() : ::rotavex::fuzz::ruleBroken(#condition, __FILE__, __LINE__))

// No number a report writes may be an infinity or a NaN.
inline bool numbersAreFinite(const Report &report)
{
    for (const ReportItem &item : report.items) {
        const bool finite = std::visit(
            [](const auto &i) {
                using T = std::decay_t<decltype(i)>;
                if constexpr (std::is_same_v<T, FloatItem> || std::is_same_v<T, DoubleItem>)
                    return bool(std::isfinite(i.value));
                return true;
            },
            item);
        if (!finite)
            return false;
    }
    return true;
}

// No result of a calculation, share or amount, may be an infinity or a NaN.
inline bool resultsAreFinite(const StudyResults &results)
{
    for (const ResultField &field : resultFields())
        if (field.real && !std::isfinite(results.*field.real))
            return false;
    return true;
}

}   // namespace rotavex::fuzz
