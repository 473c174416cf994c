#include "results_report.h"

#include "number_format.h"

#include "model/group_sums.h"

namespace rotavex {

namespace {

const std::string Rule = std::string(8, ' ') + std::string(88, '-');

// The line that repeats the service being priced.
Report &serviceLine(Report &report, const std::string &indent, const Workspace &ws, const std::string &kmText,
                    const std::string &vacioText)
{
    return report.line({text(indent + kmText + " km con pasajeros, " + vacioText + " km de posicionamiento, y"),
                        number(ws.ServiceHours), text("horas,")});
}

void fullServiceBody(Report &report, const Workspace &ws, const std::string &kmText, const std::string &vacioText)
{
    const std::string item = std::string(12, ' ');
    const auto amount = [&](const char *label, float value) {
        report.line({text(item + label), tab(34), number(Round(value, 2)), text("euros")});
    };
    report.line("        Costes calculados para un servicio de:");
    serviceLine(report, "        ", ws, kmText, vacioText);
    report.line("        en un vehículo de " + busClassPhrase(ws.BusClass));
    report.line();
    report.add(BoldItem{true});
    report.line({text("      Coste total del trayecto: "), tab(34), number(Round(ws.ServiceTotal, 2)), text("euros"),
                 tab(50), text("(100%)")});
    report.add(BoldItem{false});
    report.line();
    const GroupSums sums = groupSums(ws);
    report.line({text(item + "Costes por Km ("), number(Round(sums.perKmPct, 1)), text("%)")});
    report.line(item + std::string(13, '-'));
    amount("Coste de mantenimiento: ", ws.MaintenanceTotal);
    amount("Coste del combustible: ", ws.FuelTotal);
    amount("Coste de neumáticos: ", ws.TyresTotal);
    report.line();
    report.line({text(item + "Costes por Hora ("), number(Round(sums.perHourPct, 1)), text("%)")});
    report.line(item + std::string(15, '-'));
    amount("Costes financieros: ", ws.FinancingTotal);
    amount("Coste de seguros: ", ws.InsuranceTotal);
    amount("Coste de amortización: ", ws.AmortisationTotal);
    amount("Coste del conductor: ", ws.DriverTotal);
    report.line();
    report.line({text(item + "Costes generales: ("), number(Round(ws.GeneralPct, 1)), text("%)"), tab(34),
                 number(Round(ws.GeneralCosts, 2)), text("euros")});
    report.line();
    report.line(Rule);
}

void unitCostBody(Report &report, const Workspace &ws, const std::string &kmText, const std::string &vacioText)
{
    const std::string item = std::string(12, ' ');
    const GroupSums sums = groupSums(ws);
    const auto amount = [&](const char *label, float value) {
        report.line({text(item + label), tab(30), number(Round(value, 2)), text(" euros")});
    };
    report.line("          Costes unitarios por vehículo");
    report.line("          calculados para un servicio de:");
    serviceLine(report, "          ", ws, kmText, vacioText);
    report.line("          en un vehículo de " + busClassPhrase(ws.BusClass));
    report.line();
    amount("Costes por km: ", sums.perKm);
    amount("Costes por hora: ", sums.perHour);
    amount("Costes generales: ", ws.GeneralCosts);
    report.line();
    report.line(item + "Costes totales del servicio:");
    report.line();
    report.line({text(item + "Costes/km:  "), tab(30), number(Round(sums.perKm, 2)), text("euros x "),
                 number(double(ws.TotalKm)), text("km")});
    report.line({text(item + "Costes/hora: "), tab(30), number(Round(sums.perHour, 2)), text("euros x "),
                 number(ws.ServiceHours), text(" horas")});
    amount("Costes generales: ", ws.GeneralCosts);
    report.line({tab(30), text(std::string(10, '-'))});
    amount("TOTAL: ", ws.ServiceTotal);
    report.line();
    report.line(Rule);
}

}   // namespace

std::string busClassPhrase(int busClass)
{
    switch (busClass) {
    case 1: return "menos de 22 plazas.";
    case 2: return "entre 22 y 35 plazas.";
    case 3: return "entre 36 y 55 plazas.";
    case 4: return "más de 55 plazas.";
    default: return "";
    }
}

Report resultsScreenReport(const Workspace &ws, const std::string &kmText, const std::string &vacioText)
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

std::vector<ChartColumn> chartData(const Workspace &ws)
{
    if (ws.ServiceMode)
        return {
            {"Mantenimiento", ws.MaintenanceTotal}, {"Combustible", ws.FuelTotal},
            {"Neumáticos", ws.TyresTotal},          {"Financieros", ws.FinancingTotal},
            {"Seguros", ws.InsuranceTotal},         {"Amortización", ws.AmortisationTotal},
            {"Conductor", ws.DriverTotal},          {"Generales", ws.GeneralCosts},
        };
    const UnitCostColumns columns = unitCostColumns(ws);
    return {
        {"Kilométricos", columns.kilometric},
        {"Horarios", columns.hourly},
        {"Generales", ws.GeneralCosts},
    };
}

}   // namespace rotavex
