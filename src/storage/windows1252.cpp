#include "windows1252.h"

#include <array>
#include <cstdint>

namespace rotavex {

namespace {

// 0x80..0x9F; the five bytes Windows leaves undefined map to the C1 controls.
constexpr std::array<char32_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t decodeByte(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F)
        return high[b - 0x80];
    return b;
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

char encodeChar(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < high.size(); ++i)
        if (high[i] == c)
            return char(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at s[i], advancing i; a malformed one yields U+FFFD.
char32_t nextCodePoint(std::string_view s, std::size_t &i)
{
    const unsigned char lead = s[i++];
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return 0xFFFD;
        c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return c;
}

}   // namespace

std::string utf8FromWindows1252(std::string_view bytes)
{
    // ASCII is the same in both, and a data file's items are nearly all ASCII.
    std::size_t ascii = 0;
    while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80)
        ++ascii;
    std::string out(bytes.substr(0, ascii));
    for (unsigned char b : bytes.substr(ascii))
        appendUtf8(out, decodeByte(b));
    return out;
}

std::string windows1252FromUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
        out += encodeChar(nextCodePoint(text, i));
    return out;
}

}   // namespace rotavex
