// A field's text, whatever it holds, is read by the reading rule as an
// independent reading of the same rule would read it; the number test agrees
// with an independent grammar; and the field check leaves only an empty text
// or a non-negative number written with a point, which a second check keeps.

#include "fuzz_rules.h"

#include "entry/field_check.h"
#include "model/field_number.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

using namespace rotavex;

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The reading rule, read another way: blanks anywhere in the number are
// passed over, so drop them all, take the longest leading match of the
// number's grammar and let the C library convert it.
double referenceReading(const std::string &text)
{
    std::string compact;
    for (char c : text)
        if (!isBlank(c))
            compact += c;
    static const std::regex leadingNumber(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
    std::smatch match;
    if (!std::regex_search(compact, match, leadingNumber))
        return 0;
    return std::strtod(match.str(0).c_str(), nullptr);
}

// The number test, read another way: the whole text, blanks and tabs around
// it allowed, is one number with "," or "." as its separator, small enough to hold.
bool referenceNumberTest(const std::string &text)
{
    static const std::regex wholeNumber(R"(^[ \t]*[+-]?(\d+[.,]?\d*|[.,]\d+)([eE][+-]?\d+)?[ \t]*$)");
    if (!std::regex_match(text, wholeNumber))
        return false;
    std::string pointed = text;
    for (char &c : pointed)
        if (c == ',')
            c = '.';
    return std::isfinite(std::strtod(pointed.c_str(), nullptr));
}

bool sameReading(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

void checkUnlockedField(const std::string &text)
{
    const FieldCheckOutcome outcome = CheckNumericField(text, false);
    if (!outcome.text.empty()) {
        FUZZ_REQUIRE(isNumberText(outcome.text));
        FUZZ_REQUIRE(outcome.text.find(',') == std::string::npos);
        FUZZ_REQUIRE(!(ReadFieldNumber(outcome.text) < 0));
    }
    // Without a message the text is kept, its decimal comma now a point, and
    // it reads as the number the user typed.
    if (!outcome.message) {
        FUZZ_REQUIRE(outcome.text == NormaliseDecimalComma(text));
        FUZZ_REQUIRE(sameReading(ReadFieldNumber(outcome.text), ReadFieldNumber(NormaliseDecimalComma(text))));
    } else {
        FUZZ_REQUIRE(outcome.text.empty());
    }
    const FieldCheckOutcome again = CheckNumericField(outcome.text, false);
    FUZZ_REQUIRE(again.text == outcome.text && !again.message);
}

void checkLockedField(const std::string &text)
{
    const FieldCheckOutcome outcome = CheckNumericField(text, true);
    const bool negative = ReadFieldNumber(NormaliseDecimalComma(text)) < 0;
    FUZZ_REQUIRE(outcome.text == (negative ? std::string() : text));
    FUZZ_REQUIRE(bool(outcome.message) == negative);
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Field texts are short; the regular expressions above recurse per character.
    if (size > 1024)
        return 0;
    const std::string text(reinterpret_cast<const char *>(data), size);
    FUZZ_REQUIRE(sameReading(ReadFieldNumber(text), referenceReading(text)));
    FUZZ_REQUIRE(isNumberText(text) == referenceNumberTest(text));
    checkUnlockedField(text);
    checkLockedField(text);
    return 0;
}
