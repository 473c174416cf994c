#pragma once
// Connects the main window's commands to the windows they open: the data
// check and the calculation, the results, saving and loading, the
// observatory table, the reference values, the lot of services, help and
// About.

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

private:
    MainWindow &main_;
    ResultsPresenter *results_;
    QPointer<LotWindow> lot_;
};

}   // namespace rotavex
