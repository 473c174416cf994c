#include "price_lot.h"

#include "lot/lot_file.h"
#include "lot/lot_records.h"
#include "lot/lot_report.h"
#include "report/plain_text.h"
#include "study/record_writers.h"

namespace rotavex {

namespace {

// Where the services' data files are looked for: the lot file's own folder.
std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string pricedLotOutput(const Lot &lot, const LotPricing &pricing, const OutputRequest &request,
                            const NumberLocale &locale)
{
    std::string text;
    switch (request.format) {
    case OutputFormat::Text: return renderAlignedPlainText(lotReport(lot, pricing), locale);
    case OutputFormat::Json: appendLotJson(text, lot, pricing); break;
    case OutputFormat::Csv:
        appendLotCsv(text, lot, pricing,
                     request.spreadsheet ? spreadsheetCsvStyle(locale.decimalSeparator) : CsvStyle{});
        break;
    }
    return text;
}

}   // namespace

int priceLotFile(const std::string &path, const OutputRequest &request, std::ostream &out, std::ostream &err,
                 const NumberLocale &locale)
{
    const std::string shownPath = terminalName(path);
    const LotFileReading read = loadLotFile(path);
    if (!read.lot) {
        err << shownPath << ": " << read.refusal << "\n";
        return 2;
    }
    LotPricingContext context;
    context.folder = folderOf(path);
    context.reference = request.reference;
    context.tolerancePct = request.tolerancePct;
    const LotPricing pricing = priceLot(*read.lot, context);
    if (!pricing.priced()) {
        err << shownPath << ": " << pricing.refusal << "\n";
        return 2;
    }
    if (!writeOutput(out, err, pricedLotOutput(*read.lot, pricing, request, locale)))
        return OutputFailed;
    for (const ServicePricing &service : pricing.services)
        if (!service.accepted())
            err << shownPath << ": línea " << service.line << " (" << terminalName(service.name)
                << "): " << service.error << "\n";
    return pricing.totals.refused > 0 ? 1 : 0;
}

}   // namespace rotavex
