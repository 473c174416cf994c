#include "observatory_tables.h"

#include "model/calculation.h"
#include "reference/reference_values.h"
#include "report/number_format.h"
#include "report/plain_text.h"

#include <array>
#include <optional>
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
void builtInAverages(Report &report)
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

// What the set gives for a one-hour service of each class, every group on
// its values; none for a class whose values cannot be priced.
std::array<std::optional<StudyResults>, 4> oneHourServices(const ReferenceSet &set)
{
    std::array<std::optional<StudyResults>, 4> services;
    FieldTexts texts;
    texts[Input::Horas] = "1";
    for (int busClass = 1; busClass <= 4; ++busClass) {
        StudyChoices choices;
        choices.BusClass = static_cast<int16_t>(busClass);
        choices.switches = ObservatorySwitches::allOn();
        choices.reference = std::make_shared<const ReferenceSet>(set);
        CalculationOutcome priced = calculateCosts(choices, texts);
        if (!priced.fault)
            services[std::size_t(busClass - 1)] = priced.results;
    }
    return services;
}

class SetAverages {
public:
    SetAverages(Report &report, const ReferenceSet &set) : report_(report), set_(set), services_(oneHourServices(set))
    {
    }

    void write()
    {
        perClass("Coste Generales:", [this](std::size_t c) { return percent(c); });
        perHour("Coste de Conductor:", &StudyResults::DriverPerHour);
        perKm("Coste de Combustible:", Quantity::FuelPerKm);
        perHour("Coste de Amortización:", &StudyResults::AmortisationPerHour);
        perKm("Coste de Mantenimiento:", Quantity::MaintenancePerKm);
        perHour("Coste de Financiación:", &StudyResults::FinancingPerHour);
        perKm("Coste de Neumáticos:", Quantity::TyresPerKm);
        perHour("Coste de Seguros:", &StudyResults::InsurancePerHour);
    }

private:
    std::vector<ReportItem> percent(std::size_t c) const
    {
        return {number(set_.classes[c].generalCostsPct), text("% del coste del servicio")};
    }

    // One line when every class has the same figure, else a line a class.
    template <typename Items> void perClass(const std::string &heading, Items items)
    {
        bool same = true;
        for (std::size_t c = 1; c < classLabels.size(); ++c)
            same = same && plainText(items(c)) == plainText(items(0));
        if (same) {
            std::vector<ReportItem> line{text(ItemIndent + heading)};
            for (const ReportItem &item : items(0))
                line.push_back(item);
            return add(line);
        }
        report_.line(ItemIndent + heading);
        for (std::size_t c = 0; c < classLabels.size(); ++c) {
            std::vector<ReportItem> line{text(ClassIndent + classLabels[c])};
            for (const ReportItem &item : items(c))
                line.push_back(item);
            add(line);
        }
    }

    void perHour(const std::string &heading, float StudyResults::*figure)
    {
        perClass(heading, [&](std::size_t c) -> std::vector<ReportItem> {
            if (!services_[c])
                return {text(" sin cifra: los valores no se pueden calcular")};
            return {number(Round(services_[c].value().*figure, 2)), text("euros por hora")};
        });
    }

    void perKm(const std::string &heading, Quantity quantity)
    {
        report_.line(ItemIndent + heading);
        for (std::size_t c = 0; c < classLabels.size(); ++c)
            report_.line({text(ClassIndent + classLabels[c]), number(quantityValue(set_.classes[c], quantity)),
                          text("euros por Km")});
    }

    void add(const std::vector<ReportItem> &items)
    {
        for (const ReportItem &item : items)
            report_.add(item);
        report_.add(LineBreak{});
    }

    // The items as a line compares them.
    static std::string plainText(const std::vector<ReportItem> &items)
    {
        std::string text;
        for (const ReportItem &item : items)
            text += itemText(item, NumberLocale{".", "", ""}) + "|";
        return text;
    }

    Report &report_;
    const ReferenceSet &set_;
    std::array<std::optional<StudyResults>, 4> services_;
};

void averages(Report &report, const ReferenceSet &set)
{
    if (isBuiltIn(set))
        return builtInAverages(report);
    SetAverages(report, set).write();
}

// A set of the user's own is named under the heading.
void setName(Report &report, const ReferenceSet &set, const std::string &indent)
{
    if (!isBuiltIn(set))
        report.line(indent + referenceNote(set));
}

}   // namespace

Report observatoryScreenTable(const ReferenceSet &set)
{
    Report report;
    report.line();
    report.line(TitleIndent + Title);
    report.line(TitleIndent + Subtitle);
    report.line(TitleIndent + OneHourService);
    setName(report, set, TitleIndent);
    report.line(TitleIndent + DashLine);
    averages(report, set);
    report.line(TitleIndent + DashLine);
    report.line(TitleIndent);
    return report;
}

Report observatoryPaperTable(const ReferenceSet &set)
{
    Report report;
    report.add(FontSizeItem{14}).add(BoldItem{true}).add(UnderlineItem{true});
    report.line(Title);
    report.add(UnderlineItem{false}).add(FontSizeItem{12});
    report.line();
    report.line(Subtitle);
    report.line(OneHourService);
    setName(report, set, "");
    report.line(DashLine);
    report.add(BoldItem{true});
    report.line();
    averages(report, set);
    report.add(BoldItem{false});
    report.line(DashLine);
    endPrintedReport(report);
    return report;
}

}   // namespace rotavex
