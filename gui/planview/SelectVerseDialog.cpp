// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelectVerseDialog.h"

#include "DialogUnits.h"
#include "framework/HelpService.h"
#include "framework/Translation.h"
#include "scripture/Bible.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

CSelectVerseDialog::CSelectVerseDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("CSelectVerseDialog", "Scrivane - Select Verse"));
    CDialogUnits du(this);
    setFixedSize(du.Size(186, 62));
    auto label = [&](const QString& text, int x, int w) {
        auto* l = new QLabel(text, this);
        l->setGeometry(du.Rect(x, 7, w, 9));
    };
    label(tr("Book"), 7, 80);
    label(tr("Chapter"), 92, 40);
    label(tr("Verse"), 137, 40);
    books_ = new QComboBox(this);
    books_->setGeometry(du.Rect(7, 17, 80, 14));
    books_->setMaxVisibleItems(20);
    SetControlId(books_, 1122);
    chapters_ = new QComboBox(this);
    chapters_->setGeometry(du.Rect(92, 17, 40, 14));
    chapters_->setMaxVisibleItems(20);
    SetControlId(chapters_, 1123);
    verses_ = new QComboBox(this);
    verses_->setGeometry(du.Rect(137, 17, 42, 14));
    verses_->setMaxVisibleItems(20);
    SetControlId(verses_, 1124);
    auto* ok = new QPushButton(QCoreApplication::translate("CSelectVerseDialog", "OK"), this);
    ok->setGeometry(du.Rect(37, 40, 50, 14));
    ok->setDefault(true);
    SetControlId(ok, 1);
    auto* cancel = new QPushButton(QCoreApplication::translate("CSelectVerseDialog", "Cancel"), this);
    cancel->setGeometry(du.Rect(99, 40, 50, 14));
    SetControlId(cancel, 2);
    CHelpService::InstallDialogHelp(this, 177, {1, 2, 1122, 1123, 1124});
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(books_, &QComboBox::currentIndexChanged, this, [this] { OnSelectionChanged(true); });
    connect(chapters_, &QComboBox::currentIndexChanged, this, [this] { OnSelectionChanged(false); });
}

void CSelectVerseDialog::showEvent(QShowEvent* e) {
    CBible& bible = TheBible();
    {
        QSignalBlocker b1(books_), b2(chapters_);
        books_->clear();
        for (uint16_t b = 1; b <= bible.GetBookCount(); ++b)
            books_->addItem(ShownBookName(b));
        books_->setCurrentIndex(verse.GetBook() - 1);
        FillChapters(verse.GetBook());
        chapters_->setEnabled(true);
        chapters_->setCurrentIndex(verse.GetChapter() - 1);
    }
    uint16_t first = bible.GetFirstVerse(verse.GetBook(), verse.GetChapter());
    FillVerses(verse.GetBook(), verse.GetChapter(), first == 1 ? verse.GetVerse() - 1 : verse.GetVerse());
    QDialog::showEvent(e);
}

void CSelectVerseDialog::FillChapters(uint16_t book) {
    QSignalBlocker block(chapters_);
    chapters_->clear();
    for (uint16_t c = 1; c <= TheBible().GetChapterCount(book); ++c)
        chapters_->addItem(QString::number(c));
}

void CSelectVerseDialog::FillVerses(uint16_t book, uint16_t chapter, int select) {
    CBible& bible = TheBible();
    uint16_t first = bible.GetFirstVerse(book, chapter);
    uint16_t slotCount = bible.GetVerseSlotCount(book, chapter);
    QSignalBlocker block(verses_);
    verses_->clear();
    for (uint16_t i = 0; i < slotCount; ++i)
        verses_->addItem(QString::number(first + i));
    verses_->setCurrentIndex(select >= 0 && select < slotCount ? select : 0);
}

// A new book refills the chapter list; a new chapter refills it only when the
// list still belongs to another book. The verse list keeps its entry where it can.
void CSelectVerseDialog::OnSelectionChanged(bool bookChanged) {
    uint16_t book = static_cast<uint16_t>(books_->currentIndex() + 1);
    uint16_t count = TheBible().GetChapterCount(book);
    uint16_t chapter = 1;
    int previousVerse = verses_->currentIndex() < 0 ? INT32_MAX : verses_->currentIndex();
    if (count == 1) {
        QSignalBlocker block(chapters_);
        chapters_->setCurrentIndex(0);
        chapters_->setEnabled(false);
    } else {
        chapters_->setEnabled(true);
        chapter = static_cast<uint16_t>(chapters_->currentIndex() + 1);
        const bool outOfRange = chapter > count || chapter == 0;
        if (outOfRange) chapter = 1;
        if (bookChanged || outOfRange) {
            FillChapters(book);
            QSignalBlocker block(chapters_);
            chapters_->setCurrentIndex(chapter - 1);
        }
    }
    FillVerses(book, chapter, previousVerse);
}

void CSelectVerseDialog::accept() {
    uint16_t book = static_cast<uint16_t>(books_->currentIndex() + 1);
    uint16_t chapter = static_cast<uint16_t>(chapters_->currentIndex() + 1);
    uint16_t first = TheBible().GetFirstVerse(book, chapter);
    // No verse entry selected gives an invalid number, which SetReference repairs.
    uint16_t v =
        verses_->currentIndex() < 0 ? 0xFFFF : static_cast<uint16_t>(verses_->currentIndex() + first);
    verse.SetReference(book, chapter, v);
    QDialog::accept();
}
