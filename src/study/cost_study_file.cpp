#include "cost_study.h"

#include "storage/failure_causes.h"
#include "storage/file_replacement.h"

namespace rotavex {

DataFileOutcome CostStudy::saveTo(const std::string &path)
{
    const FileReplacement replacement = replaceFileContents(path, writeDataFile(ws_, texts));
    if (!replacement.replaced)
        return {DataFileOutcome::Result::Failed, saveFailureText(replacement)};
    ws_.DataSaved = true;
    return {};
}

DataFileOutcome CostStudy::loadFrom(const std::string &path, SavedObservatoryGroups groups)
{
    return load(readDataFileFromDisk(path), groups);
}

DataFileOutcome CostStudy::loadFromDescriptor(int fd, SavedObservatoryGroups groups)
{
    return load(readDataFileFromDescriptor(fd), groups);
}

DataFileOutcome CostStudy::load(const DataFileBytes &read, SavedObservatoryGroups groups)
{
    if (read.failure)
        return {DataFileOutcome::Result::Failed, readFailureText(read)};
    const std::optional<DataFileContent> content = readDataFile(read.bytes);
    if (!content)
        return {DataFileOutcome::Result::NotADataFile, {}, read.bytes.empty()};
    if (groups == SavedObservatoryGroups::SwitchedOn)
        applyDataFileWithObservatory(*content, ws_, texts);
    else
        applyDataFile(*content, ws_, texts);
    return {};
}

}   // namespace rotavex
