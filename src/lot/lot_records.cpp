#include "lot_records.h"

#include "model/result_fields.h"
#include "study/json_text.h"
#include "study/record_numbers.h"

#include <vector>

namespace rotavex {

namespace {

// Where a record's fields go, in the order of its JSON object: the two
// forms are written from one description of each record, so that they
// always hold the same fields.
class FieldSink {
public:
    virtual void text(std::string_view key, std::string_view value) = 0;
    virtual void number(std::string_view key, const NumberText &value) = 0;
    virtual void flag(std::string_view key, bool value) = 0;
    // The eight items of an annual cost come between these two.
    virtual void openAnnual() = 0;
    virtual void closeAnnual() = 0;

protected:
    ~FieldSink() = default;
};

NumberText figure(double value) { return NumberText(std::optional<double>(value)); }

// The eight items under the names of their result fields, in the order the
// results are exported; each with its place in costItems().
struct AnnualItemField {
    const char *name;
    std::size_t item;
};

const std::vector<AnnualItemField> &annualItemFields()
{
    static const std::vector<AnnualItemField> fields = [] {
        std::vector<AnnualItemField> list;
        for (const ResultField &field : resultFields())
            for (std::size_t item = 0; item < costItems().size(); ++item)
                if (field.real && field.real == costItems()[item].total)
                    list.push_back({field.name, item});
        return list;
    }();
    return fields;
}

// The figures of one service, under the names of their result fields.
const std::vector<const ResultField *> &oneServiceFields()
{
    static const std::vector<const ResultField *> fields = [] {
        std::vector<const ResultField *> list;
        for (const ResultField &field : resultFields())
            for (std::string_view name : {"TotalKm", "ServiceHours", "ServiceTotal"})
                if (name == field.name)
                    list.push_back(&field);
        return list;
    }();
    return fields;
}

template <typename ItemValue> void describeAnnualItems(FieldSink &sink, ItemValue value)
{
    sink.openAnnual();
    for (const AnnualItemField &field : annualItemFields())
        sink.number(field.name, figure(value(field.item)));
    sink.closeAnnual();
}

// A refused service has only its name, line and reason.
void describeService(FieldSink &sink, const ServicePricing &service)
{
    sink.text("service", service.name);
    sink.number("line", figure(service.line));
    sink.flag("accepted", service.accepted());
    if (!service.accepted()) {
        sink.text("error", service.error);
        return;
    }
    sink.number("BusClass", figure(service.study.BusClass));
    sink.number("ServicesPerYear", figure(service.perYear));
    for (const ResultField *field : oneServiceFields())
        sink.number(field->name, NumberText(service.study, *field));
    sink.number("AnnualCost", figure(service.annualCost()));
    sink.number("AnnualKm", figure(service.annualKm()));
    sink.number("AnnualHours", figure(service.annualHours()));
    describeAnnualItems(sink, [&](std::size_t item) { return service.annualItem(item); });
    sink.number("OfferedPrice", NumberText(service.offer));
    sink.number("OfferDeviationPct", NumberText(service.offerDeviationPct));
    sink.flag("flagged", service.flagged);
}

void describeLot(FieldSink &sink, const Lot &lot, const LotPricing &pricing)
{
    const LotTotals &totals = pricing.totals;
    sink.text("lot", lot.name);
    sink.number("years", figure(pricing.terms.years));
    sink.number("services", figure(totals.priced));
    sink.number("refused", figure(totals.refused));
    sink.number("AnnualCost", figure(totals.annualCost));
    describeAnnualItems(sink, [&](std::size_t item) { return totals.annualItems[item]; });
    sink.number("AnnualKm", figure(totals.annualKm));
    sink.number("AnnualHours", figure(totals.annualHours));
    sink.number("Drivers", figure(totals.drivers));
    sink.number("ProfitPct", figure(pricing.terms.profitPct));
    sink.number("AnnualProfit", figure(totals.annualProfit));
    sink.number("AnnualBase", figure(totals.annualBase));
    sink.number("VatPct", figure(pricing.terms.vatPct));
    sink.number("AnnualVat", figure(totals.annualVat));
    sink.number("AnnualTotal", figure(totals.annualTotal));
    sink.number("TermTotal", figure(pricing.overTerm(totals.annualTotal)));
    sink.number("OfferedAnnual", NumberText(totals.offeredAnnual));
    sink.number("OfferDeviationPct", NumberText(totals.offerDeviationPct));
}

class JsonObject final : public FieldSink {
public:
    explicit JsonObject(std::string &out) : out_(out) {}

    void text(std::string_view key, std::string_view value) override
    {
        appendKey(key);
        appendJsonString(out_, value);
    }
    void number(std::string_view key, const NumberText &value) override
    {
        appendKey(key);
        appendJsonNumber(out_, value);
    }
    void flag(std::string_view key, bool value) override
    {
        appendKey(key);
        out_ += value ? "true" : "false";
    }
    void openAnnual() override
    {
        appendKey("annual");
        separator_ = "{";
    }
    void closeAnnual() override { closeObject(); }
    // Ends the object and its line.
    void close()
    {
        closeObject();
        out_ += '\n';
    }

private:
    void appendKey(std::string_view key)
    {
        appendJsonKey(out_, separator_, key);
        separator_ = ",";
    }
    void closeObject()
    {
        out_ += *separator_ == '{' ? "{}" : "}";
        separator_ = ",";
    }

    std::string &out_;
    const char *separator_ = "{";
};

// The CSV column of a key: the eight items of an annual cost are named with
// "Annual" before their result field's name.
bool isColumnOf(std::string_view column, bool annual, std::string_view key)
{
    constexpr std::string_view Prefix = "Annual";
    if (!annual)
        return column == key;
    return column.size() == Prefix.size() + key.size() && column.substr(0, Prefix.size()) == Prefix
           && column.substr(Prefix.size()) == key;
}

// The names of the CSV columns, as the records describe them: a service's
// fields (a refused one's, then an accepted one's), then those of the lot
// that a service lacks. A figure the lot shares with its services, such as
// AnnualCost, stands in the services' column, so that the lot's row is their
// totals.
class ColumnNames final : public FieldSink {
public:
    ColumnNames()
    {
        ServicePricing service;
        service.error = "-";
        describeService(*this, service);
        describeService(*this, ServicePricing());
        describeLot(*this, Lot(), LotPricing());
    }
    const std::vector<std::string> &names() const { return names_; }

    void text(std::string_view key, std::string_view) override { add(key); }
    void number(std::string_view key, const NumberText &) override { add(key); }
    void flag(std::string_view key, bool) override { add(key); }
    void openAnnual() override { annual_ = true; }
    void closeAnnual() override { annual_ = false; }

private:
    void add(std::string_view key)
    {
        for (const std::string &name : names_)
            if (isColumnOf(name, annual_, key))
                return;
        names_.push_back((annual_ ? "Annual" : "") + std::string(key));
    }

    std::vector<std::string> names_;
    bool annual_ = false;
};

const std::vector<std::string> &csvColumns()
{
    static const std::vector<std::string> columns = ColumnNames().names();
    return columns;
}

// One row: each field in its column, the others empty.
class CsvRow final : public FieldSink {
public:
    explicit CsvRow(const CsvStyle &style) : style_(style), cells_(csvColumns().size()) {}

    void text(std::string_view key, std::string_view value) override { appendCsvText(cellOf(key), value, style_); }
    void number(std::string_view key, const NumberText &value) override
    {
        appendCsvNumber(cellOf(key), value.text(), style_);
    }
    void flag(std::string_view key, bool value) override { cellOf(key) = value ? "true" : "false"; }
    void openAnnual() override { annual_ = true; }
    void closeAnnual() override { annual_ = false; }

    // Writes the row and empties it for the next.
    void appendTo(std::string &out)
    {
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            if (i > 0)
                out += style_.fieldSeparator;
            out += cells_[i];
            cells_[i].clear();
        }
        out += style_.lineEnd;
        next_ = 0;
    }

private:
    // A service's fields come in the order of the columns: the search starts
    // after the last column filled.
    std::string &cellOf(std::string_view key)
    {
        const std::vector<std::string> &columns = csvColumns();
        for (std::size_t tried = 0; tried < columns.size(); ++tried) {
            const std::size_t column = (next_ + tried) % columns.size();
            if (isColumnOf(columns[column], annual_, key)) {
                next_ = column + 1;
                return cells_[column];
            }
        }
        return unnamed_;   // every key has its column: ColumnNames made them from the same descriptions
    }

    const CsvStyle &style_;
    std::vector<std::string> cells_;
    std::string unnamed_;
    std::size_t next_ = 0;
    bool annual_ = false;
};

}   // namespace

// A lot whose terms were refused was not priced: it has no records.

void appendLotJson(std::string &out, const Lot &lot, const LotPricing &pricing)
{
    if (!pricing.priced())
        return;
    for (const ServicePricing &service : pricing.services) {
        JsonObject object(out);
        describeService(object, service);
        object.close();
    }
    JsonObject object(out);
    describeLot(object, lot, pricing);
    object.close();
}

void appendLotCsv(std::string &out, const Lot &lot, const LotPricing &pricing, const CsvStyle &style)
{
    if (!pricing.priced())
        return;
    if (style.byteOrderMark)
        out += "\xef\xbb\xbf";
    const std::vector<std::string> &columns = csvColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0)
            out += style.fieldSeparator;
        out += columns[i];
    }
    out += style.lineEnd;
    CsvRow row(style);
    for (const ServicePricing &service : pricing.services) {
        describeService(row, service);
        row.appendTo(out);
    }
    describeLot(row, lot, pricing);
    row.appendTo(out);
}

}   // namespace rotavex
