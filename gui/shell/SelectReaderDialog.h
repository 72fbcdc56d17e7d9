// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <functional>
#include <string>

class CReaderEnvironment;
class QCheckBox;
class QComboBox;
class QPushButton;

// Scrivane - Select Reader (170): choose the reader whose environment opens,
// and create, edit and delete readers.
class CSelectReaderDialog : public QDialog {
    Q_OBJECT
public:
    explicit CSelectReaderDialog(CReaderEnvironment& env, QWidget* parent = nullptr);

    // Lists the readers in collection order and selects the last reader (or
    // select when it is an index of the list).
    void FillReaderList(int select = -1);
    QComboBox* ReaderList() const { return list_; }
    QString SelectedText() const;

    void OnNewReader();
    void OnEditReader();
    void OnDeleteReader();
    void accept() override;

    // Run with each reader dialog before it is shown (tests fill it in).
    static std::function<void(QDialog&)> readerDialogHook;
    // While an environment is open, OK only names the reader chosen (ChosenName): the open one is
    // closed by the caller, and only when another reader was chosen.
    void SetChooseOnly(bool on) { chooseOnly_ = on; }
    const std::string& ChosenName() const { return chosenName_; }
    // "Open this reader at start": whether the next start reopens the reader chosen here.
    void SetOpenAtStart(bool on);
    bool OpenAtStart() const;
    // The language the windows speak from the next start: a code ("es"), empty for the desktop's.
    void SetLanguage(const QString& code);
    QString Language() const;

private:
    void UpdateButtons();
    // The selected reader's display name as stored: list index and collection
    // index coincide, and the list's text need not turn back into those bytes.
    std::string SelectedName() const;

    CReaderEnvironment& env_;
    QComboBox* list_;
    QPushButton* edit_;
    QPushButton* delete_;
    QPushButton* newReader_ = nullptr;
    QPushButton* ok_;
    QCheckBox* openAtStart_;
    QComboBox* language_;
    bool chooseOnly_ = false;
    std::string chosenName_;
};
