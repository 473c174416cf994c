// A data file, whatever its bytes, goes the whole way a user's file goes:
// loaded into the fields, checked, priced, and written as every report and
// the chart. No report may show an infinity or a NaN, no negative input may
// be priced, and an accepted calculation gives eight finite shares.

#include "fuzz_rules.h"

#include "check/check_report.h"
#include "check/data_check.h"
#include "model/calculation.h"
#include "model/field_number.h"
#include "model/switch_groups.h"
#include "results/results_report.h"
#include "storage/data_file.h"

#include <cmath>
#include <cstdint>
#include <string_view>

using namespace rotavex;

namespace {

// Which observatory switches are on when the file is loaded.
enum class Switches { Off, AsTheFileSaved, AllOn };

void switchOn(Workspace &ws, FieldTexts &texts, const std::vector<Switch> &wanted)
{
    for (const SwitchGroup &group : switchGroups())
        for (const SwitchPart &part : group.parts)
            for (Switch sw : wanted)
                if (part.sw == sw && !ws.switches[sw])
                    ToggleObservatorySource(ws, group, texts);
}

void priceAndReport(Workspace ws, const FieldTexts &texts)
{
    const DataCheckResult check = runDataCheck(ws, texts);
    FUZZ_REQUIRE(fuzz::numbersAreFinite(checkScreenReport(check)));
    FUZZ_REQUIRE(fuzz::numbersAreFinite(checkPaperReport(check)));
    if (!check.calculationOffered())
        return;
    for (Input input : AllInputs)
        FUZZ_REQUIRE(!(ReadFieldNumber(texts[input]) < 0));

    const Workspace before = ws;
    if (Calculate(ws, texts)) {
        FUZZ_REQUIRE(ws.ServiceTotal == before.ServiceTotal && ws.DriverPct == before.DriverPct);
        return;
    }
    FUZZ_REQUIRE(fuzz::resultsAreFinite(ws));   // the eight shares too
    ws.ResultsReady = true;
    FUZZ_REQUIRE(fuzz::numbersAreFinite(resultsScreenReport(ws, texts[Input::Km], texts[Input::Vacio])));
    FUZZ_REQUIRE(fuzz::numbersAreFinite(resultsPaperReport(ws, texts[Input::Km], texts[Input::Vacio], DateTime{})));
    for (const ChartColumn &column : chartData(ws))
        FUZZ_REQUIRE(std::isfinite(column.value));
}

void load(const DataFileContent &content, Switches switches)
{
    Workspace ws;
    FieldTexts texts;
    if (switches == Switches::AllOn) {
        // The buttons need a class; the file's own class is applied on top.
        ws.BusClass = content.busClass && isKnownBusClass(*content.busClass) ? *content.busClass : 1;
        switchOn(ws, texts,
                 {Switch::Driver, Switch::General, Switch::Fuel, Switch::Vehicle, Switch::Financing,
                  Switch::Maintenance, Switch::Tyres, Switch::Insurance, Switch::AnnualKm});
    }
    const std::vector<std::size_t> observatoryGroups = applyDataFile(content, ws, texts);
    if (switches == Switches::AsTheFileSaved) {
        std::vector<Switch> saved;
        for (std::size_t g : observatoryGroups)
            saved.push_back(fileGroups()[g].sw);
        switchOn(ws, texts, saved);
    }
    priceAndReport(ws, texts);
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto content = readDataFile(std::string_view(reinterpret_cast<const char *>(data), size));
    if (!content)
        return 0;
    for (Switches switches : {Switches::Off, Switches::AsTheFileSaved, Switches::AllOn})
        load(*content, switches);
    return 0;
}
