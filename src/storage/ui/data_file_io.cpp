#include "data_file_io.h"

#include "storage/data_file.h"
#include "storage/data_file_reader.h"

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
    DataFileBytes read = readDataFileFromDisk(QFile::encodeName(path).toStdString());
    if (read.failure)
        return std::nullopt;
    return std::move(read.bytes);
}

} // namespace rotavex
