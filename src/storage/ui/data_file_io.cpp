#include "data_file_io.h"

#include "storage/data_file.h"
#include "storage/data_file_reader.h"
#include "storage/file_replacement.h"

#include <QFile>

namespace rotavex {

bool saveDataFile(const QString &path, const std::string &bytes, QString *error)
{
    const FileReplacement result = replaceFileContents(QFile::encodeName(path).toStdString(), bytes);
    if (!result.replaced && error)
        *error = QString::fromLocal8Bit(result.reason.data(), static_cast<qsizetype>(result.reason.size()));
    return result.replaced;
}

std::optional<std::string> readDataFileBytes(const QString &path)
{
    DataFileBytes read = readDataFileFromDisk(QFile::encodeName(path).toStdString());
    if (read.failure)
        return std::nullopt;
    return std::move(read.bytes);
}

}   // namespace rotavex
