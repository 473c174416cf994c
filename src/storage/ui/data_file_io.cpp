#include "data_file_io.h"

#include "file_name_text.h"
#include "storage/failure_causes.h"
#include "storage/file_replacement.h"

namespace rotavex {

bool saveDataFile(const QString &path, const std::string &bytes, QString *cause)
{
    const FileReplacement result = replaceFileContents(fileNameBytes(path).toStdString(), bytes);
    if (!result.replaced && cause)
        *cause = QString::fromStdString(saveFailureText(result));
    return result.replaced;
}

DataFileBytes readDataFileBytes(const QString &path) { return readDataFileFromDisk(fileNameBytes(path).toStdString()); }

}   // namespace rotavex
