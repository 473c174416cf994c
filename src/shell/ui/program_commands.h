#pragma once
// Connects the main window's commands to the windows they open: the data
// check and the calculation, the results, saving and loading, the
// observatory table, the reference values, the lot of services, the
// price revision, help and About.

#include "revision/ui/revision_window.h"

#include <QObject>
#include <QPointer>

namespace rotavex {

class LotWindow;
class MainWindow;
class ResultsPresenter;

class ProgramCommands : public QObject {
    Q_OBJECT
public:
    explicit ProgramCommands(MainWindow &main);

    void openCheck();
    void openSave();
    void openLoad();
    // The lot window, one for the whole program: brought forward when open.
    void openLot();
    // "Revisión de precios…": one window, opened or brought to the front.
    void openRevision();
    RevisionWindow *revisionWindow() const { return revision_; }
    // The lot last priced, for the revision's choice of weights.
    void setLotStructure(RevisionWindow::StructureSource lot);

private:
    MainWindow &main_;
    ResultsPresenter *results_;
    QPointer<LotWindow> lot_;
    QPointer<RevisionWindow> revision_;
    RevisionWindow::StructureSource lotStructure_;
};

}   // namespace rotavex
