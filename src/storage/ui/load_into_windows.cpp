#include "load_into_windows.h"

#include "data_file_actions.h"

#include "entry/ui/input_windows.h"

namespace rotavex {

bool loadIntoWindows(const QString &path, Workspace &ws, InputWindows &inputs)
{
    const auto content = readWorkspaceFile(path);
    if (!content)
        return false;
    FieldTexts texts = inputs.fieldTexts();
    applyDataFile(*content, ws, texts);
    // A class the program does not know leaves the options as they are.
    if (isKnownBusClass(ws.BusClass))
        inputs.selectBusClass(ws.BusClass);
    inputs.selectServiceMode(ws.ServiceMode);
    for (Input input : AllInputs)
        inputs.setFieldText(input, QString::fromStdString(texts[input]));
    return true;
}

}   // namespace rotavex
