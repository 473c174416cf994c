#include "revise_prices.h"

#include "revision/revision_file.h"
#include "revision/revision_records.h"
#include "study/record_writers.h"

namespace rotavex {

namespace {

// A revision record with what the run tells of it on standard error and
// adds to the exit status.
struct RevisionRun {
    RevisionRecord record;
    std::string message;
    int status = 0;
};

RevisionRun reviseDataFile(const std::string &name, const RevisionTerms &terms, const OutputRequest &request,
                           const NumberLocale &locale)
{
    const PricedRecord priced = priceDataFile(name, request.reference);
    RevisionRun run{{name, priced.error, {}}, recordMessage(priced, locale), !priced.read ? 2 : 1};
    if (!priced.accepted())
        return run;
    run.record.outcome = revisePrice(terms, costStructure(priced.calculation->results));
    if (run.record.outcome.done()) {
        run.status = 0;
        run.message.clear();
    } else {
        run.message = terminalName(name) + ": no se ha revisado el precio: " + run.record.outcome.refusal + "\n";
    }
    return run;
}

class RevisionWriter {
public:
    RevisionWriter(const OutputRequest &request, std::ostream &out, std::ostream &err, const NumberLocale &locale,
                   const Revision &revision, const RevisionTerms &terms)
        : request_(request), pending_(out, err), locale_(locale), revision_(revision), terms_(terms),
          csvStyle_(request.spreadsheet ? spreadsheetCsvStyle(locale.decimalSeparator) : CsvStyle{})
    {
    }

    int write(const std::vector<RevisionRun> &runs)
    {
        int status = 0;
        if (request_.format == OutputFormat::Csv)
            appendRevisionCsvHeader(pending_.text(), csvStyle_);
        for (const RevisionRun &run : runs) {
            if (!pending_.tell(run.message))
                return OutputFailed;
            append(run.record);
            if (!pending_.sendWhenFull())
                return OutputFailed;
            status = std::max(status, run.status);
        }
        return pending_.send() ? status : OutputFailed;
    }

private:
    void append(const RevisionRecord &record)
    {
        switch (request_.format) {
        case OutputFormat::Text: appendRevisionText(pending_.text(), record, revision_, terms_, locale_); return;
        case OutputFormat::Json: appendRevisionJson(pending_.text(), record); return;
        case OutputFormat::Csv: appendRevisionCsv(pending_.text(), record, csvStyle_); return;
        }
    }

    const OutputRequest &request_;
    PendingOutput pending_;
    const NumberLocale &locale_;
    const Revision &revision_;
    const RevisionTerms &terms_;
    CsvStyle csvStyle_;
};

RevisionRunEnd usageError(std::string error) { return {2, std::move(error)}; }

}   // namespace

RevisionRunEnd revisePrices(const std::string &revisionPath, const std::vector<std::string> &dataFiles,
                            const OutputRequest &request, std::ostream &out, std::ostream &err,
                            const NumberLocale &locale)
{
    const RevisionFileReading read = loadRevisionFile(revisionPath);
    if (!read.revision)
        return usageError("no se puede leer la revisión de precios de " + revisionPath + ": " + read.refusal);
    const RevisionTermsReading reading = readRevisionTerms(*read.revision);
    if (!reading.terms)
        return usageError("no se puede leer la revisión de precios de " + revisionPath + ": " + reading.refusal);
    const RevisionTerms &terms = *reading.terms;
    const std::string refused = "no se puede revisar el precio con " + revisionPath;
    std::vector<RevisionRun> runs;
    if (dataFiles.empty()) {
        RevisionRun typed{{std::nullopt, {}, revisePrice(terms, std::nullopt)}, {}, 0};
        if (!typed.record.outcome.done())
            return usageError(refused + ": " + typed.record.outcome.refusal);
        runs.push_back(std::move(typed));
    } else if (terms.typedWeights()) {
        return usageError("la revisión de precios de " + revisionPath
                          + " tiene pesos escritos, y con ficheros de datos los pesos salen del cálculo de cada "
                            "uno: quite los pesos del fichero o los ficheros de datos de la orden");
    }
    for (const std::string &name : dataFiles) {
        runs.push_back(reviseDataFile(name, terms, request, locale));
        // Labour without its cap is the revision file's fault, whatever the data file.
        if (const RevisionOutcome &outcome = runs.back().record.outcome; outcome.labourWithoutCap)
            return usageError(refused + " sobre el cálculo de " + name + ": " + outcome.refusal);
    }
    return {RevisionWriter(request, out, err, locale, *read.revision, terms).write(runs), {}};
}

}   // namespace rotavex
