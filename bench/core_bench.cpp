// How long the work behind one press of "Calcular" takes, and how long
// rotavex-calc spends on each file it prices.

#include "check/check_report.h"
#include "check/data_check.h"
#include "model/calculation.h"
#include "report/plain_text.h"
#include "results/results_report.h"
#include "storage/data_file.h"

#include <benchmark/benchmark.h>

using namespace rotavex;

namespace {

FieldTexts workedExample()
{
    FieldTexts t;
    const char *values[] = {"30000", "1800", "10",  "200000", "10",   "60000", "6000", "5",
                            "5",     "1.2",  "400", "100000", "4000", "100",   "20",   "4"};
    for (std::size_t i = 0; i < InputCount; ++i)
        t[AllInputs[i]] = values[i];
    return t;
}

void checkAndCalculate(benchmark::State &state)
{
    const FieldTexts texts = workedExample();
    Workspace ws;
    ws.BusClass = 3;
    ws.ServiceMode = true;
    for (auto _ : state) {
        const DataCheckResult check = runDataCheck(ws, texts);
        benchmark::DoNotOptimize(Calculate(ws, texts));
        benchmark::DoNotOptimize(renderPlainText(resultsScreenReport(ws, texts[Input::Km], texts[Input::Vacio]), {}));
        benchmark::DoNotOptimize(check);
    }
}
BENCHMARK(checkAndCalculate);

void saveAndLoad(benchmark::State &state)
{
    const FieldTexts texts = workedExample();
    Workspace ws;
    ws.BusClass = 3;
    for (auto _ : state) {
        Workspace loaded;
        FieldTexts loadedTexts;
        applyDataFile(*readDataFile(writeDataFile(ws, texts)), loaded, loadedTexts);
        benchmark::DoNotOptimize(loadedTexts);
    }
}
BENCHMARK(saveAndLoad);

void refuseLargestFile(benchmark::State &state)
{
    const std::string bytes = "\"ROTAVEX\"\r\n" + std::string(MaxDataFileBytes - 16, '7');
    for (auto _ : state)
        benchmark::DoNotOptimize(readDataFile(bytes));
}
BENCHMARK(refuseLargestFile);

}   // namespace
