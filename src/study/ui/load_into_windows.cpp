#include "load_into_windows.h"

#include "data_file_actions.h"

#include "entry/ui/input_windows.h"
#include "study/cost_study.h"

namespace rotavex {

bool loadIntoWindows(const QString &path, CostStudy &study, InputWindows &inputs)
{
    study.texts = inputs.fieldTexts();
    if (!loadStudy(path, study))
        return false;
    const Workspace &ws = study.workspace();
    // A class the program does not know leaves the options as they are.
    if (isKnownBusClass(ws.BusClass))
        inputs.selectBusClass(ws.BusClass);
    inputs.selectServiceMode(ws.ServiceMode);
    for (Input input : AllInputs)
        inputs.setFieldText(input, QString::fromStdString(study.texts[input]));
    return true;
}

}   // namespace rotavex
