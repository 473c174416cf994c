// Whatever the fields hold, saving and loading again gives every field back
// item for item: the same text, as the file can hold it and as loading checks
// it, the same class and the same service mode.

#include "fuzz_rules.h"

#include "entry/field_check.h"
#include "model/switch_groups.h"
#include "storage/data_file.h"
#include "storage/windows1252.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace rotavex;

namespace {

// The input: a class byte, two bytes of switches and service mode, then the
// sixteen field texts separated by NUL bytes.
struct Fields {
    Workspace ws;
    FieldTexts texts;
};

Fields fieldsFrom(std::string_view bytes)
{
    Fields f;
    const auto byte = [&](std::size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u; };
    f.ws.BusClass = static_cast<int16_t>(static_cast<signed char>(byte(0)));
    const unsigned bits = byte(1) | (byte(2) << 8);
    f.ws.ServiceMode = bits & 1;
    for (std::size_t s = 0; s < SwitchCount; ++s)
        f.ws.switches[static_cast<Switch>(s)] = bits & (2u << s);
    std::string_view rest = bytes.size() > 3 ? bytes.substr(3) : std::string_view();
    for (Input input : AllInputs) {
        const std::size_t end = rest.find('\0');
        f.texts[input] = std::string(rest.substr(0, end).substr(0, MaxFieldTextLength));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return f;
}

// A field text as the file holds it: Windows-1252, a quotation mark as an apostrophe.
std::string asSaved(std::string text)
{
    for (char &c : text)
        if (c == '"')
            c = '\'';
    return utf8FromWindows1252(windows1252FromUtf8(text));
}

std::string asLoaded(const std::string &text) { return CheckNumericField(asSaved(text), false).text; }

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Fields saved = fieldsFrom(std::string_view(reinterpret_cast<const char *>(data), size));
    const auto content = readDataFile(writeDataFile(saved.ws, saved.texts));
    FUZZ_REQUIRE(content.has_value());

    // Loaded with every switch off, into fields that show something else.
    Workspace ws;
    FieldTexts texts;
    for (Input input : AllInputs)
        texts[input] = "?";
    applyDataFile(*content, ws, texts);
    FUZZ_REQUIRE(ws.BusClass == saved.ws.BusClass);
    FUZZ_REQUIRE(ws.ServiceMode == saved.ws.ServiceMode);

    for (const FileGroup &group : fileGroups()) {
        // A group saved on the observatory, or whose first text is the word
        // itself, comes back empty.
        const bool observatory = saved.ws.switches[group.sw]
                                 || asSaved(saved.texts[group.items.front()]) == ObservatoryText;
        for (Input input : group.items)
            FUZZ_REQUIRE(texts[input] == (observatory ? std::string() : asLoaded(saved.texts[input])));
    }
    for (Input trip : {Input::Km, Input::Horas, Input::Vacio})
        FUZZ_REQUIRE(texts[trip] == asLoaded(saved.texts[trip]));
    return 0;
}
