#include "data_file_actions.h"

#include "storage/failure_causes.h"
#include "storage/ui/file_name_text.h"
#include "study/cost_study.h"
#include "widgets/prompter.h"

namespace rotavex {

namespace {

// The name as the messages show it: readable, and with no character that
// could break the message's lines.
QString shownName(const QString &path)
{
    return QString::fromStdString(printableText(readableFileName(path).toStdString()));
}

std::string pathBytes(const QString &path) { return fileNameBytes(path).toStdString(); }

}   // namespace

QString saveFailedMessage(const QString &path, const QString &cause)
{
    return QStringLiteral("No se han podido guardar los datos en el fichero «%1»: %2.").arg(shownName(path), cause);
}

QString loadFailedMessage(const QString &path, const QString &cause)
{
    return QStringLiteral("No se ha podido cargar el fichero «%1»: %2.").arg(shownName(path), cause);
}

bool saveStudy(const QString &path, CostStudy &study)
{
    const DataFileOutcome saved = study.saveTo(pathBytes(path));
    if (!saved.done())
        prompter().inform(saveFailedMessage(path, QString::fromStdString(saved.cause)));
    return saved.done();
}

bool loadStudy(const QString &path, CostStudy &study)
{
    const DataFileOutcome loaded = study.loadFrom(pathBytes(path), CostStudy::SavedObservatoryGroups::Emptied);
    if (loaded.result == DataFileOutcome::Result::Failed)
        prompter().inform(loadFailedMessage(path, QString::fromStdString(loaded.cause)));
    else if (loaded.result == DataFileOutcome::Result::NotADataFile)
        prompter().inform(
            QString::fromUtf8(ForeignFileMessage.data(), static_cast<qsizetype>(ForeignFileMessage.size())));
    return loaded.done();
}

}   // namespace rotavex
