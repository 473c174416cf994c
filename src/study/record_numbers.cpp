#include "record_numbers.h"

#include <charconv>
#include <cmath>

namespace rotavex {

NumberText::NumberText(const StudyResults &results, const ResultField &field)
{
    if (field.whole) {
        size_ = std::size_t(std::to_chars(buffer_, buffer_ + sizeof buffer_, results.*field.whole).ptr - buffer_);
        return;
    }
    const float value = results.*field.real;
    if (std::isfinite(value))
        size_ = std::size_t(std::to_chars(buffer_, buffer_ + sizeof buffer_, value).ptr - buffer_);
}

NumberText::NumberText(std::optional<double> value)
{
    if (value && std::isfinite(*value))
        size_ = std::size_t(std::to_chars(buffer_, buffer_ + sizeof buffer_, *value == 0 ? 0.0 : *value).ptr - buffer_);
}

}   // namespace rotavex
