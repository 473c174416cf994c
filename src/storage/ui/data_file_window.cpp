#include "data_file_window.h"

#include "file_name_text.h"
#include "storage/data_file_path.h"
#include "storage/folder_files.h"
#include "widgets/design_font.h"
#include "widgets/enter_key.h"
#include "widgets/twips.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStorageInfo>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace rotavex {

namespace {

constexpr int PathRole = Qt::UserRole;         // the folder an item stands for
constexpr int ListedRole = Qt::UserRole + 1;   // its subfolders are in the list
constexpr int FileNameRole = Qt::UserRole;     // the name of a listed file, as on disk

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

DataFileWindow::DataFileWindow(const QString &controlSuffix, const QString &actionCaption, DataFileAction action,
                               QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), action_(std::move(action))
{
    setFont(designFont());
    buildControls(controlSuffix, actionCaption);
    pressFocusedButtonOnEnter(this);
    fillVolumes();
}

void DataFileWindow::buildControls(const QString &suffix, const QString &actionCaption)
{
    // Both lists are read from the disk when they change, while the user
    // waits: they are complete and in place before the next click, so a
    // click always lands on what the user saw under the pointer.
    fileList_ = new QListWidget(this);
    fileList_->setObjectName(QStringLiteral("fil") + suffix);
    fileList_->setAccessibleName(QStringLiteral("Archivos"));
    fileList_->setGeometry(twipRect(240, 240, 2895, 3210));
    fileList_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(fileList_, &QListWidget::itemClicked, this,
            [this](const QListWidgetItem *item) { nameField_->setText(item->text()); });
    connect(fileList_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> selected = fileList_->selectedItems();
        if (!selected.isEmpty())
            nameField_->setText(selected.first()->text());
    });

    folderList_ = new QTreeWidget(this);
    folderList_->setObjectName(QStringLiteral("Dir") + suffix);
    folderList_->setAccessibleName(QStringLiteral("Carpetas"));
    folderList_->setGeometry(twipRect(3360, 240, 3255, 2790));
    folderList_->setHeaderHidden(true);
    folderList_->setColumnCount(1);
    // A click opens the folder and shows its subfolders; a double click
    // does no more, rather than folding them away again.
    folderList_->setExpandsOnDoubleClick(false);
    folderIcon_ = style()->standardIcon(QStyle::SP_DirIcon);
    connect(folderList_, &QTreeWidget::itemExpanded, this, &DataFileWindow::listSubfolders);
    connect(folderList_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { folderSelected(current); });

    driveList_ = new QComboBox(this);
    driveList_->setObjectName(QStringLiteral("drv") + suffix);
    driveList_->setGeometry(twipRect(3360, 3120, 3255, 315));
    // A screen reader names a drop-down list after the label linked to it
    // (on Linux its own name is the item it shows). The drive list has no
    // label on screen, so it has one that only assistive technology meets.
    auto *driveLabel = new QLabel(QStringLiteral("Unidades"), this);
    driveLabel->setBuddy(driveList_);
    driveLabel->hide();
    connect(driveList_, &QComboBox::activated, this, &DataFileWindow::volumeChosen);

    // "Nombre de Archivo" stays on one line in the window's font. Where the
    // face is wider than the one the window was drawn for, the label takes
    // the room it needs from the name field, whose right edge stays in line
    // with the lists above it.
    nameLabel_ = new QLabel(QStringLiteral("Nombre de Archivo"), this);
    nameLabel_->setObjectName(QStringLiteral("Label1"));
    QRect label = twipRect(0, 3600, 1095, 375);
    label.setWidth(std::max(label.width(), QFontMetrics(font()).horizontalAdvance(nameLabel_->text()) + 1));
    nameLabel_->setGeometry(label);

    nameField_ = new QLineEdit(this);
    nameField_->setObjectName(QStringLiteral("txt") + suffix);
    QRect field = twipRect(1200, 3600, 5415, 375);
    field.setLeft(std::max(field.left(), label.right() + 1 + twips(1200 - 1095)));
    nameField_->setGeometry(field);
    nameField_->setToolTip(QStringLiteral("Escriba aquí el nombre del archivo"));
    nameLabel_->setBuddy(nameField_);

    mainButton_ = new QPushButton(actionCaption, this);
    mainButton_->setObjectName(QStringLiteral("cmdGuardarD"));
    mainButton_->setGeometry(twipRect(3960, 4200, 1335, 495));
    connect(mainButton_, &QPushButton::clicked, this, &DataFileWindow::runAction);

    cancelButton_ = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelButton_->setObjectName(QStringLiteral("cmdCancel"));
    cancelButton_->setGeometry(twipRect(5400, 4200, 1215, 495));
    connect(cancelButton_, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
}

void DataFileWindow::setFocusOrder(const QList<QWidget *> &order)
{
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

// The folder list shows one volume: its root as the top item and the
// folders under it.
void DataFileWindow::showVolume(const QString &volumeRoot)
{
    volumeRoot_ = volumeRoot;
    showingFolder_ = true;
    folderList_->clear();
    auto *root = new QTreeWidgetItem(folderList_, {QDir::toNativeSeparators(volumeRoot)});
    root->setData(0, PathRole, volumeRoot);
    root->setIcon(0, style()->standardIcon(QStyle::SP_DriveHDIcon));
    root->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    showingFolder_ = false;
    selectVolumeOf(volumeRoot);
}

QTreeWidgetItem *DataFileWindow::addFolderItem(QTreeWidgetItem *parent, const QString &name)
{
    auto *item = new QTreeWidgetItem(parent, {name});
    item->setData(0, PathRole, QDir(parent->data(0, PathRole).toString()).filePath(name));
    item->setIcon(0, folderIcon_);
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

// Subfolders are read when a folder is first opened or unfolded.
void DataFileWindow::listSubfolders(QTreeWidgetItem *item)
{
    if (item->data(0, ListedRole).toBool())
        return;
    item->setData(0, ListedRole, true);
    const QDir folder(item->data(0, PathRole).toString());
    for (const QString &name :
         folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware))
        addFolderItem(item, name);
    if (item->childCount() == 0)
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

// The item of a folder of the volume shown, its parents' subfolders read on
// the way (a hidden folder on the way is added, so that the folder can
// always be shown).
QTreeWidgetItem *DataFileWindow::folderItem(const QString &folder)
{
    QTreeWidgetItem *item = folderList_->topLevelItem(0);
    const QString below = QDir(volumeRoot_).relativeFilePath(folder);
    for (const QString &name : below.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (name == QLatin1String("."))
            continue;
        listSubfolders(item);
        QTreeWidgetItem *next = nullptr;
        for (int i = 0; i < item->childCount() && !next; ++i)
            if (item->child(i)->text(0) == name)
                next = item->child(i);
        item = next ? next : addFolderItem(item, name);
    }
    return item;
}

void DataFileWindow::showFolderInTree(bool centre)
{
    QTreeWidgetItem *item = folderItem(folder_);
    showingFolder_ = true;
    for (QTreeWidgetItem *folder = item; folder; folder = folder->parent())
        folder->setExpanded(true);
    folderList_->setCurrentItem(item);
    showingFolder_ = false;
    if (centre)
        centreCurrentFolder();
}

void DataFileWindow::centreCurrentFolder()
{
    // Before the window shows, the list has no size to centre in; showing
    // the window centres it then.
    if (QTreeWidgetItem *item = folderList_->currentItem(); item && folderList_->isVisible())
        folderList_->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

void DataFileWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        centreCurrentFolder();
}

void DataFileWindow::listFiles()
{
    fileList_->clear();
    QStringList names;
    for (const std::string &name : filesInFolder(fileNameBytes(folder_).toStdString()))
        names << fileNameFromBytes(QByteArray::fromStdString(name));
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = readableFileName(a).toLower().localeAwareCompare(readableFileName(b).toLower());
        return order != 0 ? order < 0 : a < b;
    });
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(readableFileName(name), fileList_);
        item->setData(FileNameRole, name);
    }
}

QString DataFileWindow::nameOnDisk() const
{
    // A name not written in UTF-8 is shown as the user reads it; the listed
    // file it names is the one meant, unless one is called by that very text.
    const QString typed = nameField_->text();
    QString listed;
    for (int row = 0; row < fileList_->count(); ++row) {
        const QListWidgetItem *item = fileList_->item(row);
        const QString name = item->data(FileNameRole).toString();
        if (name == typed)
            return typed;
        if (item->text() == typed && listed.isEmpty())
            listed = name;
    }
    return listed.isEmpty() ? typed : listed;
}

bool DataFileWindow::openFolder(const QString &path) { return changeFolder(path, Origin::Elsewhere); }

bool DataFileWindow::changeFolder(const QString &path, Origin origin)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir() || !QDir(info.absoluteFilePath()).isReadable())
        return false;
    const QString folder = QDir::cleanPath(info.absoluteFilePath());
    const QString volumeRoot = volumeRootOf(folder);
    folder_ = folder;

    if (volumeRoot != volumeRoot_)
        showVolume(volumeRoot);
    if (origin == Origin::FolderList) {
        // The folder the user opened is already chosen in the list, under
        // the pointer; its subfolders unfold below it, and nothing moves.
        QTreeWidgetItem *item = folderList_->currentItem();
        listSubfolders(item);
        item->setExpanded(true);
    } else {
        showFolderInTree(true);
    }
    listFiles();

    nameField_->setText(nameAfterFolderChange(folder == volumeRoot));
    return true;
}

void DataFileWindow::volumeChosen(int row)
{
    if (!openFolder(driveList_->itemData(row).toString())) {
        // A volume that cannot be read: stay where we were.
        selectVolumeOf(volumeRoot_);
    }
}

void DataFileWindow::folderSelected(QTreeWidgetItem *item)
{
    if (showingFolder_ || !item)
        return;
    const QString path = item->data(0, PathRole).toString();
    if (path == folder_)
        return;
    if (!changeFolder(path, Origin::FolderList)) {
        // The folder cannot be read: point the list back at the one shown.
        QTimer::singleShot(0, this, [this] { showFolderInTree(false); });
    }
}

QString DataFileWindow::folder() const { return QDir::toNativeSeparators(folder_); }

QString DataFileWindow::fullPath() const
{
    return fileNameFromBytes(QByteArray::fromStdString(
        joinDataFilePath(fileNameBytes(folder()).toStdString(), fileNameBytes(nameOnDisk()).toStdString())));
}

// A failed action has told the user why; the window stays open for another
// name or folder.
void DataFileWindow::runAction()
{
    if (action_(fullPath()))
        accept();
}

void DataFileWindow::reject() {}

}   // namespace rotavex
