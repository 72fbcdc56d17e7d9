// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "scripture/Verse.h"

#include <QDialog>

class QComboBox;

// Picks a verse with three chained lists: book, chapter, verse.
class CSelectVerseDialog : public QDialog {
    Q_OBJECT
public:
    explicit CSelectVerseDialog(QWidget* parent = nullptr);

    // The starting verse before the run; the chosen verse after OK.
    CVerse verse;

    QComboBox* BookList() const { return books_; }
    QComboBox* ChapterList() const { return chapters_; }
    QComboBox* VerseList() const { return verses_; }

    void accept() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void FillChapters(uint16_t book);
    void FillVerses(uint16_t book, uint16_t chapter, int select);
    void OnSelectionChanged(bool bookChanged);

    QComboBox* books_;
    QComboBox* chapters_;
    QComboBox* verses_;
    bool filling_ = false;
};
