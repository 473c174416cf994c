#include "spreadsheet_file.h"

#include "data_file_reader.h"
#include "failure_causes.h"
#include "file_replacement.h"
#include "spreadsheet_cells.h"
#include "valid_utf8.h"
#include "windows1252.h"

#include <charconv>
#include <cmath>
#include <csv.h>

namespace rotavex {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The file's text in UTF-8: UTF-8 where the bytes are, Windows-1252 where they are not.
std::string utf8Text(std::string_view bytes)
{
    if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        bytes.remove_prefix(ByteOrderMark.size());
    std::string text = validUtf8(bytes);
    return text == bytes ? text : utf8FromWindows1252(bytes);
}

// A field as the file means it: a line break inside quotes as "\n", without the
// apostrophe a spreadsheet file puts before a text that would read as a formula.
std::string fieldText(const char *bytes, std::size_t size)
{
    std::string field;
    field.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        if (bytes[i] == '\r' && i + 1 < size && bytes[i + 1] == '\n')
            continue;
        field += bytes[i] == '\r' ? '\n' : bytes[i];
    }
    if (startsWithFormulaGuard(field))
        field.erase(0, 1);
    return field;
}

// The rows of the text as split with one separator, with no empty rows, up to
// the first fault if there is one.
struct Splitting {
    char separator = ';';
    std::vector<SpreadsheetRow> rows;
    std::optional<SpreadsheetRefusal> fault;
};

// What libcsv's callbacks build: the row being read, and the line it began on.
struct RowsBeingRead {
    Splitting &splitting;
    std::vector<std::string> fields;
    int rowLine = 0;
    bool rowOpen = false;
};

void endField(void *bytes, std::size_t size, void *data)
{
    auto &reading = *static_cast<RowsBeingRead *>(data);
    reading.fields.push_back(size == 0 ? std::string() : fieldText(static_cast<const char *>(bytes), size));
}

void endRow(int, void *data)
{
    auto &reading = *static_cast<RowsBeingRead *>(data);
    while (!reading.fields.empty() && reading.fields.back().empty())
        reading.fields.pop_back();
    if (!reading.fields.empty())
        reading.splitting.rows.push_back({reading.rowLine, std::move(reading.fields)});
    reading.fields.clear();
    reading.rowOpen = false;
}

// Blanks are part of a field: none is trimmed.
int noBlank(unsigned char) { return 0; }

// libcsv stops where a quote breaks the rules: inside a field that did not
// begin with one, or followed by more text after it closed the field.
std::string quoteFault(std::string_view line, std::size_t stop)
{
    return stop < line.size() && line[stop] == '"' ? "comillas en medio de un campo sin comillas"
                                                   : "texto tras las comillas que cierran un campo";
}

// The text split with the separator. The text is fed to libcsv one physical
// line at a time (CR LF, LF or a lone CR ends one), so that each row knows the
// line it begins on however many lines its quoted fields span.
Splitting split(std::string_view text, char separator)
{
    Splitting splitting;
    splitting.separator = separator;
    RowsBeingRead reading{splitting, {}, 0, false};
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    csv_set_space_func(&parser, noBlank);
    int line = 1;
    for (std::size_t at = 0; at < text.size(); ++line) {
        const std::size_t lineEnd = std::min(text.find_first_of("\r\n", at), text.size());
        std::size_t next = lineEnd == text.size() ? lineEnd : lineEnd + 1;
        if (next < text.size() && text[lineEnd] == '\r' && text[next] == '\n')
            ++next;
        if (!reading.rowOpen && lineEnd > at) {
            reading.rowLine = line;
            reading.rowOpen = true;
        }
        const std::string_view chunk = text.substr(at, next - at);
        const std::size_t parsed = csv_parse(&parser, chunk.data(), chunk.size(), endField, endRow, &reading);
        if (parsed != chunk.size()) {
            splitting.fault = {line, csv_error(&parser) == CSV_EPARSE ? quoteFault(chunk, parsed)
                                                                      : "un campo demasiado largo"};
            break;
        }
        at = next;
    }
    if (!splitting.fault && csv_fini(&parser, endField, endRow, &reading) != 0)
        splitting.fault = {reading.rowLine, "comillas sin cerrar"};
    csv_free(&parser);
    return splitting;
}

// A first field that starts with '#'; it may be empty (";x").
bool isComment(const SpreadsheetRow &row) { return row.fields.front().rfind('#', 0) == 0; }

bool markFits(const Splitting &splitting, std::string_view mark)
{
    return !splitting.rows.empty() && splitting.rows.front().fields == std::vector<std::string>{std::string(mark)};
}

// Whether the separator splits the first row after the mark that begins with
// the first column's name into more than that name.
bool columnsFit(const Splitting &splitting, std::string_view columnsFirstField)
{
    for (std::size_t i = 1; i < splitting.rows.size(); ++i) {
        const SpreadsheetRow &row = splitting.rows[i];
        if (!isComment(row) && row.fields.front() == columnsFirstField)
            return row.fields.size() > 1;
    }
    return false;
}

SpreadsheetRefusal markRefusal(const Splitting &splitting, std::string_view mark)
{
    const std::string quoted = "«" + std::string(mark) + "»";
    if (splitting.rows.empty())
        return {0, "el fichero está vacío: le falta su primera línea, " + quoted};
    const SpreadsheetRow &first = splitting.rows.front();
    if (first.fields.front() != mark)
        return {first.line, "el fichero no empieza por " + quoted};
    return {first.line, quoted + " debe ir sola en su línea"};
}

// Why no separator fits: the mark missing, a fault in the quotes, or no row of
// column names.
SpreadsheetRefusal noColumnsRefusal(const std::vector<Splitting> &splittings, std::string_view mark,
                                    std::string_view columnsFirstField)
{
    const Splitting *best = &splittings.front();
    for (const Splitting &splitting : splittings)
        if (markFits(splitting, mark)) {
            best = &splitting;
            break;
        }
    if (best->fault && (best->rows.empty() || markFits(*best, mark)))
        return *best->fault;
    if (!markFits(*best, mark))
        return markRefusal(*best, mark);
    return {0, "falta la fila de los nombres de columna: «" + std::string(columnsFirstField)
                   + "» y los demás, separados por «;», «,» o tabuladores"};
}

bool isControl(std::string_view field, std::size_t i)
{
    const auto c = static_cast<unsigned char>(field[i]);
    if (c == '\t' || c == '\n')
        return false;
    const bool c1 = c == 0xC2 && i + 1 < field.size() && (static_cast<unsigned char>(field[i + 1]) & 0xE0) == 0x80;
    return c < 0x20 || c == 0x7F || c1;
}

// The first control character in a row's fields, on the line it stands on.
std::optional<SpreadsheetRefusal> controlRefusal(const SpreadsheetRow &row)
{
    int line = row.line;
    for (std::size_t f = 0; f < row.fields.size(); ++f)
        for (std::size_t i = 0; i < row.fields[f].size(); ++i) {
            if (row.fields[f][i] == '\n')
                ++line;
            else if (isControl(row.fields[f], i))
                return SpreadsheetRefusal{line, "un carácter de control en el campo " + std::to_string(f + 1)};
        }
    return std::nullopt;
}

}   // namespace

std::string refusalText(const SpreadsheetRefusal &refusal)
{
    return refusal.line == 0 ? refusal.what : "línea " + std::to_string(refusal.line) + ": " + refusal.what;
}

std::variant<SpreadsheetFile, SpreadsheetRefusal> readSpreadsheetFile(std::string_view bytes, std::string_view mark,
                                                                      std::string_view columnsFirstField)
{
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")
        return SpreadsheetRefusal{0, "el fichero está en UTF-16: guárdelo como CSV en UTF-8"};
    const std::string text = utf8Text(bytes);
    std::vector<Splitting> splittings;
    const Splitting *chosen = nullptr;
    for (char separator : {';', ',', '\t'}) {
        splittings.push_back(split(text, separator));
        if (columnsFit(splittings.back(), columnsFirstField)) {
            chosen = &splittings.back();
            break;
        }
    }
    if (!chosen)
        return noColumnsRefusal(splittings, mark, columnsFirstField);
    if (!markFits(*chosen, mark))
        return markRefusal(*chosen, mark);
    if (chosen->fault)
        return *chosen->fault;
    SpreadsheetFile file;
    file.separator = chosen->separator;
    for (std::size_t i = 1; i < chosen->rows.size(); ++i) {
        const SpreadsheetRow &row = chosen->rows[i];
        if (isComment(row))
            continue;
        if (auto refusal = controlRefusal(row))
            return *refusal;
        file.rows.push_back(row);
    }
    return file;
}

std::optional<double> spreadsheetNumber(std::string_view field, char separator)
{
    const std::size_t first = field.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    field = field.substr(first, field.find_last_not_of(" \t") - first + 1);
    // The number rewritten as from_chars reads it: no '+', a decimal point.
    std::string number;
    std::size_t i = 0;
    const auto at = [&](std::string_view chars) {
        return i < field.size() && chars.find(field[i]) != std::string_view::npos;
    };
    const auto sign = [&] {
        if (at("+-") && field[i++] == '-')
            number += '-';
    };
    const auto digits = [&] {
        const std::size_t start = i;
        while (at("0123456789"))
            number += field[i++];
        return i - start;
    };
    sign();
    std::size_t mantissaDigits = digits();
    if (at(separator == ',' ? "." : ".,")) {
        number += '.';
        ++i;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (at("eE")) {
        number += 'e';
        ++i;
        sign();
        if (digits() == 0)
            return std::nullopt;
    }
    if (i != field.size())
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string spreadsheetFileBytes(std::string_view mark, const std::vector<std::vector<SpreadsheetCell>> &rows)
{
    const CsvStyle style = spreadsheetCsvStyle(",");
    std::string out(style.byteOrderMark ? ByteOrderMark : std::string_view());
    appendSpreadsheetText(out, mark, style);
    out += style.lineEnd;
    for (const std::vector<SpreadsheetCell> &row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                out += style.fieldSeparator;
            if (const auto *text = std::get_if<std::string>(&row[i])) {
                appendSpreadsheetText(out, *text, style);
            } else if (const double number = std::get<double>(row[i]); std::isfinite(number)) {
                // Never with an exponent: a spreadsheet gives a cell it reads as "1,2345e-07"
                // a format of three figures, and saves it back as "1,23E-07". Room for the
                // longest, the smallest denormal's 324 decimals.
                char written[400];
                const auto end = std::to_chars(written, written + sizeof written, number, std::chars_format::fixed).ptr;
                appendCsvNumber(out, std::string_view(written, end - written), style);
            }
        }
        out += style.lineEnd;
    }
    return out;
}

SpreadsheetFileBytes readSpreadsheetFileFromDisk(const std::string &path, std::size_t largest,
                                                 std::string_view tooLarge)
{
    DataFileBytes read = readDataFileFromDisk(path, largest);
    if (read.failure)
        return {std::nullopt, readFailureText(read)};
    if (read.bytes.size() > largest)
        return {std::nullopt, std::string(tooLarge)};
    return {std::move(read.bytes), {}};
}

std::optional<std::string> replaceSpreadsheetFile(const std::string &path, const std::string &bytes)
{
    const FileReplacement replacement = replaceFileContents(path, bytes);
    if (!replacement.replaced)
        return saveFailureText(replacement);
    return std::nullopt;
}

}   // namespace rotavex
