#pragma once
// What the save and load windows (frmGuardarD, frmCargar) share: a drive
// list, a folder list, a file list, a name field and two buttons. The window
// knows nothing of the data itself and hands the full path to the action it
// was given; each twin adds its own title, size, focus order and name rules.

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
    // The controls are named after the window (filGuardarD, DirCargarD, ...)
    // by controlSuffix; the main button reads actionCaption.
    DataFileWindow(const QString &controlSuffix, const QString &actionCaption, DataFileAction action, QWidget *parent);

    QComboBox *driveList() const { return driveList_; }
    // The focus visits the controls in this order; the first one has it.
    void setFocusOrder(const QList<QWidget *> &order);

    // What the name field shows once the folder has changed; no file is
    // selected then.
    virtual QString nameAfterFolderChange(bool volumeRoot) const = 0;

    void showEvent(QShowEvent *event) override;

private:
    // Who asked for the folder: the user in the folder list itself, or
    // anything else (opening the window, the drive list).
    enum class Origin { FolderList, Elsewhere };

    void buildControls(const QString &controlSuffix, const QString &actionCaption);
    void fillVolumes();
    void showVolume(const QString &volumeRoot);
    QTreeWidgetItem *addFolderItem(QTreeWidgetItem *parent, const QString &name);
    void listSubfolders(QTreeWidgetItem *item);
    QTreeWidgetItem *folderItem(const QString &folder);
    void showFolderInTree(bool centre);
    void centreCurrentFolder();
    void listFiles();
    QString nameOnDisk() const;
    bool changeFolder(const QString &path, Origin origin);
    void selectVolumeOf(const QString &path);
    void volumeChosen(int row);
    void folderSelected(QTreeWidgetItem *item);
    void runAction();

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

}   // namespace rotavex
