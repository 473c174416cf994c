#include "price_files.h"

#include "chart/chart_export.h"
#include "check/check_report.h"
#include "comparison/comparison_report.h"
#include "model/inputs.h"
#include "model/result_fields.h"
#include "report/plain_text.h"
#include "results/results_report.h"
#include "storage/data_file.h"
#include "storage/data_file_reader.h"
#include "storage/failure_causes.h"
#include "storage/valid_utf8.h"
#include "study/cost_study.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace rotavex {

namespace {

// Appends a result as the shortest text that reads back to the same value;
// nothing for a value that is not finite (which the calculation never lets
// through). Everything a file writes goes straight into one buffer.
bool appendNumber(std::string &out, const StudyResults &results, const ResultField &field)
{
    char buffer[64];
    std::to_chars_result written;
    if (field.whole) {
        written = std::to_chars(buffer, buffer + sizeof buffer, results.*field.whole);
    } else {
        const float value = results.*field.real;
        if (!std::isfinite(value))
            return false;
        written = std::to_chars(buffer, buffer + sizeof buffer, value);
    }
    out.append(buffer, written.ptr);
    return true;
}

// The same rule for a figure worked out in double precision, as a deviation
// or a change of the total; nothing where there is none. A nought is written
// without its sign.
bool appendNumber(std::string &out, std::optional<double> value)
{
    if (!value || !std::isfinite(*value))
        return false;
    char buffer[64];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, *value == 0 ? 0.0 : *value).ptr);
    return true;
}

double valueOf(const StudyResults &results, const ResultField &field)
{
    return field.whole ? double(results.*field.whole) : double(results.*field.real);
}

// How far each result field lies from the observatory's, in field order.
std::vector<std::optional<double>> deviations(const StudyResults &own, const StudyResults &observatory)
{
    std::vector<std::optional<double>> deviation;
    for (const ResultField &field : resultFields())
        deviation.push_back(deviationPct(valueOf(own, field), valueOf(observatory, field)));
    return deviation;
}

void appendWhole(std::string &out, int value)
{
    char buffer[16];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// Names are written as UTF-8 whatever bytes the system gave them.
void appendJsonString(std::string &out, const std::string &s)
{
    out += '"';
    for (unsigned char c : validUtf8(s)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out += buffer;
        } else {
            out += char(c);
        }
    }
    out += '"';
}

// A file name as a terminal shows it: UTF-8, and no control character that
// the terminal would act on.
std::string shownName(const std::string &name) { return printableText(validUtf8(name)); }

const char *boolText(bool b) { return b ? "true" : "false"; }

// Why bytes that were read are not a data file.
std::string contentFailureMessage(const std::string &name, const std::string &bytes)
{
    if (bytes.empty())
        return name == "-" ? "la entrada está vacía" : "el fichero está vacío";
    return std::string(ForeignFileMessage);
}

// A file priced (or refused) as the windows would have done it.
struct PricedFile {
    std::string name;
    bool read = false;   // read, and a data file
    Workspace ws;
    FieldTexts texts;
    DataCheckResult check;
    bool calculated = false;
    std::optional<ComparisonStudy> comparison;   // when asked for, of a calculated file
    std::string error;                           // why it was not read, was refused or could not be calculated
    std::string message;                         // for standard error: the error, or the check's report
};

class Calculator {
public:
    Calculator(const OutputRequest &request, std::ostream &out, std::ostream &err, const NumberLocale &locale)
        : request_(request), out_(out), err_(err), locale_(locale)
    {
    }

    int run(const std::vector<std::string> &files)
    {
        if (request_.format == OutputFormat::Csv)
            writeCsvHeader();
        for (const std::string &name : files) {
            const PricedFile file = price(name);
            // What earlier files wrote goes out before this file's message,
            // so that the two outputs keep their order when they are one.
            if (!file.message.empty()) {
                if (!sendPending())
                    return OutputFailed;
                err_ << file.message;
            }
            write(file, files.size() > 1);
            if (pending_.size() >= SendSize && !sendPending())
                return OutputFailed;
        }
        return sendPending() ? status_ : OutputFailed;
    }

private:
    // Output is sent in pieces of about this size rather than file by file:
    // a write of its own for each file would cost as much as reading it.
    static constexpr std::size_t SendSize = 64 * 1024;

    bool sendPending()
    {
        const bool sent = writeOutput(out_, err_, pending_);
        pending_.clear();
        return sent;
    }

    PricedFile price(const std::string &name)
    {
        PricedFile file;
        file.name = name;
        const DataFileBytes bytes = name == "-" ? readDataFileFromDescriptor(STDIN_FILENO) : readDataFileFromDisk(name);
        const auto content = bytes.failure ? std::nullopt : readDataFile(bytes.bytes);
        if (!content) {
            file.error = bytes.failure ? readFailureText(bytes) : contentFailureMessage(name, bytes.bytes);
            file.message = shownName(name) + ": " + file.error + "\n";
            status_ = 2;
            return file;
        }
        file.read = true;
        // A group saved as "Observatorio" is priced as if its button had
        // been pressed.
        CostStudy study(file.ws);
        study.load(*content, CostStudy::SavedObservatoryGroups::SwitchedOn);
        CostStudy::Pricing pricing = study.checkAndCalculate();
        file.texts = std::move(study.texts);
        file.check = std::move(pricing.check);
        if (!file.check.calculationOffered()) {
            file.error = refusalReason(file.check.verdict);
            file.message = shownName(name) + ":\n" + renderPlainText(checkScreenReport(file.check), locale_) + "\n";
            status_ = std::max(status_, 1);
        } else if (pricing.fault) {
            file.error = calculationFaultMessage(*pricing.fault);
            file.message = shownName(name) + ": " + file.error + "\n";
            status_ = std::max(status_, 1);
        } else {
            file.calculated = true;
            if (request_.compare)
                compare(file, *study.lastCalculation());
        }
        return file;
    }

    // A file whose own figures were priced keeps them when the observatory's
    // pricing of its service fails; it has no comparison then.
    void compare(PricedFile &file, const CalculatedResults &calculation)
    {
        ComparisonStudyOutcome outcome = studyAgainstObservatory(calculation);
        if (outcome.fault) {
            file.message = file.name + ": no se puede comparar con el Observatorio: "
                           + calculationFaultMessage(*outcome.fault) + "\n";
            status_ = std::max(status_, 1);
            return;
        }
        file.comparison = std::move(outcome.study);
    }

    void write(const PricedFile &file, bool several)
    {
        switch (request_.format) {
        case OutputFormat::Text:
            if (!file.calculated)
                return;
            if (several)
                pending_ += "==> " + shownName(file.name) + " <==\n";
            pending_ += renderAlignedPlainText(
                resultsScreenReport(file.ws, file.texts[Input::Km], file.texts[Input::Vacio]), locale_);
            if (file.comparison)
                pending_ += renderAlignedPlainText(comparisonScreenReport(*file.comparison, request_.tolerancePct),
                                                   locale_);
            return;
        case OutputFormat::Json: writeJson(file); return;
        case OutputFormat::Csv: writeCsvRow(file); return;
        }
    }

    void appendFlag(const char *separator, bool flag)
    {
        pending_ += separator;
        pending_ += boolText(flag);
    }

    void writeJson(const PricedFile &file)
    {
        pending_ += "{\"file\":";
        appendJsonString(pending_, file.name);
        appendFlag(",\"accepted\":", file.calculated);
        if (file.read) {
            pending_ += ",\"BusClass\":";
            appendWhole(pending_, file.ws.BusClass);
            appendFlag(",\"ServiceMode\":", file.ws.ServiceMode);
            appendFlag(",\"check\":{\"missing\":", file.check.missing);
            appendFlag(",\"blockingZero\":", file.check.blockingZero);
            appendFlag(",\"allowedZero\":", file.check.allowedZero);
            appendFlag(",\"negative\":", file.check.negative);
            pending_ += '}';
        }
        if (!file.error.empty()) {
            pending_ += ",\"error\":";
            appendJsonString(pending_, file.error);
        }
        if (file.calculated)
            appendJsonResults(",", file.ws);
        if (file.comparison)
            writeJsonComparison(file.ws, *file.comparison);
        pending_ += "}\n";
    }

    // A number, or null where there is none.
    void appendJsonNumber(std::optional<double> value)
    {
        if (!appendNumber(pending_, value))
            pending_ += "null";
    }

    void appendJsonKey(const char *separator, std::string_view name)
    {
        pending_ += separator;
        pending_ += '"';
        pending_ += name;
        pending_ += "\":";
    }

    // Every result field as "name":figure, the first after the separator.
    void appendJsonResults(const char *separator, const StudyResults &results)
    {
        for (const ResultField &field : resultFields()) {
            appendJsonKey(separator, field.name);
            if (!appendNumber(pending_, results, field))
                pending_ += "null";
            separator = ",";
        }
    }

    void writeJsonComparison(const StudyResults &own, const ComparisonStudy &study)
    {
        const StudyResults &observatory = study.comparison.observatory;
        const std::vector<ResultField> &fields = resultFields();
        pending_ += ",\"observatory\":";
        appendJsonResults("{", observatory);
        const std::vector<std::optional<double>> deviation = deviations(own, observatory);
        pending_ += "},\"deviationPct\":";
        const char *separator = "{";
        for (std::size_t i = 0; i < fields.size(); ++i) {
            appendJsonKey(separator, fields[i].name);
            appendJsonNumber(deviation[i]);
            separator = ",";
        }
        pending_ += "},\"sensitivity\":{";
        separator = "";
        for (const InputSensitivity *input : sensitivityByInput(study)) {
            if (!input)
                continue;
            appendJsonKey(separator, inputName(input->input));
            appendJsonNumber(input->change);
            separator = ",";
        }
        pending_ += "},\"flagged\":[";
        separator = "";
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (beyondTolerance(deviation[i], request_.tolerancePct)) {
                pending_ += separator;
                appendJsonString(pending_, fields[i].name);
                separator = ",";
            }
        pending_ += ']';
    }

    // The sensitivity of each input in the order of the inputs; none for an
    // input that is the observatory's or nought.
    static std::array<const InputSensitivity *, InputCount> sensitivityByInput(const ComparisonStudy &study)
    {
        std::array<const InputSensitivity *, InputCount> byInput{};
        for (const InputSensitivity &input : study.sensitivity)
            byInput[static_cast<std::size_t>(input.input)] = &input;
        return byInput;
    }

    void writeCsvHeader()
    {
        pending_ += "file,accepted,BusClass,ServiceMode,missing,blockingZero,allowedZero,negative";
        for (const ResultField &field : resultFields()) {
            pending_ += ',';
            pending_ += field.name;
        }
        pending_ += ",error";
        // The comparison's columns come after every column of the plain
        // output, which keep their places.
        if (request_.compare) {
            for (const char *prefix : {",Obs", ",Dev"})
                for (const ResultField &field : resultFields()) {
                    pending_ += prefix;
                    pending_ += field.name;
                }
            for (Input input : AllInputs) {
                pending_ += ",Sens";
                pending_ += inputName(input);
            }
        }
        pending_ += '\n';
    }

    void writeCsvRow(const PricedFile &file)
    {
        pending_ += csvField(validUtf8(file.name));
        appendFlag(",", file.calculated);
        if (file.read) {
            pending_ += ',';
            appendWhole(pending_, file.ws.BusClass);
            appendFlag(",", file.ws.ServiceMode);
            appendFlag(",", file.check.missing);
            appendFlag(",", file.check.blockingZero);
            appendFlag(",", file.check.allowedZero);
            appendFlag(",", file.check.negative);
        } else {
            pending_ += ",,,,,,";
        }
        for (const ResultField &field : resultFields()) {
            pending_ += ',';
            if (file.calculated)
                appendNumber(pending_, file.ws, field);
        }
        pending_ += ',';
        pending_ += csvField(file.error);
        if (request_.compare)
            writeCsvComparison(file);
        pending_ += '\n';
    }

    // The comparison's columns, empty for a file without one.
    void writeCsvComparison(const PricedFile &file)
    {
        const std::vector<ResultField> &fields = resultFields();
        if (!file.comparison) {
            pending_.append(2 * fields.size() + InputCount, ',');
            return;
        }
        const StudyResults &observatory = file.comparison->comparison.observatory;
        for (const ResultField &field : fields) {
            pending_ += ',';
            appendNumber(pending_, observatory, field);
        }
        for (std::optional<double> deviation : deviations(file.ws, observatory)) {
            pending_ += ',';
            appendNumber(pending_, deviation);
        }
        for (const InputSensitivity *input : sensitivityByInput(*file.comparison)) {
            pending_ += ',';
            if (input)
                appendNumber(pending_, input->change);
        }
    }

    OutputRequest request_;
    std::ostream &out_;
    std::ostream &err_;
    std::string pending_;   // written, not yet sent
    NumberLocale locale_;
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
