// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "scripture/Verse.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Asks for a stretch of Bible read outside the plan, from a start verse to an
// end verse, and whether it also counts towards the current plan.
class CEnterExtraReadingDialog : public QDialog {
    Q_OBJECT
public:
    explicit CEnterExtraReadingDialog(QWidget* parent = nullptr);

    // Prepares both verses on the first verse of the canon and preselects mode.
    void Init(int mode);

    uint16_t StartIndex() const { return startIndex_; }
    uint16_t EndIndex() const { return endIndex_; }
    int Mode() const { return mode_; }

    // Applied as if the Select Verse dialog had returned v after a Change.
    void ChangeStart(const CVerse& v);
    void ChangeEnd(const CVerse& v);

    QLineEdit* StartBox() const { return startText_; }
    QLineEdit* EndBox() const { return endText_; }
    QRadioButton* LifetimeOnlyButton() const { return lifetimeOnly_; }
    QRadioButton* PlanTooButton() const { return planToo_; }
    // Where a reference is typed ("Ps 23", "John 3:16-18"); Enter records it.
    QLineEdit* ReferenceBox() const { return reference_; }
    // Why the typed reference was refused; empty while there is none.
    QString ReferenceProblem() const;

    void accept() override;

private:
    void UpdateTexts();
    // Takes the typed reference as the start and end verses; false, with the reason shown, when refused.
    bool TakeReference();
    void PickVerse(bool start);

    CVerse startVerse_;
    CVerse endVerse_;
    uint16_t startIndex_ = 0;
    uint16_t endIndex_ = 0;
    int mode_ = -1;
    QLineEdit* reference_;
    bool enterInReference_ = false;
    QLabel* problem_;
    QLineEdit* startText_;
    QLineEdit* endText_;
    QPushButton* changeStart_;
    QPushButton* changeEnd_;
    QRadioButton* lifetimeOnly_;
    QRadioButton* planToo_;
};
