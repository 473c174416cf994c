#pragma once
// frmGuardarD and frmCargar: the twin windows that choose where the data file
// is written and which one is read. A drive list, a folder list, a file list,
// a name field and two buttons; the window knows nothing of the data itself
// and hands the full path to the action it was given.

#include <QDialog>
#include <QListWidget>
#include <QTreeWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rotavex {

// Runs the save or load with the full path; false when it did not succeed.
using DataFileAction = std::function<bool(const QString &path)>;

class DataFileWindow : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Save, Load };

    DataFileWindow(Mode mode, DataFileAction action, QWidget *parent = nullptr);

    Mode mode() const { return mode_; }
    QString folder() const;     // the folder of the file list, native separators
    QString fullPath() const;   // folder and name field joined

    QLineEdit *nameField() const { return nameField_; }
    QListView *fileList() const { return fileList_; }
    QTreeView *folderList() const { return folderList_; }
    QLabel *nameLabel() const { return nameLabel_; }
    QPushButton *actionButton() const { return mainButton_; }   // "Guardar" or "Cargar"
    QPushButton *cancelButton() const { return cancelButton_; }

    // The folder lists and the name field follow; false when the folder
    // cannot be read (nothing changes then).
    bool openFolder(const QString &path);

public slots:
    // Escape does not close this window; only its two buttons do.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Who asked for the folder: the user in the folder list itself, or
    // anything else (opening the window, the drive list).
    enum class Origin { FolderList, Elsewhere };

    void buildControls();
    void setTabOrders();
    void fillVolumes();
    void showVolume(const QString &volumeRoot);
    QTreeWidgetItem *addFolderItem(QTreeWidgetItem *parent, const QString &name);
    void listSubfolders(QTreeWidgetItem *item);
    QTreeWidgetItem *folderItem(const QString &folder);
    void showFolderInTree(bool centre);
    void centreCurrentFolder();
    void listFiles();
    bool changeFolder(const QString &path, Origin origin);
    void selectVolumeOf(const QString &path);
    void volumeChosen(int row);
    void folderSelected(QTreeWidgetItem *item);
    void runAction();

    const Mode mode_;
    const DataFileAction action_;
    QString folder_;
    QString volumeRoot_;
    bool showingFolder_ = false;   // the program, not the user, is choosing a folder in the list
    QIcon folderIcon_;

    QListWidget *fileList_ = nullptr;
    QTreeWidget *folderList_ = nullptr;
    QComboBox *driveList_ = nullptr;
    QLabel *nameLabel_ = nullptr;
    QLineEdit *nameField_ = nullptr;
    QPushButton *mainButton_ = nullptr;
    QPushButton *cancelButton_ = nullptr;
};

// Opens the window modally; it is gone when these return.
void openSaveWindow(QWidget *parent, DataFileAction saveTo);
void openLoadWindow(QWidget *parent, DataFileAction loadFrom);

inline const QString SaveFailedMessage = QStringLiteral(
    "No se han podido guardar los datos en el fichero indicado. Compruebe el nombre y la carpeta.");

}   // namespace rotavex
