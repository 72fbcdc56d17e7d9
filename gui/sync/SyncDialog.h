// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "sync/Sync.h"

#include <QDialog>
#include <functional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTreeWidget;

// Reading Plan > Sync with Other Computers: links the open reader to a folder that a file-sync
// tool shares between the reader's computers, shows the computers merged, and unlinks.
class CSyncDialog : public QDialog {
    Q_OBJECT
public:
    // syncNow merges the open reader (saving and reloading its windows around it).
    CSyncDialog(const SyncPaths& paths, const SharedReader& reader, std::function<SyncResult()> syncNow,
                QWidget* parent);

private:
    void ShowState();
    void FolderChosen();
    void Link();
    void Unlink();
    void SyncNow();
    void ShowDevices(const SyncResult& result);

    SyncPaths paths_;
    SharedReader reader_;
    std::function<SyncResult()> syncNow_;
    std::vector<SharedReader> found_;

    QStackedWidget* pages_;
    // Not linked: the folder, the readers there, and how to join.
    QLineEdit* folder_;
    QListWidget* readers_;
    QRadioButton* share_;
    QRadioButton* join_;
    QRadioButton* addMine_;
    QButtonGroup* how_;
    QPushButton* link_;
    // Linked: where, and the computers.
    QLabel* linkedTo_;
    QTreeWidget* devices_;
    QLabel* problem_;
};
