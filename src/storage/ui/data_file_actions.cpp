#include "data_file_actions.h"

#include "data_file_io.h"
#include "file_name_text.h"
#include "storage/failure_causes.h"
#include "widgets/prompter.h"

namespace rotavex {

namespace {

// The name as the messages show it: readable, and with no character that
// could break the message's lines.
QString shownName(const QString &path)
{
    return QString::fromStdString(printableText(readableFileName(path).toStdString()));
}

}   // namespace

QString saveFailedMessage(const QString &path, const QString &cause)
{
    return QStringLiteral("No se han podido guardar los datos en el fichero «%1»: %2.").arg(shownName(path), cause);
}

QString loadFailedMessage(const QString &path, const QString &cause)
{
    return QStringLiteral("No se ha podido cargar el fichero «%1»: %2.").arg(shownName(path), cause);
}

bool saveWorkspace(const QString &path, Workspace &ws, const FieldTexts &texts)
{
    QString cause;
    if (!saveDataFile(path, writeDataFile(ws, texts), &cause)) {
        prompter().inform(saveFailedMessage(path, cause));
        return false;
    }
    ws.DataSaved = true;
    return true;
}

std::optional<DataFileContent> readWorkspaceFile(const QString &path)
{
    const DataFileBytes read = readDataFileBytes(path);
    if (read.failure) {
        prompter().inform(loadFailedMessage(path, QString::fromStdString(readFailureText(read))));
        return std::nullopt;
    }
    std::optional<DataFileContent> content = readDataFile(read.bytes);
    if (!content)
        prompter().inform(
            QString::fromUtf8(ForeignFileMessage.data(), static_cast<qsizetype>(ForeignFileMessage.size())));
    return content;
}

}   // namespace rotavex
