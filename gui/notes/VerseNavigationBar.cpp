#include "VerseNavigationBar.h"

#include "notes/BibleNoteViewBase.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

CVerseNavigationBar::CVerseNavigationBar(QWidget* parent)
    : QWidget(parent), book_(new QComboBox), chapter_(new QComboBox), verse_(new QComboBox),
      previous_(new QPushButton(tr("Previous"))), next_(new QPushButton(tr("Next"))) {
    book_->setObjectName("bookList");
    chapter_->setObjectName("chapterList");
    verse_->setObjectName("verseList");
    previous_->setObjectName("previousButton");
    next_->setObjectName("nextButton");
    book_->setMaxVisibleItems(20);
    chapter_->setMaxVisibleItems(20);
    verse_->setMaxVisibleItems(20);
    book_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    chapter_->setMinimumContentsLength(3);
    verse_->setMinimumContentsLength(3);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->addWidget(new QLabel(tr("Bible Notes for")));
    layout->addWidget(book_);
    layout->addWidget(chapter_);
    layout->addWidget(verse_);
    layout->addSpacing(12);
    layout->addWidget(previous_);
    layout->addWidget(next_);
    layout->addStretch();

    // activated is sent for the user's choices only, never for the view's own.
    for (QComboBox* list : {book_, chapter_, verse_})
        connect(list, &QComboBox::activated, this, &CVerseNavigationBar::selectionChanged);
    connect(previous_, &QPushButton::clicked, this, &CVerseNavigationBar::previousClicked);
    connect(next_, &QPushButton::clicked, this, &CVerseNavigationBar::nextClicked);
}

QComboBox* CVerseNavigationBar::List(int controlId) const {
    switch (controlId) {
    case NoteBar::kBookList:
        return book_;
    case NoteBar::kChapterList:
        return chapter_;
    case NoteBar::kVerseList:
        return verse_;
    default:
        return nullptr;
    }
}
