#include "reference_file.h"

#include "reference_values.h"

#include "storage/data_file.h"
#include "storage/failure_causes.h"
#include "storage/spreadsheet_file.h"

#include <algorithm>
#include <array>
#include <variant>

namespace rotavex {

namespace {

constexpr std::string_view NameKey = "Nombre";
constexpr std::string_view ColumnsKey = "Concepto";

bool isPrintableName(const std::string &name)
{
    return std::none_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

struct Refused {
    SpreadsheetRefusal refusal;
};

class ReferenceRows {
public:
    explicit ReferenceRows(const SpreadsheetFile &file) : file_(file) {}

    ReferenceSet read()
    {
        for (const SpreadsheetRow &row : file_.rows)
            take(row);
        if (!named_)
            throw Refused{{0, "falta la fila " + std::string(NameKey) + " con el nombre de los valores"}};
        if (!headed_)
            throw Refused{{0, "falta la fila " + std::string(ColumnsKey) + " con las cuatro clases"}};
        for (const ReferenceQuantity &quantity : referenceQuantities())
            if (!seen_[std::size_t(quantity.quantity)])
                throw Refused{{0, "falta la fila " + std::string(quantity.key)}};
        return set_;
    }

private:
    void take(const SpreadsheetRow &row)
    {
        const std::string &key = row.fields.front();
        if (key == NameKey)
            return takeName(row);
        if (key == ColumnsKey)
            return takeColumns(row);
        for (const ReferenceQuantity &quantity : referenceQuantities())
            if (key == quantity.key)
                return takeQuantity(row, quantity);
        throw Refused{{row.line, quotedValue(key) + " no es un concepto de los valores de referencia"}};
    }

    void once(const SpreadsheetRow &row, bool &seen)
    {
        if (seen)
            throw Refused{{row.line, row.fields.front() + " aparece más de una vez"}};
        seen = true;
    }

    void fields(const SpreadsheetRow &row, std::size_t count)
    {
        if (row.fields.size() < count)
            throw Refused{{row.line, row.fields.front() + ": faltan valores"}};
        if (row.fields.size() > count)
            throw Refused{{row.line, row.fields.front() + ": sobran valores"}};
    }

    void takeName(const SpreadsheetRow &row)
    {
        once(row, named_);
        if (row.fields.size() < 2 || row.fields[1].empty())
            throw Refused{{row.line, "el nombre está vacío"}};
        fields(row, 2);
        if (!isPrintableName(row.fields[1]))
            throw Refused{{row.line, "el nombre tiene un salto de línea o un carácter de control"}};
        set_.name = row.fields[1];
    }

    void takeColumns(const SpreadsheetRow &row)
    {
        once(row, headed_);
        fields(row, 5);
        for (int busClass = 1; busClass <= 4; ++busClass)
            if (row.fields[std::size_t(busClass)] != classHeading(busClass))
                throw Refused{{row.line, "la columna " + std::to_string(busClass + 1) + " debe ser «"
                                             + classHeading(busClass) + "»"}};
    }

    void takeQuantity(const SpreadsheetRow &row, const ReferenceQuantity &quantity)
    {
        once(row, seen_[std::size_t(quantity.quantity)]);
        fields(row, 5);
        for (int busClass = 1; busClass <= 4; ++busClass) {
            const std::string &field = row.fields[std::size_t(busClass)];
            const std::string where = std::string(quantity.key) + ", clase " + std::to_string(busClass) + ": ";
            const std::optional<double> value = spreadsheetNumber(field, file_.separator);
            if (!value)
                throw Refused{{row.line, where + quotedValue(field) + " no es un número"}};
            if (const std::optional<std::string> refusal = quantityRefusal(quantity.quantity, *value))
                throw Refused{{row.line, where + quotedValue(field) + " " + *refusal}};
            setQuantityValue(set_.classes[std::size_t(busClass - 1)], quantity.quantity, *value);
        }
    }

    const SpreadsheetFile &file_;
    ReferenceSet set_{};
    bool named_ = false, headed_ = false;
    std::array<bool, QuantityCount> seen_{};
};

}   // namespace

ReferenceFileReading readReferenceFile(std::string_view bytes)
{
    const auto read = readSpreadsheetFile(bytes, ReferenceFileMark, ColumnsKey);
    if (const auto *refusal = std::get_if<SpreadsheetRefusal>(&read))
        return {std::nullopt, refusalText(*refusal)};
    try {
        return {ReferenceRows(std::get<SpreadsheetFile>(read)).read(), {}};
    } catch (const Refused &refused) {
        return {std::nullopt, refusalText(refused.refusal)};
    }
}

std::string referenceFileBytes(const ReferenceSet &set)
{
    std::vector<std::vector<SpreadsheetCell>> rows;
    rows.push_back({std::string(NameKey), set.name});
    std::vector<SpreadsheetCell> columns{std::string(ColumnsKey)};
    for (int busClass = 1; busClass <= 4; ++busClass)
        columns.emplace_back(classHeading(busClass));
    rows.push_back(columns);
    for (const ReferenceQuantity &quantity : referenceQuantities()) {
        std::vector<SpreadsheetCell> row{std::string(quantity.key)};
        for (const ObservatoryValues &values : set.classes)
            row.emplace_back(quantityValue(values, quantity.quantity));
        rows.push_back(row);
    }
    return spreadsheetFileBytes(ReferenceFileMark, rows);
}

ReferenceFileReading loadReferenceFile(const std::string &path)
{
    const SpreadsheetFileBytes read = readSpreadsheetFileFromDisk(
        path, MaxDataFileBytes, "es demasiado grande para un fichero de valores de referencia");
    if (!read.bytes)
        return {std::nullopt, read.refusal};
    return readReferenceFile(*read.bytes);
}

std::optional<std::string> saveReferenceFile(const std::string &path, const ReferenceSet &set)
{
    return replaceSpreadsheetFile(path, referenceFileBytes(set));
}

}   // namespace rotavex
