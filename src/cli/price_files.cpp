#include "price_files.h"

#include "comparison/comparison_record.h"
#include "results/results_text_record.h"
#include "storage/failure_causes.h"
#include "study/record_writers.h"

#include <cerrno>

namespace rotavex {

namespace {

class Calculator {
public:
    Calculator(const OutputRequest &request, std::ostream &out, std::ostream &err, const NumberLocale &locale)
        : request_(request), pending_(out, err), locale_(locale),
          csvStyle_(request.spreadsheet ? spreadsheetCsvStyle(locale.decimalSeparator) : CsvStyle{})
    {
    }

    int run(const std::vector<std::string> &files)
    {
        if (request_.format == OutputFormat::Csv)
            appendCsvHeader(pending_.text(), request_.compare, named_, csvStyle_);
        for (const std::string &name : files) {
            const PricedRecord record = price(name);
            if (!pending_.tell(recordMessage(record, locale_)))
                return OutputFailed;
            write(record, files.size() > 1);
            if (!pending_.sendWhenFull())
                return OutputFailed;
        }
        return pending_.send() ? status_ : OutputFailed;
    }

private:
    PricedRecord price(const std::string &name)
    {
        PricedRecord record = priceDataFile(name, request_.reference);
        if (record.accepted() && request_.compare)
            addComparison(record, request_.tolerancePct);
        const bool complete = record.accepted() && (!request_.compare || record.comparison);
        status_ = std::max(status_, !record.read ? 2 : complete ? 0 : 1);
        return record;
    }

    void write(const PricedRecord &record, bool several)
    {
        switch (request_.format) {
        case OutputFormat::Text: appendTextRecord(pending_.text(), record, several, locale_); return;
        case OutputFormat::Json: appendJsonRecord(pending_.text(), record); return;
        case OutputFormat::Csv: appendCsvRecord(pending_.text(), record, request_.compare, named_, csvStyle_); return;
        }
    }

    OutputRequest request_;
    PendingOutput pending_;
    NumberLocale locale_;
    CsvStyle csvStyle_;
    bool named_ = !isBuiltIn(*request_.reference);   // priced on a set of the user's own, named in every record
    int status_ = 0;
};

}   // namespace

bool writeOutput(std::ostream &out, std::ostream &err, const std::string &text)
{
    errno = 0;
    out << text;
    out.flush();
    if (out)
        return true;
    const int error = errno;
    err << "rotavex-calc: no se puede escribir en la salida estándar" << (error ? ": " + systemErrorText(error) : "")
        << "\n";
    return false;
}

int priceFiles(const std::vector<std::string> &files, const OutputRequest &request, std::ostream &out,
               std::ostream &err, const NumberLocale &locale)
{
    return Calculator(request, out, err, locale).run(files);
}

}   // namespace rotavex
