#pragma once
// frmGuardarD and frmCargar: the twin windows that choose where the data file
// is written and which one is read. A drive list, a folder list, a file list,
// a name field and two buttons; the window knows nothing of the data itself
// and hands the full path to the action it was given.

#include <QDialog>

#include <functional>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QTreeView;

namespace rotavex {

class VolumeTreeFilter;

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
    QPushButton *actionButton() const { return mainButton_; }   // "Guardar" or "Cargar"
    QPushButton *cancelButton() const { return cancelButton_; }

    // The folder lists and the name field follow; false when the folder
    // cannot be read (nothing changes then).
    bool openFolder(const QString &path);

public slots:
    // Escape does not close this window; only its two buttons do.
    void reject() override;

private:
    void buildControls();
    void setTabOrders();
    void fillVolumes();
    void showVolume(const QString &volumeRoot);
    void showFolderInTree();
    QString folderAt(const QModelIndex &proxyIndex) const;
    void selectVolumeOf(const QString &path);
    void volumeChosen(int row);
    void folderSelected(const QModelIndex &proxyIndex);
    void fileChosen(const QModelIndex &index);
    void runAction();

    const Mode mode_;
    const DataFileAction action_;
    QString folder_;
    QString volumeRoot_;

    QFileSystemModel *fileModel_ = nullptr;
    QFileSystemModel *folderModel_ = nullptr;
    VolumeTreeFilter *folderFilter_ = nullptr;

    QListView *fileList_ = nullptr;
    QTreeView *folderList_ = nullptr;
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
