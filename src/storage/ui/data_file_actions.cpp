#include "data_file_actions.h"

#include "data_file_io.h"
#include "widgets/prompter.h"

namespace rotavex {

bool saveWorkspace(const QString &path, Workspace &ws, const FieldTexts &texts)
{
    if (!saveDataFile(path, writeDataFile(ws, texts)))
        return false;
    ws.DataSaved = true;
    return true;
}

std::optional<DataFileContent> readWorkspaceFile(const QString &path)
{
    std::optional<DataFileContent> content;
    if (const auto bytes = readDataFileBytes(path))
        content = readDataFile(*bytes);
    if (!content)
        prompter().inform(
            QString::fromUtf8(ForeignFileMessage.data(), static_cast<qsizetype>(ForeignFileMessage.size())));
    return content;
}

}   // namespace rotavex
