#include "price_files.h"

#include "check/check_report.h"
#include "check/data_check.h"
#include "model/calculation.h"
#include "results/chart_export.h"
#include "results/plain_text.h"
#include "results/results_report.h"
#include "storage/data_file.h"
#include "storage/data_file_reader.h"
#include "storage/valid_utf8.h"

#include <charconv>
#include <functional>

namespace rotavex {

namespace {

constexpr const char *Usage = "Uso: rotavex-calc [--json | --csv] FICHERO...\n"
                              "\n"
                              "Calcula los costes de cada fichero de datos de ROTAVEX 2018 sin abrir las ventanas.\n"
                              "Cada fichero se carga como en \"Cargar Datos Personalizados\"; un grupo guardado como\n"
                              "\"Observatorio\" se calcula con los datos del Observatorio. Antes del cálculo se\n"
                              "comprueban los datos: un fichero con datos que faltan o con ceros que impiden el\n"
                              "cálculo no se calcula, y su comprobación se escribe en la salida de errores.\n"
                              "\n"
                              "Sin opción se escribe el informe de resultados de cada fichero, con el separador\n"
                              "decimal de la configuración regional (LC_ALL, LC_NUMERIC, LANG).\n"
                              "  --json   un objeto JSON por fichero y línea\n"
                              "  --csv    una fila de cabecera y una fila por fichero\n"
                              "  --help   muestra esta ayuda\n"
                              "\n"
                              "Estado de salida: 0 si se calcularon todos los ficheros; 1 si alguno no superó la\n"
                              "comprobación o no pudo calcularse; 2 si la orden es incorrecta o algún fichero no\n"
                              "se puede leer o no es de ROTAVEX.\n";

enum class Format { Text, Json, Csv };

struct ResultField {
    const char *name;
    std::function<double(const Workspace &)> value;
};

#define ROTAVEX_FIELD(f)                                                                                               \
    ResultField                                                                                                        \
    {                                                                                                                  \
#f, [](const Workspace &ws) { return double(ws.f); }                                                           \
    }

const std::vector<ResultField> resultFields = {
    ROTAVEX_FIELD(TotalKm),
    ROTAVEX_FIELD(ServiceHours),
    ROTAVEX_FIELD(EffectiveAnnualHours),
    ROTAVEX_FIELD(DriverPerHour),
    ROTAVEX_FIELD(AmortisationPerHour),
    ROTAVEX_FIELD(FinancingPerHour),
    ROTAVEX_FIELD(InsurancePerHour),
    ROTAVEX_FIELD(FuelPerKm),
    ROTAVEX_FIELD(MaintenancePerKm),
    ROTAVEX_FIELD(TyresPerKm),
    ROTAVEX_FIELD(DriverTotal),
    ROTAVEX_FIELD(FuelTotal),
    ROTAVEX_FIELD(AmortisationTotal),
    ROTAVEX_FIELD(FinancingTotal),
    ROTAVEX_FIELD(MaintenanceTotal),
    ROTAVEX_FIELD(TyresTotal),
    ROTAVEX_FIELD(InsuranceTotal),
    ROTAVEX_FIELD(GeneralCosts),
    ROTAVEX_FIELD(ServiceTotal),
    ROTAVEX_FIELD(DriverPct),
    ROTAVEX_FIELD(GeneralPct),
    ROTAVEX_FIELD(FuelPct),
    ROTAVEX_FIELD(AmortisationPct),
    ROTAVEX_FIELD(FinancingPct),
    ROTAVEX_FIELD(MaintenancePct),
    ROTAVEX_FIELD(TyresPct),
    ROTAVEX_FIELD(InsurancePct),
};

#undef ROTAVEX_FIELD

std::string nineDigits(double value)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 9).ptr;
    return std::string(buffer, end);
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

// A file priced (or refused) as the windows would have done it.
struct PricedFile {
    std::string name;
    Workspace ws;
    FieldTexts texts;
    DataCheckResult check;
    bool calculated = false;
    std::string fault;
};

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
        for (const std::string &name : files)
            price(name, files.size() > 1);
        return status_;
    }

private:
    void price(const std::string &name, bool several)
    {
        const DataFileBytes bytes = readDataFileFromDisk(name);
        const auto content = bytes.failure ? std::nullopt : readDataFile(bytes.bytes);
        if (!content) {
            err_ << name << ": " << ForeignFileMessage << "\n";
            status_ = 2;
            return;
        }
        PricedFile file;
        file.name = name;
        applyDataFileWithObservatory(*content, file.ws, file.texts);
        file.check = runDataCheck(file.ws, file.texts);
        if (!file.check.calculationOffered()) {
            err_ << name << ":\n" << renderPlainText(checkScreenReport(file.check), locale_) << "\n";
            status_ = std::max(status_, 1);
        } else if (const auto fault = Calculate(file.ws, file.texts)) {
            file.fault = calculationFaultMessage(*fault);
            err_ << name << ": " << file.fault << "\n";
            status_ = std::max(status_, 1);
        } else {
            file.calculated = true;
        }
        write(file, several);
    }

    void write(const PricedFile &file, bool several)
    {
        switch (format_) {
        case Format::Text:
            if (!file.calculated)
                return;
            if (several)
                out_ << "==> " << validUtf8(file.name) << " <==\n";
            out_ << renderPlainText(resultsScreenReport(file.ws, file.texts[Input::Km], file.texts[Input::Vacio]),
                                    locale_);
            return;
        case Format::Json: writeJson(file); return;
        case Format::Csv: writeCsvRow(file); return;
        }
    }

    void writeJson(const PricedFile &file)
    {
        out_ << "{\"file\":" << jsonString(file.name) << ",\"accepted\":" << boolText(file.check.calculationOffered())
             << ",\"BusClass\":" << file.ws.BusClass << ",\"ServiceMode\":" << boolText(file.ws.ServiceMode)
             << ",\"check\":{\"missing\":" << boolText(file.check.missing)
             << ",\"blockingZero\":" << boolText(file.check.blockingZero)
             << ",\"allowedZero\":" << boolText(file.check.allowedZero)
             << ",\"negative\":" << boolText(file.check.negative) << "}";
        if (!file.fault.empty())
            out_ << ",\"error\":" << jsonString(file.fault);
        if (file.calculated)
            for (const ResultField &field : resultFields)
                out_ << ",\"" << field.name << "\":" << nineDigits(field.value(file.ws));
        out_ << "}\n";
    }

    void writeCsvHeader()
    {
        out_ << "file,accepted,BusClass,ServiceMode,missing,blockingZero,allowedZero,negative";
        for (const ResultField &field : resultFields)
            out_ << "," << field.name;
        out_ << "\n";
    }

    void writeCsvRow(const PricedFile &file)
    {
        out_ << csvField(validUtf8(file.name)) << "," << boolText(file.check.calculationOffered()) << ","
             << file.ws.BusClass << "," << boolText(file.ws.ServiceMode) << "," << boolText(file.check.missing) << ","
             << boolText(file.check.blockingZero) << "," << boolText(file.check.allowedZero) << ","
             << boolText(file.check.negative);
        for (const ResultField &field : resultFields)
            out_ << "," << (file.calculated ? nineDigits(field.value(file.ws)) : "");
        out_ << "\n";
    }

    Format format_;
    std::ostream &out_;
    std::ostream &err_;
    NumberLocale locale_;
    int status_ = 0;
};

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
            out << Usage;
            return 0;
        } else if ((arg == "--json" || arg == "--csv") && format == Format::Text) {
            format = arg == "--json" ? Format::Json : Format::Csv;
        } else {
            err << "rotavex-calc: opción no válida: " << arg << "\n\n" << Usage;
            return 2;
        }
    }
    if (files.empty()) {
        err << "rotavex-calc: falta el nombre de algún fichero de datos\n\n" << Usage;
        return 2;
    }
    return Calculator(format, out, err, locale).run(files);
}

}   // namespace rotavex
