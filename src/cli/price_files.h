#pragma once

#include "comparison/observatory_comparison.h"
#include "report/number_format.h"

#include <ostream>
#include <string>
#include <vector>

namespace rotavex {

enum class OutputFormat { Text, Json, Csv };

// What is written of each priced file.
struct OutputRequest {
    OutputFormat format = OutputFormat::Text;
    // CSV as a spreadsheet opens it in the user's locale, not as programs read it.
    bool spreadsheet = false;
    // The same service on the observatory's averages beside the file's own,
    // with each figure's deviation and the total's sensitivity to each input.
    bool compare = false;
    double tolerancePct = DefaultTolerancePct;   // the deviation beyond which a figure is marked
    std::shared_ptr<const ReferenceSet> reference = builtInReferenceSet();   // for switched groups and the comparison
};

// The status of a run whose output failed.
constexpr int OutputFailed = 2;

// Prices each data file as the windows would, in the given form. Returns the
// exit status: 0 when every file was priced (and compared, when asked), 1
// when the check refused one or it could not be calculated or compared, 2
// for a file that cannot be read or is not a data file, or for output that
// could not be written.
int priceFiles(const std::vector<std::string> &files, const OutputRequest &request, std::ostream &out,
               std::ostream &err, const NumberLocale &locale);

// Writes text to out and flushes it, so that a full disk or a closed file is
// seen at once and its reason is the one errno gives now; true when it all
// reached the output, otherwise tells why on err. A reader that closes a
// pipe early ends the program by SIGPIPE, quietly, as for any filter.
bool writeOutput(std::ostream &out, std::ostream &err, const std::string &text);

}   // namespace rotavex
