#pragma once
// Connects the main window's commands to the windows they open: the data
// check and the calculation, the results, saving and loading, the
// observatory table, the reference values, help and About.

#include <QObject>

namespace rotavex {

class MainWindow;
class ResultsPresenter;

class ProgramCommands : public QObject {
    Q_OBJECT
public:
    explicit ProgramCommands(MainWindow &main);

    void openCheck();
    void openSave();
    void openLoad();

private:
    MainWindow &main_;
    ResultsPresenter *results_;
};

}   // namespace rotavex
