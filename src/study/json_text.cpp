#include "json_text.h"

#include "storage/valid_utf8.h"

#include <cstdio>

namespace rotavex {

// A terminal acts on C0 and C1 control characters alike, so both are
// escaped, as is DEL.
void appendJsonString(std::string &out, std::string_view s)
{
    out += '"';
    const std::string text = validUtf8(s);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        unsigned control = c < 0x20 || c == 0x7f ? c : 0x100;
        if (c == 0xc2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xa0)
            control = static_cast<unsigned char>(text[++i]);   // U+0080 to U+009F
        if (control < 0x100) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", control);
            out += buffer;
            continue;
        }
        if (c == '"' || c == '\\')
            out += '\\';
        out += char(c);
    }
    out += '"';
}

void appendJsonKey(std::string &out, std::string_view separator, std::string_view name)
{
    out += separator;
    out += '"';
    out += name;
    out += "\":";
}

void appendJsonFlag(std::string &out, std::string_view separator, bool flag)
{
    out += separator;
    out += flag ? "true" : "false";
}

void appendJsonNumber(std::string &out, const NumberText &number)
{
    out += number.empty() ? std::string_view("null") : number.text();
}

}   // namespace rotavex
