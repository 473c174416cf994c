#include "observatory_tables.h"

#include <array>
#include <string>

namespace rotavex {

namespace {

const std::string TitleIndent(6, ' ');
const std::string ItemIndent(14, ' ');
const std::string ClassIndent(22, ' ');
const std::string DashLine(112, '-');

constexpr const char *Title = "Observatorio de Costes del Transporte de Viajeros en Autobús";
constexpr const char *Subtitle = "Resultados: Costes Medios en la Dizezirad de Valdoria";
constexpr const char *OneHourService = "(Suponiendo un servicio de una hora)";

const std::array<const char *, 4> classLabels = {
    "Menos de 22 plazas:", "De 22 a 35 plazas:", "de 36 a 55 plazas:", "Más de 55 plazas:"};

// The per-kilometre averages, one per class, as the observatory publishes them.
using PerClass = std::array<double, 4>;
const PerClass fuelPerKm = {0.1877906, 0.23996, 0.3129844, 0.3964469};
const PerClass maintenancePerKm = {0.1062573, 0.1195395, 0.1461038, 0.239079};
const PerClass tyresPerKm = {0.0289214, 0.0385619, 0.0385619, 0.0385619};

// The per-hour figures are those of a one-hour service, kept as the text the
// observatory publishes.
using PerClassText = std::array<const char *, 4>;
const PerClassText amortisationPerHour = {"6,14", "7,34", "13,06", "15,50"};
const PerClassText financingPerHour = {"0,87", "1,04", "1,85", "2,20"};
const PerClassText insurancePerHour = {"2,89", "3,39", "4,21", "5,47"};

void perKmLines(Report &report, const PerClass &values)
{
    for (std::size_t c = 0; c < classLabels.size(); ++c)
        report.line({text(ClassIndent + classLabels[c]), number(values[c]), text("euros por Km")});
}

// The amortisation lines have always had no blank after the colon; the others have one.
void perHourLines(Report &report, const PerClassText &figures, const std::string &separator)
{
    for (std::size_t c = 0; c < classLabels.size(); ++c)
        report.line(ClassIndent + classLabels[c] + separator + figures[c] + " euros por hora");
}

// The averages themselves, the same on screen and on paper.
void averages(Report &report)
{
    report.line(ItemIndent + "Coste Generales: 12,5% del coste del servicio");
    report.line(ItemIndent + "Coste de Conductor: 30,74 euros por hora");
    report.line(ItemIndent + "Coste de Combustible:");
    perKmLines(report, fuelPerKm);
    report.line(ItemIndent + "Coste de Amortización");
    perHourLines(report, amortisationPerHour, "");
    report.line(ItemIndent + "Coste de Mantenimiento");
    perKmLines(report, maintenancePerKm);
    report.line(ItemIndent + "Coste de Financiación:");
    perHourLines(report, financingPerHour, " ");
    report.line(ItemIndent + "Coste de Neumáticos:");
    perKmLines(report, tyresPerKm);
    report.line(ItemIndent + "Coste de Seguros:");
    perHourLines(report, insurancePerHour, " ");
}

}   // namespace

Report observatoryScreenTable()
{
    Report report;
    report.line();
    report.line(TitleIndent + Title);
    report.line(TitleIndent + Subtitle);
    report.line(TitleIndent + OneHourService);
    report.line(TitleIndent + DashLine);
    averages(report);
    report.line(TitleIndent + DashLine);
    report.line(TitleIndent);
    return report;
}

Report observatoryPaperTable()
{
    Report report;
    report.add(FontSizeItem{14}).add(BoldItem{true}).add(UnderlineItem{true});
    report.line(Title);
    report.add(UnderlineItem{false}).add(FontSizeItem{12});
    report.line();
    report.line(Subtitle);
    report.line(OneHourService);
    report.line(DashLine);
    report.add(BoldItem{true});
    report.line();
    averages(report);
    report.add(BoldItem{false});
    report.line(DashLine);
    endPrintedReport(report);
    return report;
}

}   // namespace rotavex
