#pragma once
// The figures of a record as every form writes them: the shortest text that
// reads back to the same value (0.36, not 0.360000014), with "." for the
// decimals.

#include "model/result_fields.h"

#include <optional>
#include <string_view>

namespace rotavex {

class NumberText {
public:
    // A result; empty for a value that is not finite, which the calculation
    // never lets through.
    NumberText(const StudyResults &results, const ResultField &field);
    // A figure worked out in double precision, as a deviation or a change of
    // the total; empty where there is none. A nought is written without its
    // sign.
    explicit NumberText(std::optional<double> value);

    std::string_view text() const { return {buffer_, size_}; }
    bool empty() const { return size_ == 0; }

private:
    char buffer_[40];
    std::size_t size_ = 0;
};

}   // namespace rotavex
