#pragma once
// MDIForm1, the frame of the program: the menus, the toolbar strip, the
// status bar and the five child windows inside. It owns the workspace of
// the run and the data windows; every other window is opened from here.

#include "model/workspace.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;

namespace rotavex {

class InputWindows;
class ResultsWindow;
class StatusIndicators;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    Workspace &workspace() { return workspace_; }
    InputWindows &inputWindows() { return *inputs_; }
    ResultsWindow &resultsWindow() { return *results_; }
    QMdiArea *mdiArea() const { return mdi_; }

    // "frmDatos", "frmVehi", "frmMovi", "frmTray", "frmResul".
    QMdiSubWindow *subWindow(const QString &name) const;
    QWidget *childWindow(const QString &name) const;

    // A menu item by its name ("guardar", "cargar", "salir", "obser",
    // "mnuCheck", "mnuCalc", "gen", ..., "entrada", "min", "cascada",
    // "mnuhelpsi", "mnuAcerca"). The items whose windows open elsewhere
    // are triggered here and connected by those windows' owners.
    QAction *menuAction(const QString &name) const;
    QPushButton *toolbarButton(const QString &name) const;   // "cmdDatosgen", ...

    // The save step of the exit procedure: opens the save window modally
    // and returns when it has closed, whatever the user did there.
    void setSaveStep(std::function<void()> saveStep) { saveStep_ = std::move(saveStep); }

    void activateChild(const QString &name);              // a minimised child stays minimised
    void restoreAndActivateChild(const QString &name);
    void minimiseActiveChild();
    void showInputLayout();                               // "Vista de datos"
    void calculateCommand();                              // message, then the check command
    // The two questions; true when the user confirmed the exit.
    bool confirmExit();
    void exitProgram();                                   // "Salir"

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();
    QWidget *createToolbar();
    void connectToolbar();
    void createStatusBar();
    void createChildWindows();
    QMdiSubWindow *addChild(QWidget *content);
    QAction *addItem(QMenu *menu, const char *name, const QString &caption,
                     const QKeySequence &shortcut = QKeySequence());

    Workspace workspace_;
    std::unique_ptr<InputWindows> inputs_;
    ResultsWindow *results_ = nullptr;
    QMdiArea *mdi_ = nullptr;
    StatusIndicators *indicators_ = nullptr;
    std::function<void()> saveStep_;
    bool exitConfirmed_ = false;
};

inline const QString CheckAnnouncement = QStringLiteral("Antes de hacer el cálculo se comprobarán los datos");
inline const QString SaveQuestion = QStringLiteral("No ha guardado sus datos, ¿Desea guardar ahora?");
inline const QString ExitQuestion = QStringLiteral("¿Está seguro de que desea salir?");
inline const QString StatusText = QStringLiteral("Tesmora de la Dizezirad de Valdoria");

} // namespace rotavex
