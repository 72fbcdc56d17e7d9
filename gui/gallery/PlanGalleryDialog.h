// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/UiServices.h"
#include "gallery/PlanGallery.h"

#include <QDate>
#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;

// New Plan from Gallery: the shipped templates and the reader's own, each
// with its length, reading days and the first week of readings as a plan
// made from the chosen start date would have them; a dated list proposes its
// first date. Files that cannot be used are listed with the
// reason and cannot be chosen.
class CPlanGalleryDialog : public QDialog {
    Q_OBJECT
public:
    CPlanGalleryDialog(std::vector<GalleryEntry> entries, QWidget* parent = nullptr);

    QListWidget* List() const { return list_; }
    // Selects the usable entry of that title; false when there is none.
    bool SelectTitle(const QString& title);
    // The chosen file, once accepted.
    std::string ChosenPath() const;
    const std::vector<GalleryEntry>& Entries() const { return entries_; }
    // The day the plan starts (today unless changed), and whether the days before today are left out.
    QDateEdit* StartBox() const { return start_; }
    QCheckBox* SkipPastBox() const { return skipPast_; }
    PlanStartChoice StartChoice() const;

private:
    void ShowSelected();
    // Another plan chosen: its own start date is proposed, then it is shown.
    void SelectionChanged();
    // The selected entry described again when the start date or the choice to
    // leave out the past changed since it was.
    void FollowStart();
    const GalleryEntry* Selected() const;
    GalleryEntry* Selected();

    std::vector<GalleryEntry> entries_;
    QListWidget* list_;
    QLabel* title_;
    QLabel* summary_;
    QLabel* description_;
    QLabel* preview_;
    QLabel* previewHeading_;
    // The start date the dialog itself proposed last; a date the reader chose stays when another plan is
    // chosen.
    QDate proposed_;
    QPushButton* ok_;
    QDateEdit* start_;
    QCheckBox* skipPast_;
};

// A shipped plan's title or description in the reader's language; any other text as it is.
QString ShippedPlanText(const std::string& english);

// The dialog over the shipped templates and those of directories; the chosen file, or nothing on Cancel.
// start, when given, receives the reader's start date and choice.
std::optional<std::string> RunPlanGalleryDialog(QWidget* parent, const std::vector<std::string>& directories,
                                                PlanStartChoice* start = nullptr);
