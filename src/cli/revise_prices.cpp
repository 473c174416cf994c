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
        : request_(request), out_(out), err_(err), locale_(locale), revision_(revision), terms_(terms),
          csvStyle_(request.spreadsheet ? spreadsheetCsvStyle(locale.decimalSeparator) : CsvStyle{})
    {
    }

    int write(const std::vector<RevisionRun> &runs)
    {
        int status = 0;
        if (request_.format == OutputFormat::Csv)
            appendRevisionCsvHeader(pending_, csvStyle_);
        for (const RevisionRun &run : runs) {
            // What came before goes out ahead of this message, so that the
            // two outputs keep their order when they are one.
            if (!run.message.empty()) {
                if (!sendPending())
                    return OutputFailed;
                err_ << run.message;
            }
            append(run.record);
            if (pending_.size() >= SendSize && !sendPending())
                return OutputFailed;
            status = std::max(status, run.status);
        }
        return sendPending() ? status : OutputFailed;
    }

private:
    static constexpr std::size_t SendSize = 64 * 1024;

    bool sendPending()
    {
        const bool sent = writeOutput(out_, err_, pending_);
        pending_.clear();
        return sent;
    }

    void append(const RevisionRecord &record)
    {
        switch (request_.format) {
        case OutputFormat::Text: appendRevisionText(pending_, record, revision_, terms_, locale_); return;
        case OutputFormat::Json: appendRevisionJson(pending_, record); return;
        case OutputFormat::Csv: appendRevisionCsv(pending_, record, csvStyle_); return;
        }
    }

    const OutputRequest &request_;
    std::ostream &out_;
    std::ostream &err_;
    const NumberLocale &locale_;
    const Revision &revision_;
    const RevisionTerms &terms_;
    CsvStyle csvStyle_;
    std::string pending_;
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
