#include "results_report.h"

#include "report/number_format.h"

#include "model/bus_classes.h"
#include "model/cost_items.h"
#include "model/group_sums.h"
#include "reference/reference_values.h"

namespace rotavex {

namespace {

const std::string Rule = std::string(8, ' ') + std::string(88, '-');

// The line that repeats the service being priced.
Report &serviceLine(Report &report, const std::string &indent, const PricedStudy &ws, const std::string &kmText,
                    const std::string &vacioText)
{
    return report.line({text(indent + kmText + " km con pasajeros, " + vacioText + " km de posicionamiento, y"),
                        number(ws.ServiceHours), text("horas,")});
}

// The amounts of the items of one group, one line each.
template <typename Amount> void itemLines(CostGroup group, const PricedStudy &ws, const Amount &amount)
{
    for (const CostItem &costItem : costItems())
        if (costItem.group == group)
            amount(std::string(costItem.reportLabel), ws.*costItem.total);
}

void fullServiceBody(Report &report, const PricedStudy &ws, const std::string &kmText, const std::string &vacioText)
{
    const std::string item = std::string(12, ' ');
    const auto amount = [&](const std::string &label, float value) {
        report.line({text(item + label), tab(34), number(Round(value, 2)), text("euros")});
    };
    report.line("        Costes calculados para un servicio de:");
    serviceLine(report, "        ", ws, kmText, vacioText);
    report.line("        en un vehículo de " + busClassPhrase(ws.BusClass));
    referenceLine(report, "        ", ws);
    report.line();
    report.add(BoldItem{true});
    report.line({text("      Coste total del trayecto: "), tab(34), number(Round(ws.ServiceTotal, 2)), text("euros"),
                 tab(50), text("(100%)")});
    report.add(BoldItem{false});
    report.line();
    const GroupSums sums = groupSums(ws);
    for (CostGroup group : {CostGroup::PerKm, CostGroup::PerHour}) {
        const CostGroupLabels &labels = costGroup(group);
        report.line({text(item + std::string(labels.heading)), number(Round(shareOf(sums, group), 1)), text("%)")});
        report.line(item + std::string(labels.rule));
        itemLines(group, ws, amount);
        report.line();
    }
    report.line({text(item + std::string(generalCostItem().reportLabel) + "("), number(Round(ws.GeneralPct, 1)),
                 text("%)"), tab(34), number(Round(ws.GeneralCosts, 2)), text("euros")});
    report.line();
    report.line(Rule);
}

void unitCostBody(Report &report, const PricedStudy &ws, const std::string &kmText, const std::string &vacioText)
{
    const std::string item = std::string(12, ' ');
    const GroupSums sums = groupSums(ws);
    const auto amount = [&](std::string_view label, float value) {
        report.line({text(item + std::string(label)), tab(30), number(Round(value, 2)), text(" euros")});
    };
    const std::string_view general = generalCostItem().reportLabel;
    report.line("          Costes unitarios por vehículo");
    report.line("          calculados para un servicio de:");
    serviceLine(report, "          ", ws, kmText, vacioText);
    report.line("          en un vehículo de " + busClassPhrase(ws.BusClass));
    referenceLine(report, "          ", ws);
    report.line();
    for (CostGroup group : {CostGroup::PerKm, CostGroup::PerHour})
        amount(costGroup(group).unitLabel, unitCostOf(sums, group));
    amount(general, ws.GeneralCosts);
    report.line();
    report.line(item + "Costes totales del servicio:");
    report.line();
    report.line({text(item + std::string(costGroup(CostGroup::PerKm).rateLabel)), tab(30), number(Round(sums.perKm, 2)),
                 text("euros x "), number(double(ws.TotalKm)), text("km")});
    report.line({text(item + std::string(costGroup(CostGroup::PerHour).rateLabel)), tab(30),
                 number(Round(sums.perHour, 2)), text("euros x "), number(ws.ServiceHours), text(" horas")});
    amount(general, ws.GeneralCosts);
    report.line({tab(30), text(std::string(10, '-'))});
    amount("TOTAL: ", ws.ServiceTotal);
    report.line();
    report.line(Rule);
}

}   // namespace

void referenceLine(Report &report, const std::string &indent, const StudyChoices &choices)
{
    if (namesItsReference(choices))
        report.line(indent + referenceNote(*choices.reference));
}

Report resultsScreenReport(const PricedStudy &ws, const std::string &kmText, const std::string &vacioText)
{
    Report report;
    report.line();
    report.line("        ROTAVEX 2018");
    report.line();
    report.line("        Resultado del cálculo de costes");
    report.line(Rule);
    if (ws.ServiceMode)
        fullServiceBody(report, ws, kmText, vacioText);
    else
        unitCostBody(report, ws, kmText, vacioText);
    return report;
}

std::vector<ChartColumn> chartData(const PricedStudy &ws)
{
    std::vector<ChartColumn> columns;
    if (ws.ServiceMode) {
        for (const CostItem &item : costItems())
            columns.push_back({std::string(item.chartLabel), ws.*item.total, item.colour});
        return columns;
    }
    const UnitCostColumns unit = unitCostColumns(ws);
    for (const auto &[group, value] :
         {std::pair{CostGroup::PerKm, unit.kilometric}, std::pair{CostGroup::PerHour, unit.hourly}})
        columns.push_back({std::string(costGroup(group).chartLabel), value, costGroup(group).colour});
    columns.push_back(
        {std::string(generalCostItem().chartLabel), double(ws.GeneralCosts), costGroup(CostGroup::General).colour});
    return columns;
}

}   // namespace rotavex
