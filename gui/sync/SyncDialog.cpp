// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncDialog.h"

#include "framework/Translation.h"
#include "journal/Journal.h"
#include "sync/SyncWatcher.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

CSyncDialog::CSyncDialog(const SyncPaths& paths, const SharedReader& reader,
                         std::function<SyncResult()> syncNow, QWidget* parent)
    : QDialog(parent), paths_(paths), reader_(reader), syncNow_(std::move(syncNow)) {
    setWindowTitle(QCoreApplication::translate("Sync", "Sync with Other Computers"));
    auto* layout = new QVBoxLayout(this);
    pages_ = new QStackedWidget(this);
    layout->addWidget(pages_);

    // Not linked yet.
    auto* unlinked = new QWidget(pages_);
    auto* grid = new QGridLayout(unlinked);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* intro = new QLabel(
        QCoreApplication::translate(
            "Sync", "Keep this reader's readings and notes the same on your other computers. Choose a "
                    "folder that your file-sync tool (such as Syncthing, Nextcloud or Dropbox) shares "
                    "between them. Only this computer's journal is kept there, never the reader's "
                    "files."),
        unlinked);
    intro->setWordWrap(true);
    grid->addWidget(intro, 0, 0, 1, 3);
    folder_ = new QLineEdit(unlinked);
    auto* folderLabel = new QLabel(QCoreApplication::translate("Sync", "&Folder:"), unlinked);
    folderLabel->setBuddy(folder_);
    auto* browse = new QPushButton(QCoreApplication::translate("Sync", "B&rowse..."), unlinked);
    grid->addWidget(folderLabel, 1, 0);
    grid->addWidget(folder_, 1, 1);
    grid->addWidget(browse, 1, 2);
    auto* readersLabel =
        new QLabel(QCoreApplication::translate("Sync", "Readers already shared in this folder:"), unlinked);
    readers_ = new QListWidget(unlinked);
    readers_->setAccessibleName(QCoreApplication::translate("Sync", "Readers already shared in this folder"));
    readersLabel->setBuddy(readers_);
    readers_->setMaximumHeight(readers_->fontMetrics().height() * 6);
    grid->addWidget(readersLabel, 2, 0, 1, 3);
    grid->addWidget(readers_, 3, 0, 1, 3);
    share_ = new QRadioButton(QCoreApplication::translate("Sync", "&Share this reader from this computer"),
                              unlinked);
    join_ = new QRadioButton(
        QCoreApplication::translate("Sync", "&Use the readings from the other computers"), unlinked);
    addMine_ =
        new QRadioButton(QCoreApplication::translate("Sync", "&Add this computer's readings too"), unlinked);
    how_ = new QButtonGroup(this);
    how_->addButton(share_);
    how_->addButton(join_);
    how_->addButton(addMine_);
    grid->addWidget(share_, 4, 0, 1, 3);
    grid->addWidget(join_, 5, 0, 1, 3);
    auto* kept =
        new QLabel(QCoreApplication::translate(
                       "Sync", "This computer's own files for the reader are kept beside them as a backup."),
                   unlinked);
    kept->setWordWrap(true);
    kept->setIndent(24);
    grid->addWidget(kept, 6, 0, 1, 3);
    grid->addWidget(addMine_, 7, 0, 1, 3);
    link_ = new QPushButton(QCoreApplication::translate("Sync", "&Link"), unlinked);
    grid->addWidget(link_, 8, 2);
    pages_->addWidget(unlinked);

    // Linked.
    auto* linked = new QWidget(pages_);
    auto* column = new QVBoxLayout(linked);
    column->setContentsMargins(0, 0, 0, 0);
    linkedTo_ = new QLabel(linked);
    linkedTo_->setWordWrap(true);
    linkedTo_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(linkedTo_);
    devices_ = new QTreeWidget(linked);
    devices_->setRootIsDecorated(false);
    devices_->setHeaderLabels({QCoreApplication::translate("Sync", "Computer"),
                               QCoreApplication::translate("Sync", "Entries"),
                               QCoreApplication::translate("Sync", "Last change"),
                               QCoreApplication::translate("Sync", "New readings")});
    devices_->setAccessibleName(QCoreApplication::translate("Sync", "Other computers"));
    devices_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    column->addWidget(devices_);
    problem_ = new QLabel(linked);
    problem_->setWordWrap(true);
    column->addWidget(problem_);
    auto* row = new QHBoxLayout();
    auto* now = new QPushButton(QCoreApplication::translate("Sync", "Sync &Now"), linked);
    auto* unlink = new QPushButton(QCoreApplication::translate("Sync", "Unlin&k"), linked);
    row->addStretch();
    row->addWidget(now);
    row->addWidget(unlink);
    column->addLayout(row);
    pages_->addWidget(linked);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString dir = QFileDialog::getExistingDirectory(
            this, QCoreApplication::translate("Sync", "Sync Folder"), folder_->text());
        if (!dir.isEmpty()) folder_->setText(dir);
        FolderChosen();
    });
    connect(folder_, &QLineEdit::editingFinished, this, &CSyncDialog::FolderChosen);
    connect(readers_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && share_->isChecked()) join_->setChecked(true);
        ShowState();
    });
    connect(how_, &QButtonGroup::buttonToggled, this, [this] { ShowState(); });
    connect(link_, &QPushButton::clicked, this, &CSyncDialog::Link);
    connect(now, &QPushButton::clicked, this, &CSyncDialog::SyncNow);
    connect(unlink, &QPushButton::clicked, this, &CSyncDialog::Unlink);
    share_->setChecked(true);
    ShowState();
    if (ReadSyncLink(paths_.readerDirectory)) SyncNow();
    resize(sizeHint().expandedTo(QSize(520, 0)));
}

void CSyncDialog::ShowState() {
    const std::optional<SyncLink> link = ReadSyncLink(paths_.readerDirectory);
    pages_->setCurrentIndex(link ? 1 : 0);
    if (link) {
        linkedTo_->setText(
            QCoreApplication::translate("Sync", "%1 is linked to the sync folder %2.")
                .arg(QString::fromStdString(reader_.displayName), QString::fromStdString(link->folder)));
        return;
    }
    // One reader of a name in a folder: a second is joined, not shared again.
    bool sameName = false;
    for (const SharedReader& r : found_)
        sameName = sameName || r.displayName == reader_.displayName;
    share_->setEnabled(!sameName);
    const bool chosen = readers_->currentRow() >= 0;
    join_->setEnabled(chosen);
    addMine_->setEnabled(chosen);
    link_->setEnabled(!folder_->text().trimmed().isEmpty() && how_->checkedButton() &&
                      how_->checkedButton()->isEnabled() && (share_->isChecked() || chosen));
}

void CSyncDialog::FolderChosen() {
    readers_->clear();
    found_.clear();
    const std::string folder = folder_->text().trimmed().toStdString();
    if (!folder.empty()) {
        std::string problem;
        found_ = FindSharedReaders(folder, &problem);
        for (const SharedReader& r : found_)
            readers_->addItem(QString::fromStdString(r.displayName));
        // The same reader as this one is the likely choice.
        for (size_t i = 0; i < found_.size(); ++i)
            if (found_[i].displayName == reader_.displayName) readers_->setCurrentRow(int(i));
    }
    ShowState();
}

void CSyncDialog::Link() {
    const std::string folder = folder_->text().trimmed().toStdString();
    LinkMode mode = LinkMode::share;
    SharedReader names = reader_;
    if (!share_->isChecked()) {
        const int row = readers_->currentRow();
        if (row < 0 || row >= int(found_.size())) return;
        names = found_[size_t(row)];
        mode = join_->isChecked() ? LinkMode::join : LinkMode::addMine;
    }
    std::string backup;
    if (const std::string why = LinkReader(paths_, folder, mode, names, DeviceId(), &backup); !why.empty()) {
        QMessageBox::warning(this, windowTitle(), TrCore(why));
        return;
    }
    SyncNow();
    if (!backup.empty())
        QMessageBox::information(
            this, windowTitle(),
            QCoreApplication::translate("Sync", "This computer's own files for the reader were kept in:") +
                "\n" + QString::fromStdString(backup));
}

void CSyncDialog::Unlink() {
    if (QMessageBox::question(
            this, windowTitle(),
            QCoreApplication::translate(
                "Sync", "Stop syncing this reader with the other computers?\nIts files stay as they are "
                        "on this computer, and the sync folder is left as it is.")) != QMessageBox::Yes)
        return;
    RemoveSyncLink(paths_.readerDirectory);
    devices_->clear();
    ShowState();
}

void CSyncDialog::SyncNow() {
    ShowState();
    ShowDevices(syncNow_());
}

void CSyncDialog::ShowDevices(const SyncResult& result) {
    devices_->clear();
    for (const DeviceReport& d : result.devices) {
        QString day = CSyncWatcher::EntryDay(d.lastTime);
        if (!day.isEmpty() && d.lastTime.size() >= 16)
            day += " " + QString::fromStdString(d.lastTime.substr(11, 5));
        devices_->addTopLevelItem(
            new QTreeWidgetItem({QString::fromStdString(d.device), QString::number(d.entries), day,
                                 QString::number(d.newReadings)}));
    }
    QStringList said;
    if (!result.ok && !result.problem.empty()) said << TrCore(result.problem);
    for (const std::string& s : result.skipped)
        said << TrCore(s);
    if (said.isEmpty()) {
        const QString merged = CSyncWatcher::MergedMessage(result);
        said << (merged.isEmpty() ? (result.devices.empty()
                                         ? QCoreApplication::translate(
                                               "Sync", "No other computer has written to the folder yet.")
                                         : QCoreApplication::translate(
                                               "Sync", "Everything from the other computers is here."))
                                  : merged);
    }
    problem_->setText(said.join("\n"));
}
