#include "lot_report.h"

#include "comparison/comparison_report.h"
#include "model/cost_items.h"
#include "reference/reference_values.h"
#include "report/plain_text.h"

namespace rotavex {

namespace {

// Columns from the start of the line.
constexpr int ClassColumn = 34;
constexpr int PerYearColumn = 41;
constexpr int ServiceColumn = 52;
constexpr int AnnualColumn = 66;
constexpr int OfferColumn = 82;
constexpr int DeviationColumn = 93;
constexpr int MarkColumn = 103;
constexpr int FigureColumn = 40;
constexpr int TermColumn = 60;

DoubleItem amount(double value) { return number(Round(value, 2)); }

class LotBody {
public:
    LotBody(Report &report, const Lot &lot, const LotPricing &pricing, ServiceLines lines)
        : report_(report), lot_(lot), pricing_(pricing), lines_(lines)
    {
    }

    void write()
    {
        report_.add(BoldItem{true});
        report_.line("Lote de servicios: " + lot_.name);
        report_.add(BoldItem{false});
        if (!pricing_.priced()) {
            report_.line("No se ha calculado el lote: " + pricing_.refusal);
            return;
        }
        terms();
        report_.line();
        services();
        report_.line();
        items();
        report_.line();
        totals();
        if (pricing_.totals.offeredAnnual) {
            report_.line();
            offers();
        }
    }

private:
    // A bold line's tabs are taken in the regular font, so that its headings
    // stand over the figures of the lines below.
    void boldAt(int column) { report_.add(BoldItem{false}).add(tab(column)).add(BoldItem{true}); }

    void terms()
    {
        const LotTerms &terms = pricing_.terms;
        report_.line({text("Contrato de"), number(terms.years), text("años; beneficio del"), number(terms.profitPct),
                      text("%; IVA del"), number(terms.vatPct), text("%.")});
        const ReferenceSet &set = *pricing_.reference;
        report_.line(isBuiltIn(set)
                         ? "Servicios sin fichero de datos: con los costes medios del Observatorio."
                         : "Servicios sin fichero de datos: con los valores de referencia «" + set.name + "».");
    }

    void services()
    {
        if (lines_ == ServiceLines::Listed)
            serviceLines();
        report_.line(
            "Servicios calculados: " + std::to_string(pricing_.totals.priced)
            + "; rechazados: " + std::to_string(pricing_.totals.refused) + "."
            + (lines_ == ServiceLines::InTheTable ? " Las cifras de cada servicio están en su fila de la tabla." : ""));
        if (pricing_.totals.offeredAnnual)
            report_.line({text(std::string(OutOfLineMark) + ": la oferta se aparta en más del"),
                          number(pricing_.tolerancePct), text("% del coste con beneficio, por encima o por debajo.")});
    }

    void serviceLines()
    {
        report_.add(BoldItem{true}).add(text("Servicio"));
        const std::pair<int, const char *> headings[] = {{ClassColumn, "Clase"},
                                                         {PerYearColumn, " Al año"},
                                                         {ServiceColumn, " Un servicio"},
                                                         {AnnualColumn, " Coste anual"}};
        for (const auto &[column, heading] : headings) {
            boldAt(column);
            report_.add(text(heading));
        }
        if (pricing_.totals.offeredAnnual) {
            boldAt(OfferColumn);
            report_.add(text(" Oferta"));
            boldAt(DeviationColumn);
            report_.add(text(" Dif. %"));
        }
        report_.add(LineBreak{}).add(BoldItem{false});
        for (const ServicePricing &service : pricing_.services)
            serviceLine(service);
        report_.line();
    }

    void serviceLine(const ServicePricing &service)
    {
        report_.add(text(service.name.empty() ? "(sin nombre)" : service.name));
        if (!service.accepted()) {
            report_.line({text(": no se calcula"
                               + (service.line ? " (línea " + std::to_string(service.line) + ")" : std::string()) + ": "
                               + service.error)});
            return;
        }
        report_.add(tab(ClassColumn)).add(number(double(service.study.BusClass)));
        report_.add(tab(PerYearColumn)).add(number(service.perYear));
        report_.add(tab(ServiceColumn)).add(amount(service.study.ServiceTotal));
        report_.add(tab(AnnualColumn)).add(amount(service.annualCost()));
        if (service.offer) {
            report_.add(tab(OfferColumn)).add(amount(*service.offer));
            report_.add(tab(DeviationColumn));
            if (service.offerDeviationPct)
                report_.add(signedNumber(Round(*service.offerDeviationPct, 2))).add(text("%"));
            else
                report_.add(text(" —"));
            if (service.flagged)
                report_.add(tab(MarkColumn)).add(text(OutOfLineMark));
        }
        report_.add(LineBreak{});
    }

    void items()
    {
        const LotTotals &totals = pricing_.totals;
        report_.add(BoldItem{true}).line("Coste anual por partidas (euros)").add(BoldItem{false});
        for (std::size_t item = 0; item < costItems().size(); ++item)
            report_.line({text("    " + std::string(costItems()[item].chartLabel)), tab(FigureColumn),
                          amount(totals.annualItems[item])});
        report_.add(BoldItem{true}).line("Coste anual por grupos (euros)").add(BoldItem{false});
        const std::pair<CostGroup, const char *> groups[] = {{CostGroup::PerKm, "Costes por km"},
                                                             {CostGroup::PerHour, "Costes por hora"},
                                                             {CostGroup::General, "Costes generales"}};
        for (const auto &[group, label] : groups)
            report_.line({text(std::string("    ") + label), tab(FigureColumn), amount(totals.annualGroup(group))});
        report_.line();
        report_.line({text("Km al año"), tab(FigureColumn), number(totals.annualKm)});
        report_.line({text("Horas al año"), tab(FigureColumn), number(Round(totals.annualHours, 2))});
        report_.line({text("Conductores (a jornada completa)"), tab(FigureColumn), number(Round(totals.drivers, 2))});
    }

    void totals()
    {
        const LotTotals &totals = pricing_.totals;
        report_.add(BoldItem{true}).add(text("Presupuesto (euros)"));
        boldAt(FigureColumn);
        report_.add(text(" Un año"));
        boldAt(TermColumn);
        report_.add(text(" Todo el contrato"));
        report_.add(LineBreak{}).add(BoldItem{false});
        const std::pair<std::string, double> rows[] = {{"Coste", totals.annualCost},
                                                       {"Beneficio", totals.annualProfit},
                                                       {"Base imponible (sin IVA)", totals.annualBase},
                                                       {"IVA", totals.annualVat},
                                                       {"Total con IVA", totals.annualTotal}};
        for (const auto &[label, annual] : rows)
            report_.line(
                {text(label), tab(FigureColumn), amount(annual), tab(TermColumn), amount(pricing_.overTerm(annual))});
    }

    void offers()
    {
        const LotTotals &totals = pricing_.totals;
        report_.add(BoldItem{true}).line("Ofertas (euros al año, sin IVA)").add(BoldItem{false});
        report_.line({text("Ofertas de los servicios con oferta"), tab(FigureColumn), amount(*totals.offeredAnnual)});
        report_.line(
            {text("Coste con beneficio de esos servicios"), tab(FigureColumn), amount(*totals.offeredServicesBase)});
        report_.add(text("Diferencia")).add(tab(FigureColumn));
        if (totals.offerDeviationPct)
            report_.add(signedNumber(Round(*totals.offerDeviationPct, 2))).add(text("%"));
        else
            report_.add(text(" —"));
        if (totals.flagged)
            report_.add(text(" " + std::string(OutOfLineMark)));
        report_.add(LineBreak{});
    }

    Report &report_;
    const Lot &lot_;
    const LotPricing &pricing_;
    ServiceLines lines_;
};

const std::string PaperRule(87, '-');

std::string cell(double value, const std::string &decimalSeparator) { return formatAmount(value, decimalSeparator); }

}   // namespace

Report lotReport(const Lot &lot, const LotPricing &pricing, ServiceLines lines)
{
    Report report;
    LotBody(report, lot, pricing, lines).write();
    return report;
}

Report printedLotReport(const Lot &lot, const LotPricing &pricing, const DateTime &when)
{
    Report report;
    printedHeading(report, "Lote de servicios", PaperRule);
    // The services' seven columns fit across the page only in a smaller size.
    report.add(BoldItem{false}).add(FontSizeItem{8});
    LotBody(report, lot, pricing, ServiceLines::Listed).write();
    endPrintedReportWithChart(report, "Lote calculado", when, PaperRule, "Tesmora. Belvarde");
    return report;
}

std::vector<ChartColumn> lotChartColumns(const LotPricing &pricing)
{
    std::vector<ChartColumn> columns;
    for (std::size_t item = 0; item < costItems().size(); ++item)
        columns.push_back(
            {std::string(costItems()[item].chartLabel), pricing.totals.annualItems[item], costItems()[item].colour});
    return columns;
}

std::string lotTabSeparatedRows(const Lot &lot, const LotPricing &pricing, const std::string &decimalSeparator)
{
    std::string out;
    for (std::size_t column = 0; column < LotColumnCount; ++column)
        out += std::string(lotColumnHeading(LotColumn(column))) + "\t";
    out += "Coste de un servicio\tCoste anual\tDiferencia de la oferta\tDiferencia %\tObservaciones\n";
    for (std::size_t row = 0; row < lot.services.size(); ++row) {
        for (const std::string &text : lot.services[row].cells)
            out += text + "\t";
        if (row < pricing.services.size()) {
            const ServicePricing &service = pricing.services[row];
            if (service.accepted()) {
                out += cell(service.study.ServiceTotal, decimalSeparator) + "\t"
                       + cell(service.annualCost(), decimalSeparator) + "\t";
                out += service.offerDifference ? cell(*service.offerDifference, decimalSeparator) : "";
                out += "\t";
                out += service.offerDeviationPct ? cell(*service.offerDeviationPct, decimalSeparator) : "";
                out += "\t";
                out += service.flagged ? "Fuera de tolerancia" : "";
            } else {
                out += "\t\t\t\t" + service.error;
            }
        }
        out += "\n";
    }
    return out;
}

}   // namespace rotavex
