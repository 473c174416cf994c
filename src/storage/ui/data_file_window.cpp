#include "data_file_window.h"

#include "widgets/twips.h"
#include "widgets/window_placement.h"

#include "storage/data_file_path.h"
#include "widgets/prompter.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <utility>

namespace rotavex {

namespace {

// True when path is inside folder or is folder itself ("/"-separated, clean).
bool isWithin(const QString &path, const QString &folder)
{
    if (folder.endsWith(QLatin1Char('/')))
        return path.startsWith(folder) || path + QLatin1Char('/') == folder;
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

// The root of the mounted volume that holds path.
QString volumeRootOf(const QString &path)
{
    const QStorageInfo storage(path);
    if (storage.isValid() && !storage.rootPath().isEmpty())
        return QDir::cleanPath(storage.rootPath());
    QDir dir(path);
    while (dir.cdUp()) {}
    return QDir::cleanPath(dir.absolutePath());
}

}   // namespace

// The folder list shows one volume: its root as the top item and the folders
// under it, nothing beside it.
class VolumeTreeFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setVolumeRoot(const QString &root)
    {
        root_ = root;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        const auto *files = static_cast<const QFileSystemModel *>(sourceModel());
        const QString path = QDir::cleanPath(files->filePath(files->index(row, 0, parent)));
        return isWithin(path, root_) || isWithin(root_, path);
    }

private:
    QString root_;
};

DataFileWindow::DataFileWindow(Mode mode, DataFileAction action, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), mode_(mode),
      action_(std::move(action))
{
    const bool save = mode_ == Mode::Save;
    setObjectName(save ? QStringLiteral("frmGuardarD") : QStringLiteral("frmCargar"));
    setWindowTitle(save ? QStringLiteral("Guardar datos personalizados")
                        : QStringLiteral("Cargar datos personalizados"));
    const QSize clientArea = save ? twipSize(6675, 4845) : twipSize(6690, 4785);
    if (save)
        fixAndCentreOnScreen(this, clientArea);
    else
        setFixedSize(clientArea);

    buildControls();
    fillVolumes();
    openFolder(QDir::currentPath());
    nameField_->setText(save ? QString() : folder());
    setTabOrders();
}

void DataFileWindow::buildControls()
{
    const QString suffix = mode_ == Mode::Save ? QStringLiteral("GuardarD") : QStringLiteral("CargarD");

    fileModel_ = new QFileSystemModel(this);
    fileModel_->setFilter(QDir::Files | QDir::NoDotAndDotDot);
    fileList_ = new QListView(this);
    fileList_->setObjectName(QStringLiteral("fil") + suffix);
    fileList_->setGeometry(twipRect(240, 240, 2895, 3210));
    fileList_->setModel(fileModel_);
    fileList_->setSelectionMode(QAbstractItemView::SingleSelection);
    fileList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(fileList_, &QListView::clicked, this, &DataFileWindow::fileChosen);
    connect(fileList_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!selected.indexes().isEmpty())
                    fileChosen(selected.indexes().first());
            });

    folderModel_ = new QFileSystemModel(this);
    folderModel_->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    folderFilter_ = new VolumeTreeFilter(this);
    folderFilter_->setSourceModel(folderModel_);
    folderList_ = new QTreeView(this);
    folderList_->setObjectName(QStringLiteral("Dir") + suffix);
    folderList_->setGeometry(twipRect(3360, 240, 3255, 2790));
    folderList_->setModel(folderFilter_);
    folderList_->setHeaderHidden(true);
    for (int column = 1; column < folderModel_->columnCount(); ++column)
        folderList_->hideColumn(column);
    folderList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(folderList_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { folderSelected(current); });
    // The folders are read in the background; the current one can only be
    // opened in the list once its parents have been read.
    connect(folderModel_, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        if (isWithin(folder_, QDir::cleanPath(loaded)))
            showFolderInTree();
    });

    driveList_ = new QComboBox(this);
    driveList_->setObjectName(QStringLiteral("drv") + suffix);
    driveList_->setGeometry(twipRect(3360, 3120, 3255, 315));
    connect(driveList_, &QComboBox::activated, this, &DataFileWindow::volumeChosen);

    nameLabel_ = new QLabel(QStringLiteral("Nombre de Archivo"), this);
    nameLabel_->setObjectName(QStringLiteral("Label1"));
    nameLabel_->setGeometry(twipRect(0, 3600, 1095, 375));
    nameLabel_->setWordWrap(true);

    nameField_ = new QLineEdit(this);
    nameField_->setObjectName(QStringLiteral("txt") + suffix);
    nameField_->setGeometry(twipRect(1200, 3600, 5415, 375));
    nameField_->setToolTip(QStringLiteral("Escriba aquí el nombre del archivo"));

    mainButton_ = new QPushButton(mode_ == Mode::Save ? QStringLiteral("Guardar") : QStringLiteral("Cargar "), this);
    mainButton_->setObjectName(QStringLiteral("cmdGuardarD"));
    mainButton_->setGeometry(twipRect(3960, 4200, 1335, 495));
    connect(mainButton_, &QPushButton::clicked, this, &DataFileWindow::runAction);

    cancelButton_ = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelButton_->setObjectName(QStringLiteral("cmdCancel"));
    cancelButton_->setGeometry(twipRect(5400, 4200, 1215, 495));
    connect(cancelButton_, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });

    // Enter presses no button of its own accord.
    for (QPushButton *button : {mainButton_, cancelButton_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

void DataFileWindow::setTabOrders()
{
    QList<QWidget *> order{fileList_, driveList_, folderList_, nameField_, mainButton_, cancelButton_};
    if (mode_ == Mode::Load)
        order = {cancelButton_, mainButton_, nameField_, folderList_, driveList_, fileList_};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    order.first()->setFocus();
}

void DataFileWindow::fillVolumes()
{
    QList<QStorageInfo> volumes;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        // Some mounts are single files (bound into a container); they hold no folders.
        if (volume.isValid() && QFileInfo(volume.rootPath()).isDir())
            volumes.append(volume);
    }
    std::sort(volumes.begin(), volumes.end(),
              [](const QStorageInfo &a, const QStorageInfo &b) { return a.rootPath() < b.rootPath(); });
    for (const QStorageInfo &volume : volumes) {
        const QString root = QDir::cleanPath(volume.rootPath());
        if (driveList_->findData(root) >= 0)
            continue;
        QString text = QDir::toNativeSeparators(root);
        if (!volume.name().isEmpty())
            text += QStringLiteral(" [%1]").arg(volume.name());
        driveList_->addItem(text, root);
    }
}

void DataFileWindow::selectVolumeOf(const QString &root)
{
    int row = driveList_->findData(root);
    if (row < 0) {
        driveList_->addItem(QDir::toNativeSeparators(root), root);
        row = driveList_->count() - 1;
    }
    driveList_->setCurrentIndex(row);
}

void DataFileWindow::showVolume(const QString &volumeRoot)
{
    volumeRoot_ = volumeRoot;
    folderModel_->setRootPath(volumeRoot);
    folderFilter_->setVolumeRoot(volumeRoot);
    folderList_->setRootIndex(folderFilter_->mapFromSource(folderModel_->index(volumeRoot).parent()));
    selectVolumeOf(volumeRoot);
}

QString DataFileWindow::folderAt(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid())
        return QString();
    return QDir::cleanPath(folderModel_->filePath(folderFilter_->mapToSource(proxyIndex)));
}

void DataFileWindow::showFolderInTree()
{
    const QModelIndex inTree = folderFilter_->mapFromSource(folderModel_->index(folder_));
    if (!inTree.isValid())
        return;
    folderList_->setCurrentIndex(inTree);
    for (QModelIndex folder = inTree; folder.isValid(); folder = folder.parent())
        folderList_->expand(folder);
    // The list is laid out once the window shows; scrolling waits for that.
    QTimer::singleShot(0, this, [this] {
        const QModelIndex current = folderList_->currentIndex();
        if (current.isValid())
            folderList_->scrollTo(current, QAbstractItemView::PositionAtCenter);
    });
}

bool DataFileWindow::openFolder(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir() || !QDir(info.absoluteFilePath()).isReadable())
        return false;
    const QString folder = QDir::cleanPath(info.absoluteFilePath());
    const QString volumeRoot = volumeRootOf(folder);
    folder_ = folder;

    if (volumeRoot != volumeRoot_)
        showVolume(volumeRoot);
    showFolderInTree();

    fileModel_->setRootPath(folder);
    fileList_->setRootIndex(fileModel_->index(folder));
    fileList_->clearSelection();
    fileList_->setCurrentIndex(QModelIndex());

    // After a change of folder no file is selected, so the name field is
    // emptied, except that saving offers the root of a volume by its text.
    QString name;
    if (mode_ == Mode::Save && folder == volumeRoot)
        name = this->folder();
    nameField_->setText(name);
    return true;
}

void DataFileWindow::volumeChosen(int row)
{
    if (!openFolder(driveList_->itemData(row).toString())) {
        // A volume that cannot be read: stay where we were.
        selectVolumeOf(volumeRoot_);
    }
}

void DataFileWindow::folderSelected(const QModelIndex &proxyIndex)
{
    const QString path = folderAt(proxyIndex);
    if (path.isEmpty() || path == folder_)
        return;
    if (!openFolder(path)) {
        // The folder cannot be read: point the list back at the one shown.
        QTimer::singleShot(0, this, [this] { showFolderInTree(); });
    }
}

void DataFileWindow::fileChosen(const QModelIndex &index)
{
    if (index.isValid())
        nameField_->setText(fileModel_->fileName(index));
}

QString DataFileWindow::folder() const { return QDir::toNativeSeparators(folder_); }

QString DataFileWindow::fullPath() const
{
    return QString::fromStdString(joinDataFilePath(folder().toStdString(), nameField_->text().toStdString()));
}

void DataFileWindow::runAction()
{
    if (action_(fullPath())) {
        accept();
        return;
    }
    if (mode_ == Mode::Save)
        prompter().inform(SaveFailedMessage);
}

void DataFileWindow::reject() {}

void openSaveWindow(QWidget *parent, DataFileAction saveTo)
{
    DataFileWindow window(DataFileWindow::Mode::Save, std::move(saveTo), parent);
    window.exec();
}

void openLoadWindow(QWidget *parent, DataFileAction loadFrom)
{
    DataFileWindow window(DataFileWindow::Mode::Load, std::move(loadFrom), parent);
    window.exec();
}

}   // namespace rotavex
