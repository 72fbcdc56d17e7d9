// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/MdiChildFrame.h"

#include <initializer_list>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

// The verse notes window, with the verse navigation bar at the top. The bar
// only holds the controls; the verse notes view fills and answers them.
class CBibleNoteChildFrame : public CMdiChildFrame {
    Q_OBJECT
public:
    CBibleNoteChildFrame();

    QWidget* NavigationBar() const { return bar_; }
    QComboBox* BookList() const { return books_; }       // 1125
    QComboBox* ChapterList() const { return chapters_; } // 1127
    QComboBox* VerseList() const { return verses_; }     // 1128
    QPushButton* PreviousButton() const { return previous_; }
    QPushButton* NextButton() const { return next_; }

protected:
    QWidget* WrapView(QWidget* view) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ArrangeBar(bool twoRows);
    int RowWidth(std::initializer_list<QWidget*> widgets) const;

    QWidget* bar_ = nullptr;
    QGridLayout* grid_ = nullptr;
    QLabel* label_ = nullptr;
    bool twoRows_ = false;
    QComboBox* books_ = nullptr;
    QComboBox* chapters_ = nullptr;
    QComboBox* verses_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
};
