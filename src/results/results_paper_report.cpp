#include "results_report.h"

#include "report/number_format.h"

#include "model/bus_classes.h"
#include "model/cost_items.h"
#include "model/group_sums.h"

namespace rotavex {

namespace {

// On paper every label starts at the margin and the figures line up in two
// columns: amounts at 25, the share of the total at 42.
constexpr int AmountColumn = 25;
constexpr int ShareColumn = 42;

const std::string PaperRule(87, '-');

void heading(Report &report)
{
    printedHeading(report, "Resultado del cálculo de costes", PaperRule);
    report.add(BoldItem{false});
}

void serviceLine(Report &report, const PricedStudy &ws, const std::string &kmText, const std::string &vacioText)
{
    report.line({text(kmText + " km con pasajeros, " + vacioText + " km de posicionamiento, y"),
                 number(ws.ServiceHours), text("horas.")});
}

void fullServiceBody(Report &report, const PricedStudy &ws, const std::string &kmText, const std::string &vacioText)
{
    report.line("Costes calculados para un servicio de:");
    serviceLine(report, ws, kmText, vacioText);
    report.line("en un vehículo de " + busClassPhrase(ws.BusClass));
    referenceLine(report, "", ws);
    report.line();
    report.add(BoldItem{true});
    report.line({text("Coste total del trayecto: "), tab(AmountColumn), number(Round(ws.ServiceTotal, 2)),
                 text("euros"), tab(ShareColumn), text("(100%)")});
    report.add(BoldItem{false});
    report.line();

    const GroupSums sums = groupSums(ws);
    for (CostGroup group : {CostGroup::PerKm, CostGroup::PerHour}) {
        const CostGroupLabels &labels = costGroup(group);
        // The printed per-hour heading has always closed with a stray quotation mark.
        report.line({text(std::string(labels.heading)), number(Round(shareOf(sums, group), 1)),
                     text(group == CostGroup::PerHour ? "%)\"" : "%)")});
        report.line(std::string(labels.rule));
        for (const CostItem &item : costItems())
            if (item.group == group)
                report.line({text(std::string(item.reportLabel)), tab(AmountColumn), number(Round(ws.*item.total, 2)),
                             text("euros")});
        report.line();
    }
    report.line({text(std::string(generalCostItem().reportLabel)), tab(AmountColumn), number(Round(ws.GeneralCosts, 2)),
                 text("euros"), tab(ShareColumn), text("("), number(Round(ws.GeneralPct, 1)), text("%)")});
    report.line();
}

void unitCostBody(Report &report, const PricedStudy &ws, const std::string &kmText, const std::string &vacioText)
{
    const GroupSums sums = groupSums(ws);
    const auto amount = [&](std::string_view label, float value) {
        report.line({text(std::string(label)), tab(AmountColumn), number(Round(value, 2)), text(" euros")});
    };
    const std::string_view general = generalCostItem().reportLabel;
    report.line("Costes unitarios por vehículo:");
    report.line("Costes calculados para un servicio de:");
    serviceLine(report, ws, kmText, vacioText);
    referenceLine(report, "", ws);
    report.line();
    for (CostGroup group : {CostGroup::PerKm, CostGroup::PerHour})
        amount(costGroup(group).unitLabel, unitCostOf(sums, group));
    amount(general, ws.GeneralCosts);
    report.line();
    report.line("Costes totales del servicio:");
    report.line();
    report.line({text(std::string(costGroup(CostGroup::PerKm).rateLabel)), tab(AmountColumn),
                 number(Round(sums.perKm, 2)), text("euros x "), number(double(ws.TotalKm)), text("km")});
    report.line({text(std::string(costGroup(CostGroup::PerHour).rateLabel)), tab(AmountColumn),
                 number(Round(sums.perHour, 2)), text("euros x "), number(ws.ServiceHours), text(" horas")});
    amount(general, ws.GeneralCosts);
    report.line({tab(AmountColumn), text(std::string(10, '-'))});
    amount("TOTAL: ", ws.ServiceTotal);
    report.line();
}

void dateStamp(Report &report, const DateTime &printedAt)
{
    report.line({text("Cálculo realizado el "), DateItem{printedAt}, text(" a las "), TimeItem{printedAt}});
}

}   // namespace

Report resultsPaperReport(const PricedStudy &ws, const std::string &kmText, const std::string &vacioText,
                          const DateTime &printedAt)
{
    Report report;
    heading(report);
    if (ws.ServiceMode)
        fullServiceBody(report, ws, kmText, vacioText);
    else
        unitCostBody(report, ws, kmText, vacioText);
    dateStamp(report, printedAt);

    printedFooter(report, PaperRule, ws.ServiceMode ? "Tesmora. Belvarde" : "Tesmora");
    if (ws.ServiceMode)
        report.add(EndDocument{});   // the text pages go out alone; the chart follows as a document of its own
    report.add(ItalicItem{false}).add(BoldItem{false});

    report.line();
    report.add(ChartPicture{});
    report.add(EndDocument{});
    return report;
}

}   // namespace rotavex
