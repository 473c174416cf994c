#include "data_file.h"

#include "entry/field_check.h"
#include "windows1252.h"

#include <charconv>
#include <set>

namespace rotavex {

namespace {

constexpr std::string_view LineEnd = "\r\n";

// A quotation mark would end the item early, and merely leaving it out would
// join the digits around it ("12\"5", read as 12, would come back as 125).
// An apostrophe stops the reading rule where the quotation mark did.
std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (char c : windows1252FromUtf8(text))
        out += c == '"' ? '\'' : c;
    return out + "\"";
}

// Items of the file, split by commas and line ends; a quoted item runs to its
// closing quotation mark.
class Tokenizer {
public:
    explicit Tokenizer(std::string_view bytes) : s_(bytes) {}

    struct Token {
        std::string_view text;   // within the bytes
        bool quoted;
    };

    std::optional<Token> next()
    {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t'))
            ++pos_;
        if (pos_ >= s_.size())
            return std::nullopt;
        Token token{{}, false};
        if (s_[pos_] == '"') {
            token.quoted = true;
            const std::size_t close = s_.find('"', pos_ + 1);
            const std::size_t end = close == std::string_view::npos ? s_.size() : close;
            token.text = s_.substr(pos_ + 1, end - pos_ - 1);
            pos_ = end == s_.size() ? end : end + 1;
            skipToDelimiter();
        } else {
            const std::size_t start = pos_;
            while (pos_ < s_.size() && !isDelimiter(s_[pos_]))
                ++pos_;
            std::string_view raw = s_.substr(start, pos_ - start);
            while (!raw.empty() && (raw.back() == ' ' || raw.back() == '\t'))
                raw.remove_suffix(1);
            token.text = raw;
        }
        consumeDelimiter();
        return token;
    }

private:
    static bool isDelimiter(char c) { return c == ',' || c == '\r' || c == '\n'; }

    void skipToDelimiter()
    {
        while (pos_ < s_.size() && !isDelimiter(s_[pos_]))
            ++pos_;
    }

    void consumeDelimiter()
    {
        if (pos_ >= s_.size())
            return;
        if (s_[pos_] == '\r') {
            ++pos_;
            if (pos_ < s_.size() && s_[pos_] == '\n')
                ++pos_;
        } else {
            ++pos_;
        }
    }

    std::string_view s_;
    std::size_t pos_ = 0;
};

std::optional<int16_t> wholeNumber(std::string_view text)
{
    int value = 0;
    const char *begin = text.data();
    const char *end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || ptr != end || value < INT16_MIN || value > INT16_MAX)
        return std::nullopt;
    return static_cast<int16_t>(value);
}

std::optional<bool> flag(const Tokenizer::Token &token)
{
    if (token.quoted)
        return std::nullopt;
    if (token.text == "#TRUE#")
        return true;
    if (token.text == "#FALSE#")
        return false;
    return std::nullopt;
}

std::optional<std::string> textItem(const std::optional<Tokenizer::Token> &token)
{
    if (!token)
        return std::nullopt;
    return utf8FromWindows1252(token->text);
}

// The text as the field would keep it after the user left it. A text longer
// than a field holds would be cut short there, and a cut number is another
// number: it is refused like any text the check refuses.
std::string checkedText(const std::string &text)
{
    if (text.size() > MaxFieldTextLength)
        return {};
    return CheckNumericField(text, false).text;
}

void applyText(const std::optional<std::string> &item, std::string &field)
{
    if (item)
        field = checkedText(*item);
}

}   // namespace

const std::vector<FileGroup> &fileGroups()
{
    static const std::vector<FileGroup> groups = [] {
        std::vector<FileGroup> lines;
        for (Switch sw : {Switch::Driver, Switch::General, Switch::Fuel, Switch::Insurance, Switch::Tyres,
                          Switch::AnnualKm, Switch::Vehicle, Switch::Financing, Switch::Maintenance}) {
            FileGroup &line = lines.emplace_back(FileGroup{sw, switchFields(sw)});
            // The general costs' line holds their percentage twice.
            if (sw == Switch::General)
                line.items.push_back(Input::Cosgen);
        }
        return lines;
    }();
    return groups;
}

std::string writeDataFile(const StudyChoices &ws, const FieldTexts &texts)
{
    std::string out;
    out += quoted(DataFileMark);
    out += LineEnd;
    out += std::to_string(ws.BusClass);
    out += LineEnd;
    for (const FileGroup &group : fileGroups()) {
        const bool observatory = ws.switches[group.sw];
        for (std::size_t i = 0; i < group.items.size(); ++i) {
            if (i > 0)
                out += ',';
            out += quoted(observatory ? ObservatoryText : std::string_view(texts[group.items[i]]));
        }
        out += LineEnd;
    }
    out += ws.ServiceMode ? "#TRUE#" : "#FALSE#";
    out += LineEnd;
    for (Input trip : {Input::Km, Input::Horas, Input::Vacio}) {
        out += quoted(texts[trip]);
        out += LineEnd;
    }
    return out;
}

std::optional<DataFileContent> readDataFile(std::string_view bytes)
{
    if (bytes.size() > MaxDataFileBytes)
        return std::nullopt;
    Tokenizer tokens(bytes);
    const auto mark = tokens.next();
    if (!mark || mark->text != DataFileMark)
        return std::nullopt;

    DataFileContent content;
    if (const auto busClass = tokens.next())
        content.busClass = wholeNumber(busClass->text);
    content.groups.reserve(fileGroups().size());
    for (const FileGroup &group : fileGroups()) {
        auto &items = content.groups.emplace_back();
        items.reserve(group.items.size());
        for (std::size_t i = 0; i < group.items.size(); ++i)
            items.push_back(textItem(tokens.next()));
    }
    if (const auto mode = tokens.next())
        content.serviceMode = flag(*mode);
    content.km = textItem(tokens.next());
    content.horas = textItem(tokens.next());
    content.vacio = textItem(tokens.next());
    return content;
}

std::vector<std::size_t> applyDataFile(const DataFileContent &content, StudyChoices &ws, FieldTexts &texts)
{
    std::vector<std::size_t> observatoryGroups;
    if (content.busClass)
        ws.BusClass = *content.busClass;
    for (std::size_t g = 0; g < fileGroups().size() && g < content.groups.size(); ++g) {
        const FileGroup &group = fileGroups()[g];
        const auto &items = content.groups[g];
        if (ws.switches[group.sw])
            continue;
        if (!items.empty() && items.front() == ObservatoryText) {
            observatoryGroups.push_back(g);
            for (Input field : group.items)
                texts[field].clear();
            continue;
        }
        // General costs stand twice in the file; the later item wins.
        for (std::size_t i = 0; i < group.items.size() && i < items.size(); ++i)
            applyText(items[i], texts[group.items[i]]);
    }
    if (content.serviceMode)
        ws.ServiceMode = *content.serviceMode;
    applyText(content.km, texts[Input::Km]);
    applyText(content.horas, texts[Input::Horas]);
    applyText(content.vacio, texts[Input::Vacio]);
    return observatoryGroups;
}

void applyDataFileWithObservatory(const DataFileContent &content, StudyChoices &ws, FieldTexts &texts)
{
    // Each button is pressed at most once, whichever of its groups comes
    // first: a second press would switch the first group off again.
    std::set<const SwitchGroup *> pressed;
    for (std::size_t g : applyDataFile(content, ws, texts)) {
        const Switch sw = fileGroups()[g].sw;
        for (const SwitchGroup &group : switchGroups())
            for (const SwitchPart &part : group.parts)
                if (part.sw == sw && pressed.insert(&group).second && !ws.switches[sw])
                    ToggleObservatorySource(ws, group, texts);
    }
}

}   // namespace rotavex
