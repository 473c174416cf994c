#include "revision_file.h"

#include "entry/field_check.h"
#include "revision_formula.h"
#include "storage/data_file.h"
#include "storage/failure_causes.h"
#include "storage/spreadsheet_file.h"

#include <algorithm>
#include <variant>
#include <vector>

namespace rotavex {

namespace {

constexpr std::array<std::string_view, 5> HeaderKeys = {"Nombre", "Precio", "Beneficio", "Límite mano de obra",
                                                        "Factor de eficiencia"};

struct Refused {
    SpreadsheetRefusal refusal;
};

std::array<std::string *, 5> headerTexts(Revision &revision)
{
    return {&revision.name, &revision.price, &revision.profitPct, &revision.labourCapPct, &revision.efficiency};
}

class RevisionRows {
public:
    explicit RevisionRows(const SpreadsheetFile &file) : file_(file) {}

    Revision read()
    {
        auto row = file_.rows.begin();
        for (; row->fields.front() != RevisionColumnHeadings[0]; ++row)
            takeHeader(*row);
        takeColumns(*row);
        for (++row; row != file_.rows.end(); ++row)
            takeItem(*row);
        checkTerms();
        return revision_;
    }

private:
    void takeHeader(const SpreadsheetRow &row)
    {
        const std::string &key = row.fields.front();
        const auto found = std::find(HeaderKeys.begin(), HeaderKeys.end(), key);
        if (found == HeaderKeys.end())
            throw Refused{{row.line, quotedValue(key) + " no es una línea de una revisión de precios"}};
        const std::size_t index = std::size_t(found - HeaderKeys.begin());
        once(row, headerLines_[index]);
        if (row.fields.size() > 2)
            throw Refused{{row.line, key + ": sobran valores"}};
        *headerTexts(revision_)[index] = row.fields.size() > 1 ? row.fields[1] : std::string();
        if (index == 0 && !oneLine(revision_.name))
            throw Refused{{row.line, "el nombre tiene un salto de línea o un tabulador"}};
    }

    void takeColumns(const SpreadsheetRow &row)
    {
        for (std::size_t i = 1; i < row.fields.size(); ++i) {
            const auto found = std::find(RevisionColumnHeadings.begin() + 1, RevisionColumnHeadings.end(),
                                         row.fields[i]);
            if (found == RevisionColumnHeadings.end())
                throw Refused{{row.line, "la columna " + std::to_string(i + 1) + ", " + quotedValue(row.fields[i])
                                             + ", no es una columna de una revisión de precios"}};
            const std::size_t column = std::size_t(found - RevisionColumnHeadings.begin());
            if (std::find(columns_.begin(), columns_.end(), column) != columns_.end())
                throw Refused{{row.line, "la columna " + row.fields[i] + " aparece más de una vez"}};
            columns_.push_back(column);
        }
    }

    void takeItem(const SpreadsheetRow &row)
    {
        const auto &items = revisionItems();
        const auto found = std::find_if(items.begin(), items.end(),
                                        [&](const RevisionItem &item) { return item.label == row.fields.front(); });
        if (found == items.end())
            throw Refused{{row.line, quotedValue(row.fields.front()) + " no es una partida del coste"}};
        const std::size_t item = std::size_t(found - items.begin());
        once(row, itemLines_[item]);
        if (row.fields.size() > columns_.size() + 1)
            throw Refused{{row.line, row.fields.front() + ": sobran valores"}};
        RevisionRow &cells = revision_.rows[item];
        std::string *byColumn[] = {nullptr, &cells.weightPct, &cells.initialIndex, &cells.finalIndex};
        for (std::size_t i = 1; i < row.fields.size(); ++i)
            *byColumn[columns_[i - 1]] = row.fields[i];
    }

    void once(const SpreadsheetRow &row, int &line)
    {
        if (line)
            throw Refused{{row.line, row.fields.front() + " aparece más de una vez"}};
        line = row.line;
    }

    static bool oneLine(const std::string &text)
    {
        return std::none_of(text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n'; });
    }

    void checkTerms()
    {
        const RevisionTermsReading terms = readRevisionTerms(revision_);
        if (terms.terms)
            return;
        const RevisionPlace &place = terms.place;
        const int line = place.field == RevisionPlace::Row ? itemLines_[place.item] : headerLines_[place.field];
        throw Refused{{line, terms.refusal}};
    }

    const SpreadsheetFile &file_;
    Revision revision_;
    std::array<int, 5> headerLines_{};
    std::array<int, RevisionItemCount> itemLines_{};
    std::vector<std::size_t> columns_;   // of the row of column names, after Partida
};

SpreadsheetCell cellOf(const std::string &text)
{
    if (const std::optional<double> value = checkedFieldValue(text))
        return *value;
    return text;
}

}   // namespace

RevisionFileReading readRevisionFile(std::string_view bytes)
{
    const auto read = readSpreadsheetFile(bytes, RevisionFileMark, RevisionColumnHeadings[0]);
    if (const auto *refusal = std::get_if<SpreadsheetRefusal>(&read))
        return {std::nullopt, refusalText(*refusal)};
    try {
        return {RevisionRows(std::get<SpreadsheetFile>(read)).read(), {}};
    } catch (const Refused &refused) {
        return {std::nullopt, refusalText(refused.refusal)};
    }
}

std::string revisionFileBytes(const Revision &revision)
{
    std::vector<std::vector<SpreadsheetCell>> rows;
    Revision copy = revision;
    const auto texts = headerTexts(copy);
    for (std::size_t i = 0; i < HeaderKeys.size(); ++i)
        rows.push_back({std::string(HeaderKeys[i]), i == 0 ? SpreadsheetCell(*texts[i]) : cellOf(*texts[i])});
    rows.push_back({});
    for (std::string_view heading : RevisionColumnHeadings)
        rows.back().emplace_back(std::string(heading));
    for (std::size_t item = 0; item < RevisionItemCount; ++item) {
        const RevisionRow &row = revision.rows[item];
        rows.push_back({std::string(revisionItems()[item].label), cellOf(row.weightPct), cellOf(row.initialIndex),
                        cellOf(row.finalIndex)});
    }
    return spreadsheetFileBytes(RevisionFileMark, rows);
}

RevisionFileReading loadRevisionFile(const std::string &path)
{
    const SpreadsheetFileBytes read = readSpreadsheetFileFromDisk(path, MaxDataFileBytes,
                                                                  "es demasiado grande para una revisión de precios");
    if (!read.bytes)
        return {std::nullopt, read.refusal};
    return readRevisionFile(*read.bytes);
}

std::optional<std::string> saveRevisionFile(const std::string &path, const Revision &revision)
{
    return replaceSpreadsheetFile(path, revisionFileBytes(revision));
}

}   // namespace rotavex
