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

// What a run has written and not yet sent. It is sent in pieces of about
// 64 KiB rather than record by record: a write of its own for each file
// would cost as much as reading it. Each method is false once a send failed.
class PendingOutput {
public:
    PendingOutput(std::ostream &out, std::ostream &err) : out_(out), err_(err) {}

    std::string &text() { return pending_; }
    bool sendWhenFull() { return pending_.size() < SendSize || send(); }
    bool send()
    {
        const bool sent = writeOutput(out_, err_, pending_);
        pending_.clear();
        return sent;
    }
    // What came before goes out ahead of the message, so that the two
    // outputs keep their order when they are one.
    bool tell(const std::string &message)
    {
        if (message.empty())
            return true;
        if (!send())
            return false;
        err_ << message;
        return true;
    }

private:
    static constexpr std::size_t SendSize = 64 * 1024;

    std::ostream &out_;
    std::ostream &err_;
    std::string pending_;
};

}   // namespace rotavex
