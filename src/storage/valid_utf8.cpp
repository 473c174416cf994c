#include "valid_utf8.h"

namespace rotavex {

namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";

struct SequenceShape {
    std::size_t length;   // 0: the byte cannot start a character
    unsigned char secondLow, secondHigh;
};

// The second byte's range rules out overlong forms (E0, F0), surrogates (ED)
// and code points past U+10FFFF (F4); later bytes are any continuation byte.
SequenceShape shapeOf(unsigned char lead)
{
    if (lead < 0x80)
        return {1, 0, 0};
    if (lead >= 0xC2 && lead <= 0xDF)
        return {2, 0x80, 0xBF};
    if (lead == 0xE0)
        return {3, 0xA0, 0xBF};
    if (lead == 0xED)
        return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF)
        return {3, 0x80, 0xBF};
    if (lead == 0xF0)
        return {4, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3)
        return {4, 0x80, 0xBF};
    if (lead == 0xF4)
        return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

bool isContinuation(unsigned char b) { return b >= 0x80 && b <= 0xBF; }

struct Sequence {
    std::size_t length;
    bool wellFormed;
};

// The sequence s starts with: one whole character, or the bytes to replace
// by a single U+FFFD (the lead and the continuation bytes that could still
// have belonged to it).
Sequence firstSequence(std::string_view s)
{
    const SequenceShape shape = shapeOf(static_cast<unsigned char>(s[0]));
    if (shape.length == 0)
        return {1, false};
    std::size_t taken = 1;
    for (; taken < shape.length && taken < s.size(); ++taken) {
        const auto b = static_cast<unsigned char>(s[taken]);
        const bool fits = taken == 1 ? (b >= shape.secondLow && b <= shape.secondHigh) : isContinuation(b);
        if (!fits)
            return {taken, false};
    }
    return {taken, taken == shape.length};
}

}   // namespace

std::string validUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const Sequence sequence = firstSequence(bytes);
        out += sequence.wellFormed ? bytes.substr(0, sequence.length) : ReplacementCharacter;
        bytes.remove_prefix(sequence.length);
    }
    return out;
}

}   // namespace rotavex
