#pragma once
// MDIForm1, the frame of the program: the menus, the toolbar strip, the
// status bar and the five child windows inside. It owns the workspace of
// the run and the data windows; every other window is opened from here.

#include "entry/ui/input_windows.h"
#include "model/workspace.h"
#include "study/cost_study.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;

namespace rotavex {

class ReferenceChoice;
class ResultsWindow;
class StatusIndicators;

// The menu items, created once with the menus. The items whose windows open
// elsewhere (saving, loading, the observatory, the reference values, the
// check, help and About) are connected by those windows' owners.
struct MainCommands {
    QAction *save = nullptr;   // Archivo
    QAction *load = nullptr;
    QAction *exit = nullptr;
    QAction *observatory = nullptr;   // Cálculo
    QAction *reference = nullptr;
    QAction *check = nullptr;
    QAction *calculate = nullptr;
    QAction *compare = nullptr;
    QAction *lot = nullptr;
    QAction *revision = nullptr;
    QAction *showGeneral = nullptr;   // Ventanas
    QAction *showVehicle = nullptr;
    QAction *showRunning = nullptr;
    QAction *showTrip = nullptr;
    QAction *showResults = nullptr;
    QAction *inputLayout = nullptr;
    QAction *minimise = nullptr;
    QAction *cascade = nullptr;
    QAction *help = nullptr;   // Ayuda
    QAction *about = nullptr;
};

// The buttons of the toolbar strip, left to right.
struct MainToolbar {
    QPushButton *general = nullptr;
    QPushButton *vehicle = nullptr;
    QPushButton *running = nullptr;
    QPushButton *trip = nullptr;
    QPushButton *calculate = nullptr;
    QPushButton *results = nullptr;
    QPushButton *minimise = nullptr;
    QPushButton *inputLayout = nullptr;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    Workspace &workspace() { return workspace_; }
    // The calculation's steps over the workspace and the data windows' texts.
    CostStudy &study() { return study_; }
    InputWindows &inputWindows() { return *inputs_; }
    ResultsWindow &resultsWindow() { return *results_; }
    QMdiArea *mdiArea() const { return mdi_; }

    // The frames the child windows sit in.
    QMdiSubWindow *frame(DataWindow window) const { return dataFrames_[std::size_t(window)]; }
    QMdiSubWindow *resultsFrame() const { return resultsFrame_; }

    // The set of reference values in use, which the next calculation takes.
    ReferenceChoice &referenceChoice() { return *reference_; }

    // The status bar's panels with the set of reference values in use and
    // with today's date.
    QLabel *referencePanel() const { return referencePanel_; }
    QLabel *datePanel() const { return datePanel_; }

    const MainCommands &commands() const { return commands_; }
    const MainToolbar &toolbar() const { return toolbar_; }

    // The save step of the exit procedure: opens the save window modally
    // and returns when it has closed, whatever the user did there.
    void setSaveStep(std::function<void()> saveStep) { saveStep_ = std::move(saveStep); }
    // A step asked before the data's save question, for a window whose own
    // changes are not saved: it asks about them and says whether the
    // program may end (false when the user would rather stay).
    void addExitStep(std::function<bool()> mayEnd) { exitSteps_.push_back(std::move(mayEnd)); }

    void activateChild(QMdiSubWindow *frame);   // a minimised child stays minimised
    void restoreAndActivateChild(QMdiSubWindow *frame);
    void minimiseActiveChild();
    void showInputLayout();    // "Vista de datos"
    void calculateCommand();   // message, then the check command
    // The two questions; true when the user confirmed the exit.
    bool confirmExit();
    void exitProgram();   // "Salir"

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createMenus();
    void connectMenus();
    QWidget *createToolbar();
    void connectToolbar();
    void switchFocusToOrFromToolbar();
    void createStatusBar();
    void createChildWindows();
    QMdiSubWindow *addChild(QWidget *content);
    static QAction *addItem(QMenu *menu, const char *name, const QString &caption,
                            const QKeySequence &shortcut = QKeySequence());

    Workspace workspace_;
    CostStudy study_{workspace_};
    ReferenceChoice *reference_ = nullptr;
    QString referenceStartMessage_;   // why the set remembered could not be read, told once shown
    std::unique_ptr<InputWindows> inputs_;
    ResultsWindow *results_ = nullptr;
    QMdiArea *mdi_ = nullptr;
    std::array<QMdiSubWindow *, 4> dataFrames_{};
    QMdiSubWindow *resultsFrame_ = nullptr;
    MainCommands commands_;
    MainToolbar toolbar_;
    QWidget *toolbarStrip_ = nullptr;
    StatusIndicators *indicators_ = nullptr;
    QLabel *referencePanel_ = nullptr;
    QLabel *datePanel_ = nullptr;
    std::function<void()> saveStep_;
    std::vector<std::function<bool()>> exitSteps_;
    bool exitConfirmed_ = false;
};

inline const QString CheckAnnouncement = QStringLiteral("Antes de hacer el cálculo se comprobarán los datos");
inline const QString SaveQuestion = QStringLiteral("No ha guardado sus datos, ¿Desea guardar ahora?");
inline const QString ExitQuestion = QStringLiteral("¿Está seguro de que desea salir?");
inline const QString StatusText = QStringLiteral("Tesmora de la Dizezirad de Valdoria");

}   // namespace rotavex
