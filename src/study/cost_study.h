#pragma once
// One cost study: the inputs of a calculation (the sixteen field texts, with
// the bus class, the service mode and the observatory switches the workspace
// holds), their data check, the calculation, and the calculation it last
// made. It is the document: the windows gather their texts into it, save
// and load it and show what it returns; rotavex-calc loads each data file
// into one and runs the same steps.

#include "check/data_check.h"
#include "model/calculation.h"
#include "storage/data_file.h"
#include "storage/data_file_reader.h"

#include <optional>
#include <string>
#include <string_view>

namespace rotavex {

// A calculation as it was made: its results, with the bus class, service
// mode and switches it ran with, and the field texts as they stood. The
// windows may show other data later; the results stay those of the run.
struct CalculatedResults {
    PricedStudy results;
    FieldTexts texts;
    const std::string &kmText() const { return texts[Input::Km]; }
    const std::string &vacioText() const { return texts[Input::Vacio]; }
};

// How a save or a load of the study's data file went.
struct DataFileOutcome {
    enum class Result { Done, Failed, NotADataFile } result = Result::Done;
    std::string cause;    // why it Failed (not read, or not saved), in the user's words
    bool empty = false;   // NotADataFile: there was not a single byte
    bool done() const { return result == Result::Done; }
};

class CostStudy {
public:
    explicit CostStudy(Workspace &workspace) : ws_(workspace) {}

    Workspace &workspace() { return ws_; }
    const Workspace &workspace() const { return ws_; }

    // The inputs as the fields hold them.
    FieldTexts texts;

    DataCheckResult check() const { return runDataCheck(ws_, texts); }

    // Prices the inputs. On success the workspace holds the results, and
    // the study keeps them with the trip's texts as its last calculation; at
    // a fault neither changes and the fault says where it stopped.
    std::optional<CalculationFault> calculate();

    // Checks, then calculates when the check allows it: what rotavex-calc
    // does with a file. Refused or faulty, no calculation is kept.
    struct Pricing {
        DataCheckResult check;
        std::optional<CalculationFault> fault;
        bool priced() const { return check.calculationOffered() && !fault; }
    };
    Pricing checkAndCalculate();

    const std::optional<CalculatedResults> &lastCalculation() const { return last_; }
    // "Nuevo Cálculo": the figures stay in the workspace until the next one.
    void forgetCalculation() { last_.reset(); }

    // Writes the inputs' data file at path (the bytes of its name), so that
    // a save that fails leaves the file as it was (see replaceFileContents).
    // DataSaved becomes true once it is written.
    DataFileOutcome saveTo(const std::string &path);

    // Takes the data file at path, or on a descriptor already open (standard
    // input), as the inputs. Groups the file saved as "Observatorio" are
    // emptied, or switched to the observatory as their button would. Nothing
    // changes when it cannot be read or is not a data file.
    enum class SavedObservatoryGroups { Emptied, SwitchedOn };
    DataFileOutcome loadFrom(const std::string &path, SavedObservatoryGroups groups);
    DataFileOutcome loadFromDescriptor(int fd, SavedObservatoryGroups groups);

private:
    DataFileOutcome load(const DataFileBytes &read, SavedObservatoryGroups groups);

    Workspace &ws_;
    std::optional<CalculatedResults> last_;
};

}   // namespace rotavex
