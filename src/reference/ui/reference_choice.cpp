#include "reference_choice.h"

#include "reference/reference_file.h"
#include "storage/failure_causes.h"
#include "storage/ui/file_name_text.h"
#include "widgets/program_settings.h"

namespace rotavex {

QString referencePanelText(const ReferenceSet &set)
{
    return QStringLiteral("Valores: %1").arg(QString::fromStdString(set.name));
}

QString unreadableReferenceMessage(const QString &path, const std::string &refusal)
{
    return QStringLiteral("No se han podido leer los valores de referencia del fichero «%1»: %2.")
        .arg(shownFileName(path), QString::fromStdString(refusal));
}

ReferenceChoice::ReferenceChoice(Workspace &workspace, QObject *parent) : QObject(parent), workspace_(workspace) {}

void ReferenceChoice::use(const ReferenceSet &set, const QString &path)
{
    workspace_.reference = std::make_shared<const ReferenceSet>(set);
    file_ = path;
    programSettings().setValue(ReferenceFileSetting, path);
    emit changed();
}

void ReferenceChoice::useBuiltIn()
{
    workspace_.reference = builtInReferenceSet();
    file_.clear();
    programSettings().remove(ReferenceFileSetting);
    emit changed();
}

std::optional<QString> ReferenceChoice::restoreRemembered()
{
    const QString path = programSettings().value(ReferenceFileSetting).toString();
    if (path.isEmpty())
        return std::nullopt;
    ReferenceFileReading reading = loadReferenceFile(filePathBytes(path));
    if (!reading.set)
        return unreadableReferenceMessage(path, reading.refusal)
               + QStringLiteral(" Se usan los del %1.").arg(QString::fromUtf8(BuiltInReferenceName));
    workspace_.reference = std::make_shared<const ReferenceSet>(std::move(*reading.set));
    file_ = path;
    emit changed();
    return std::nullopt;
}

}   // namespace rotavex
