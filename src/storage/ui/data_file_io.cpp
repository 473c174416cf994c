#include "data_file_io.h"

#include "storage/data_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace rotavex {

namespace {

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool saveDataFile(const QString &path, const std::string &bytes, QString *error)
{
    const QFileInfo target(path);
    if (target.fileName().isEmpty())
        return fail(error, QStringLiteral("no file name"));
    if (target.isDir())
        return fail(error, QStringLiteral("the name is a folder"));
    if (!target.dir().exists())
        return fail(error, QStringLiteral("the folder does not exist"));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return fail(error, file.errorString());
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

std::optional<std::string> readDataFileBytes(const QString &path)
{
    // Only plain files: a device or a pipe could block or never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(static_cast<qint64>(MaxDataFileBytes) + 1);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace rotavex
