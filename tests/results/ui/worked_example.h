#pragma once
// The worked example of the cost model, priced, for the report widgets' tests.

#include "model/calculation.h"

#include <cstddef>

inline rotavex::Workspace workedExample(bool fullService)
{
    using namespace rotavex;
    Workspace ws;
    ws.BusClass = 3;
    ws.ServiceMode = fullService;
    ws.ResultsReady = true;
    FieldTexts texts;
    const char *values[InputCount] = {"30000", "1800", "10", "200000", "10", "60000", "6000", "5",
                                      "5",     "1.2",  "400", "100000", "4000", "100", "20", "4"};
    for (std::size_t i = 0; i < InputCount; ++i)
        texts.texts[i] = values[i];
    Calculate(ws, texts);
    return ws;
}
