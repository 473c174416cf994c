#include "lot_file.h"

#include "entry/field_check.h"
#include "lot_pricing.h"
#include "storage/failure_causes.h"
#include "storage/spreadsheet_file.h"

#include <algorithm>
#include <variant>

namespace rotavex {

namespace {

constexpr std::string_view NameKey = "Nombre";
constexpr std::string_view YearsKey = "Años";
constexpr std::string_view ProfitKey = "Beneficio";
constexpr std::string_view VatKey = "IVA";

constexpr std::array<LotColumn, 6> NeededColumns = {LotColumn::Name,  LotColumn::BusClass, LotColumn::Km,
                                                    LotColumn::Vacio, LotColumn::Horas,    LotColumn::PerYear};

bool holdsNumber(LotColumn column) { return column != LotColumn::Name && column != LotColumn::DataFile; }

// A tab or a line break in a cell would not come back as it went: the
// window's cells and the file's lines hold one line of text each.
bool isOneLine(const std::string &text)
{
    return std::none_of(text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n'; });
}

struct Refused {
    SpreadsheetRefusal refusal;
};

class LotRows {
public:
    explicit LotRows(const SpreadsheetFile &file) : file_(file) {}

    Lot read()
    {
        auto row = file_.rows.begin();
        for (; row != file_.rows.end() && row->fields.front() != lotColumnHeading(LotColumn::Name); ++row)
            takeHeader(*row);
        // The reader found the row of column names, or it would have refused.
        takeColumns(*row);
        for (++row; row != file_.rows.end(); ++row)
            takeService(*row);
        if (!lines_[0])
            throw Refused{{0, "falta la línea " + std::string(NameKey) + " con el nombre del lote"}};
        if (!lines_[1])
            throw Refused{{0, "falta la línea " + std::string(YearsKey) + " con los años del contrato"}};
        checkTerms();
        return lot_;
    }

private:
    void takeHeader(const SpreadsheetRow &row)
    {
        static constexpr std::array<std::string_view, 4> keys = {NameKey, YearsKey, ProfitKey, VatKey};
        const std::string &key = row.fields.front();
        const auto found = std::find(keys.begin(), keys.end(), key);
        if (found == keys.end())
            throw Refused{{row.line, quotedValue(key) + " no es una línea de un lote de servicios"}};
        int &line = lines_[std::size_t(found - keys.begin())];
        if (line)
            throw Refused{{row.line, key + " aparece más de una vez"}};
        line = row.line;
        if (row.fields.size() > 2)
            throw Refused{{row.line, key + ": sobran valores"}};
        const std::string value = row.fields.size() > 1 ? row.fields[1] : std::string();
        if (!isOneLine(value))
            throw Refused{{row.line, key + ": el valor tiene un salto de línea o un tabulador"}};
        std::string *terms[] = {&lot_.name, &lot_.years, &lot_.profitPct, &lot_.vatPct};
        *terms[found - keys.begin()] = value;
    }

    void takeColumns(const SpreadsheetRow &row)
    {
        for (std::size_t i = 0; i < row.fields.size(); ++i) {
            const std::string &heading = row.fields[i];
            const auto column = columnNamed(heading);
            if (!column)
                throw Refused{{row.line, "la columna " + std::to_string(i + 1) + ", " + quotedValue(heading)
                                             + ", no es una columna de un lote de servicios"}};
            if (std::find(columns_.begin(), columns_.end(), *column) != columns_.end())
                throw Refused{{row.line, "la columna " + heading + " aparece más de una vez"}};
            columns_.push_back(*column);
        }
        for (LotColumn needed : NeededColumns)
            if (std::find(columns_.begin(), columns_.end(), needed) == columns_.end())
                throw Refused{{row.line, "falta la columna " + std::string(lotColumnHeading(needed))}};
    }

    static std::optional<LotColumn> columnNamed(const std::string &heading)
    {
        for (std::size_t i = 0; i < LotColumnCount; ++i)
            if (heading == lotColumnHeading(LotColumn(i)))
                return LotColumn(i);
        return std::nullopt;
    }

    void takeService(const SpreadsheetRow &row)
    {
        if (row.fields.size() > columns_.size())
            throw Refused{{row.line, "la fila tiene " + std::to_string(row.fields.size()) + " campos y el lote "
                                         + std::to_string(columns_.size()) + " columnas"}};
        LotService service;
        service.line = row.line;
        for (std::size_t i = 0; i < row.fields.size(); ++i) {
            if (!isOneLine(row.fields[i]))
                throw Refused{{row.line, std::string(lotColumnHeading(columns_[i]))
                                             + ": el valor tiene un salto de línea o un tabulador"}};
            service[columns_[i]] = row.fields[i];
        }
        lot_.services.push_back(std::move(service));
    }

    // The terms are the lot's own: a lot with a wrong one is no lot.
    void checkTerms()
    {
        const LotTermsReading terms = readLotTerms(lot_);
        if (terms.terms)
            return;
        throw Refused{{lines_[std::size_t(terms.wrongTerm)], terms.refusal}};
    }

    const SpreadsheetFile &file_;
    Lot lot_;
    std::array<int, 4> lines_{};   // the line of each header: name, years, profit, VAT
    std::vector<LotColumn> columns_;
};

SpreadsheetCell cellOf(const std::string &text, bool number)
{
    if (number)
        if (const std::optional<double> value = checkedFieldValue(text))
            return *value;
    return text;
}

}   // namespace

LotFileReading readLotFile(std::string_view bytes)
{
    const auto read = readSpreadsheetFile(bytes, LotFileMark, lotColumnHeading(LotColumn::Name));
    if (const auto *refusal = std::get_if<SpreadsheetRefusal>(&read))
        return {std::nullopt, refusalText(*refusal)};
    try {
        return {LotRows(std::get<SpreadsheetFile>(read)).read(), {}};
    } catch (const Refused &refused) {
        return {std::nullopt, refusalText(refused.refusal)};
    }
}

std::string lotFileBytes(const Lot &lot)
{
    std::vector<std::vector<SpreadsheetCell>> rows;
    rows.push_back({std::string(NameKey), lot.name});
    rows.push_back({std::string(YearsKey), cellOf(lot.years, true)});
    rows.push_back({std::string(ProfitKey), cellOf(lot.profitPct, true)});
    rows.push_back({std::string(VatKey), cellOf(lot.vatPct, true)});
    std::vector<SpreadsheetCell> headings;
    for (std::size_t i = 0; i < LotColumnCount; ++i)
        headings.emplace_back(std::string(lotColumnHeading(LotColumn(i))));
    rows.push_back(std::move(headings));
    for (const LotService &service : lot.services) {
        std::vector<SpreadsheetCell> row;
        for (std::size_t i = 0; i < LotColumnCount; ++i)
            row.push_back(cellOf(service.cells[i], holdsNumber(LotColumn(i))));
        rows.push_back(std::move(row));
    }
    return spreadsheetFileBytes(LotFileMark, rows);
}

LotFileReading loadLotFile(const std::string &path)
{
    const SpreadsheetFileBytes read = readSpreadsheetFileFromDisk(path, MaxLotFileBytes,
                                                                  "es demasiado grande para un lote de servicios");
    if (!read.bytes)
        return {std::nullopt, read.refusal};
    return readLotFile(*read.bytes);
}

std::optional<std::string> saveLotFile(const std::string &path, const Lot &lot)
{
    return replaceSpreadsheetFile(path, lotFileBytes(lot));
}

}   // namespace rotavex
