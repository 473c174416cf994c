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

constexpr const char
    *Usage = "Uso: rotavex-calc [--json | --csv] FICHERO...\n"
             "     rotavex-calc --help | --version\n"
             "\n"
             "Calcula los costes de cada fichero de datos de ROTAVEX 2018 sin abrir las ventanas.\n"
             "Cada fichero se carga como en \"Cargar Datos Personalizados\", con la misma comprobación\n"
             "y el mismo cálculo; un grupo guardado como \"Observatorio\" se calcula con los datos del\n"
             "Observatorio, como si se hubiera pulsado el botón del Observatorio de ese grupo (al\n"
             "cargarlo en las ventanas, el grupo queda vacío hasta que se pulsa). Antes del cálculo se\n"
             "comprueban los datos: un fichero con datos que faltan o con ceros que impiden el\n"
             "cálculo no se calcula, y su comprobación se escribe en la salida de errores.\n"
             "El FICHERO \"-\" es la entrada estándar.\n"
             "\n"
             "Sin opción se escribe el informe de resultados de cada fichero, con el separador\n"
             "decimal de la configuración regional (LC_ALL, LC_NUMERIC, LANG).\n"
             "  --json     un objeto JSON por fichero y línea\n"
             "  --csv      una fila de cabecera y una fila por fichero, con los mismos campos\n"
             "  --help     muestra esta ayuda\n"
             "  --version  muestra el nombre y la versión del programa\n"
             "\n"
             "Campos de --json y --csv (números con punto decimal, tan cortos como se pueda sin\n"
             "cambiar su valor). Cada fichero nombrado tiene su línea o su fila, también el que\n"
             "no se puede leer o no es de ROTAVEX:\n"
             "  file                  el nombre del fichero, tal como se dio\n"
             "  accepted              true si el fichero se leyó y sus datos superaron la comprobación\n"
             "  error                 por qué el fichero no se leyó o no se pudo calcular (texto)\n"
             "  BusClass              clase de vehículo: 1 menos de 22 plazas, 2 de 22 a 35 plazas,\n"
             "                        3 de 36 a 55 plazas, 4 más de 55 plazas; 0 (u otro número):\n"
             "                        ninguna elegida\n"
             "  ServiceMode           true: coste del servicio descrito; false: solo costes unitarios\n"
             "  check                 la comprobación (en CSV, sus cuatro columnas):\n"
             "    missing             faltan datos\n"
             "    blockingZero        algún dato que debe ser positivo vale cero\n"
             "    allowedZero         algún dato vale cero sin impedir el cálculo\n"
             "    negative            algún dato es negativo\n"
             "  Resultados, solo de un fichero calculado (en CSV, vacíos si no):\n";

constexpr const char *UsageEnd = "\n"
                                 "Estado de salida: 0 si se calcularon todos los ficheros; 1 si alguno no superó la\n"
                                 "comprobación o no pudo calcularse; 2 si la orden es incorrecta, algún fichero no se\n"
                                 "puede leer o no es de ROTAVEX, o no se puede escribir la salida.\n";

enum class Format { Text, Json, Csv };

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

// The result fields with what each holds, those that share a meaning listed
// together within lines of at most 80 characters.
std::string resultFieldList()
{
    constexpr std::size_t Width = 80;
    constexpr std::size_t MeaningColumn = 24;
    const std::vector<ResultField> &fields = resultFields();
    std::string list;
    for (std::size_t first = 0; first < fields.size();) {
        std::size_t end = first + 1;
        while (end < fields.size() && !*fields[end].meaning)
            ++end;
        const std::string indent = "  ";
        std::string line = indent;
        for (std::size_t i = first; i < end; ++i) {
            const std::string name = fields[i].name + std::string(i + 1 < end ? "," : "");
            if (line.size() > indent.size() && line.size() + 1 + name.size() > Width) {
                list += line + "\n";
                line = indent;
            } else if (line.size() > indent.size()) {
                line += ' ';
            }
            line += name;
        }
        if (end - first == 1 && line.size() + 2 <= MeaningColumn)
            list += line + std::string(MeaningColumn - line.size(), ' ');
        else
            list += line + "\n" + std::string(MeaningColumn, ' ');
        list += fields[first].meaning + std::string("\n");
        first = end;
    }
    return list;
}

const std::string &usage()
{
    static const std::string text = Usage + resultFieldList() + UsageEnd;
    return text;
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
    case DataFileReadFailure::NotARegularFile:
        return "no es un fichero normal (es una tubería, un dispositivo o un socket)";
    case DataFileReadFailure::CannotBeRead:
        return read.systemError ? "no se puede leer: " + systemReason(read.systemError) : "no se puede leer";
    }
    return "no se puede leer";
}

// A file priced (or refused) as the windows would have done it.
struct PricedFile {
    std::string name;
    bool read = false;   // read, and a data file
    Workspace ws;
    FieldTexts texts;
    DataCheckResult check;
    bool calculated = false;
    std::string error;   // why it was not read or not calculated
};

// Writes text to out and flushes it, so that a full disk or a closed file is
// seen at once and its reason is the one errno gives now; true when it all
// reached the output, otherwise tells why on err. A reader that closes a
// pipe early ends the program by SIGPIPE, quietly, as for any filter.
bool emit(std::ostream &out, std::ostream &err, const std::string &text)
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

// The status of a run whose output failed.
constexpr int OutputFailed = 2;

class Calculator {
public:
    Calculator(Format format, std::ostream &out, std::ostream &err, const NumberLocale &locale)
        : format_(format), out_(out), err_(err), locale_(locale)
    {
    }

    int run(const std::vector<std::string> &files)
    {
        if (format_ == Format::Csv)
            writeCsvHeader();
        for (const std::string &name : files) {
            write(price(name), files.size() > 1);
            if (!emit(out_, err_, pending_.str()))
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
            file.error = bytes.failure ? readFailureMessage(bytes) : std::string(ForeignFileMessage);
            err_ << name << ": " << file.error << "\n";
            status_ = 2;
            return file;
        }
        file.read = true;
        applyDataFileWithObservatory(*content, file.ws, file.texts);
        file.check = runDataCheck(file.ws, file.texts);
        if (!file.check.calculationOffered()) {
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
        case Format::Text:
            if (!file.calculated)
                return;
            if (several)
                pending_ << "==> " << validUtf8(file.name) << " <==\n";
            pending_ << renderAlignedPlainText(
                resultsScreenReport(file.ws, file.texts[Input::Km], file.texts[Input::Vacio]), locale_);
            return;
        case Format::Json: writeJson(file); return;
        case Format::Csv: writeCsvRow(file); return;
        }
    }

    void writeJson(const PricedFile &file)
    {
        pending_ << "{\"file\":" << jsonString(file.name)
                 << ",\"accepted\":" << boolText(file.read && file.check.calculationOffered());
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
        pending_ << csvField(validUtf8(file.name)) << "," << boolText(file.read && file.check.calculationOffered());
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

    Format format_;
    std::ostream &out_;
    std::ostream &err_;
    std::ostringstream pending_;   // what one file writes, sent out at once
    NumberLocale locale_;
    int status_ = 0;
};

void usageError(std::ostream &err, const std::string &message)
{
    err << "rotavex-calc: " << message << "\n\n" << usage();
}

}   // namespace

int runCalculator(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
                  const NumberLocale &locale)
{
    Format format = Format::Text;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (const std::string &arg : args) {
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            return emit(out, err, usage()) ? 0 : OutputFailed;
        } else if (arg == "--version") {
            return emit(out, err, "rotavex-calc " ROTAVEX_VERSION "\n") ? 0 : OutputFailed;
        } else if (arg == "--json" || arg == "--csv") {
            const Format chosen = arg == "--json" ? Format::Json : Format::Csv;
            if (format != Format::Text && format != chosen) {
                usageError(err, "las opciones --json y --csv se excluyen mutuamente");
                return 2;
            }
            format = chosen;
        } else {
            usageError(err, "opción no válida: " + arg);
            return 2;
        }
    }
    if (files.empty()) {
        usageError(err, "falta el nombre de algún fichero de datos");
        return 2;
    }
    return Calculator(format, out, err, locale).run(files);
}

}   // namespace rotavex
