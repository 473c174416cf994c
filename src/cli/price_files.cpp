#include "price_files.h"

#include "check/check_report.h"
#include "model/result_fields.h"
#include "report/plain_text.h"
#include "results/chart_export.h"
#include "results/results_report.h"
#include "storage/data_file.h"
#include "storage/data_file_reader.h"
#include "storage/failure_causes.h"
#include "storage/valid_utf8.h"
#include "study/cost_study.h"

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
bool appendNumber(std::string &out, const Workspace &ws, const ResultField &field)
{
    char buffer[64];
    std::to_chars_result written;
    if (field.whole) {
        written = std::to_chars(buffer, buffer + sizeof buffer, ws.*field.whole);
    } else {
        const float value = ws.*field.real;
        if (!std::isfinite(value))
            return false;
        written = std::to_chars(buffer, buffer + sizeof buffer, value);
    }
    out.append(buffer, written.ptr);
    return true;
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
    std::string error;     // why it was not read, was refused or could not be calculated
    std::string message;   // for standard error: the error, or the check's report
};

class Calculator {
public:
    Calculator(OutputFormat format, std::ostream &out, std::ostream &err, const NumberLocale &locale)
        : format_(format), out_(out), err_(err), locale_(locale)
    {
    }

    int run(const std::vector<std::string> &files)
    {
        if (format_ == OutputFormat::Csv)
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
        }
        return file;
    }

    void write(const PricedFile &file, bool several)
    {
        switch (format_) {
        case OutputFormat::Text:
            if (!file.calculated)
                return;
            if (several)
                pending_ += "==> " + shownName(file.name) + " <==\n";
            pending_ += renderAlignedPlainText(
                resultsScreenReport(file.ws, file.texts[Input::Km], file.texts[Input::Vacio]), locale_);
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
            for (const ResultField &field : resultFields()) {
                pending_ += ",\"";
                pending_ += field.name;
                pending_ += "\":";
                if (!appendNumber(pending_, file.ws, field))
                    pending_ += "null";
            }
        pending_ += "}\n";
    }

    void writeCsvHeader()
    {
        pending_ += "file,accepted,BusClass,ServiceMode,missing,blockingZero,allowedZero,negative";
        for (const ResultField &field : resultFields()) {
            pending_ += ',';
            pending_ += field.name;
        }
        pending_ += ",error\n";
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
        pending_ += '\n';
    }

    OutputFormat format_;
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

int priceFiles(const std::vector<std::string> &files, OutputFormat format, std::ostream &out, std::ostream &err,
               const NumberLocale &locale)
{
    return Calculator(format, out, err, locale).run(files);
}

}   // namespace rotavex
