#include "price_files.h"

#include "check/check_report.h"
#include "check/data_check.h"
#include "model/calculation.h"
#include "model/result_fields.h"
#include "results/chart_export.h"
#include "results/plain_text.h"
#include "results/results_report.h"
#include "storage/data_file.h"
#include "storage/data_file_reader.h"
#include "storage/valid_utf8.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>

#include <unistd.h>

namespace rotavex {

namespace {

// A number as the shortest text that reads back to the same value; empty for
// a value that is not finite (which the calculation never lets through).
std::string numberText(float value)
{
    if (!std::isfinite(value))
        return {};
    char buffer[64];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

std::string numberText(int32_t value) { return std::to_string(value); }

// A result as the shortest text that reads back to the same value.
std::string numberText(const Workspace &ws, const ResultField &field)
{
    return field.whole ? numberText(ws.*field.whole) : numberText(ws.*field.real);
}

// Names are printed as UTF-8 whatever bytes the system gave them.
std::string jsonString(const std::string &s)
{
    std::string out = "\"";
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
    return out + "\"";
}

const char *boolText(bool b) { return b ? "true" : "false"; }

// The system's reason for an error, in Spanish for the usual ones.
std::string systemReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return "permiso denegado";
    case EIO: return "error de entrada/salida";
    case ENOSPC: return "no queda espacio en el dispositivo";
    case EDQUOT: return "se ha superado la cuota de disco";
    case EPIPE: return "la tubería está cerrada";
    case ELOOP: return "demasiados niveles de enlaces simbólicos";
    case ENAMETOOLONG: return "el nombre es demasiado largo";
    default: return std::strerror(error);
    }
}

std::string readFailureMessage(const DataFileBytes &read)
{
    switch (*read.failure) {
    case DataFileReadFailure::DoesNotExist: return "el fichero no existe";
    case DataFileReadFailure::IsADirectory: return "es una carpeta, no un fichero de datos";
    case DataFileReadFailure::IsAPipe: return "no es un fichero normal (es una tubería)";
    case DataFileReadFailure::IsADevice: return "no es un fichero normal (es un dispositivo)";
    case DataFileReadFailure::IsASocket: return "no es un fichero normal (es un socket)";
    case DataFileReadFailure::CannotBeRead:
        return read.systemError ? "no se puede leer: " + systemReason(read.systemError) : "no se puede leer";
    }
    return "no se puede leer";
}

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
    std::string error;   // why it was not read, was refused or could not be calculated
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
            write(price(name), files.size() > 1);
            if (!writeOutput(out_, err_, pending_.str()))
                return OutputFailed;
            pending_.str({});
        }
        return status_;
    }

private:
    PricedFile price(const std::string &name)
    {
        PricedFile file;
        file.name = name;
        const DataFileBytes bytes = name == "-" ? readDataFileFromDescriptor(STDIN_FILENO) : readDataFileFromDisk(name);
        const auto content = bytes.failure ? std::nullopt : readDataFile(bytes.bytes);
        if (!content) {
            file.error = bytes.failure ? readFailureMessage(bytes) : contentFailureMessage(name, bytes.bytes);
            err_ << name << ": " << file.error << "\n";
            status_ = 2;
            return file;
        }
        file.read = true;
        applyDataFileWithObservatory(*content, file.ws, file.texts);
        file.check = runDataCheck(file.ws, file.texts);
        if (!file.check.calculationOffered()) {
            file.error = refusalReason(file.check.verdict);
            err_ << name << ":\n" << renderPlainText(checkScreenReport(file.check), locale_) << "\n";
            status_ = std::max(status_, 1);
        } else if (const auto fault = Calculate(file.ws, file.texts)) {
            file.error = calculationFaultMessage(*fault);
            err_ << name << ": " << file.error << "\n";
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
                pending_ << "==> " << validUtf8(file.name) << " <==\n";
            pending_ << renderAlignedPlainText(
                resultsScreenReport(file.ws, file.texts[Input::Km], file.texts[Input::Vacio]), locale_);
            return;
        case OutputFormat::Json: writeJson(file); return;
        case OutputFormat::Csv: writeCsvRow(file); return;
        }
    }

    void writeJson(const PricedFile &file)
    {
        pending_ << "{\"file\":" << jsonString(file.name) << ",\"accepted\":" << boolText(file.calculated);
        if (file.read)
            pending_ << ",\"BusClass\":" << file.ws.BusClass << ",\"ServiceMode\":" << boolText(file.ws.ServiceMode)
                     << ",\"check\":{\"missing\":" << boolText(file.check.missing)
                     << ",\"blockingZero\":" << boolText(file.check.blockingZero)
                     << ",\"allowedZero\":" << boolText(file.check.allowedZero)
                     << ",\"negative\":" << boolText(file.check.negative) << "}";
        if (!file.error.empty())
            pending_ << ",\"error\":" << jsonString(file.error);
        if (file.calculated)
            for (const ResultField &field : resultFields()) {
                const std::string number = numberText(file.ws, field);
                pending_ << ",\"" << field.name << "\":" << (number.empty() ? "null" : number);
            }
        pending_ << "}\n";
    }

    void writeCsvHeader()
    {
        pending_ << "file,accepted,BusClass,ServiceMode,missing,blockingZero,allowedZero,negative";
        for (const ResultField &field : resultFields())
            pending_ << "," << field.name;
        pending_ << ",error\n";
    }

    void writeCsvRow(const PricedFile &file)
    {
        pending_ << csvField(validUtf8(file.name)) << "," << boolText(file.calculated);
        if (file.read)
            pending_ << "," << file.ws.BusClass << "," << boolText(file.ws.ServiceMode) << ","
                     << boolText(file.check.missing) << "," << boolText(file.check.blockingZero) << ","
                     << boolText(file.check.allowedZero) << "," << boolText(file.check.negative);
        else
            pending_ << ",,,,,,";
        for (const ResultField &field : resultFields())
            pending_ << "," << (file.calculated ? numberText(file.ws, field) : "");
        pending_ << "," << csvField(file.error) << "\n";
    }

    OutputFormat format_;
    std::ostream &out_;
    std::ostream &err_;
    std::ostringstream pending_;   // what one file writes, sent out at once
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
    err << "rotavex-calc: no se puede escribir en la salida estándar" << (error ? ": " + systemReason(error) : "")
        << "\n";
    return false;
}

int priceFiles(const std::vector<std::string> &files, OutputFormat format, std::ostream &out, std::ostream &err,
               const NumberLocale &locale)
{
    return Calculator(format, out, err, locale).run(files);
}

}   // namespace rotavex
