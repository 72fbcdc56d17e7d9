// SPDX-License-Identifier: GPL-3.0-or-later
#include "BibleNoteChildFrame.h"

#include "framework/HelpService.h"
#include "framework/ResourceIcon.h"
#include "framework/Translation.h"
#include "scripture/Bible.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

// A list as wide as a few characters and its icon, whatever its entries. The
// combo box's own policy for that builds the whole pop-up list at once; this
// gives the same size and leaves the pop-up until it is first opened.
class CShortList : public QComboBox {
public:
    explicit CShortList(int characters) : characters_(characters) {}

    QSize sizeHint() const override { return ContentsSize(); }
    QSize minimumSizeHint() const override { return ContentsSize(); }

private:
    QSize ContentsSize() const {
        const QFontMetrics fm = fontMetrics();
        const QSize icon = iconSize();
        QSize size(characters_ * fm.horizontalAdvance(QLatin1Char('X')) + icon.width() + 4,
                   std::max({static_cast<int>(std::ceil(QFontMetricsF(fm).height())), 14, icon.height()}) +
                       2);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        return style()->sizeFromContents(QStyle::CT_ComboBox, &option, size, this);
    }

    int characters_;
};

// Measured once for each font: every verse notes window asks.
int LongestBookName(const QFont& font) {
    static QHash<QString, int> widths;
    auto it = widths.constFind(font.key());
    if (it != widths.cend()) return *it;
    const QFontMetrics fm(font);
    int longest = 0;
    CBible& bible = TheBible();
    for (uint16_t b = 1; b <= bible.GetBookCount(); ++b)
        longest = std::max(longest, fm.horizontalAdvance(ShownBookName(b)));
    return *widths.insert(font.key(), longest);
}

} // namespace

CBibleNoteChildFrame::CBibleNoteChildFrame() : CMdiChildFrame(131, ResourceIcon(":/images/versenotes.png")) {
    // Owned by the frame until the view is put in.
    bar_ = new QWidget(this);
    bar_->hide();
    bar_->setObjectName("178");
    grid_ = new QGridLayout(bar_);
    grid_->setContentsMargins(6, 3, 6, 3);
    label_ = new QLabel(QCoreApplication::translate("CBibleNoteChildFrame", "Bible Notes for"));
    auto list = [&](int id, int width) {
        auto* c = new CShortList(width);
        c->setObjectName(QString::number(id));
        return c;
    };
    books_ = list(1125, 1);
    chapters_ = list(1127, 3);
    verses_ = list(1128, 3);
    books_->setAccessibleName(QCoreApplication::translate("Accessibility", "Book"));
    chapters_->setAccessibleName(QCoreApplication::translate("Accessibility", "Chapter"));
    verses_->setAccessibleName(QCoreApplication::translate("Accessibility", "Verse"));
    // The book list is as wide as its longest name, whatever the window's width.
    const int longest = LongestBookName(books_->font());
    QStyleOptionComboBox option;
    option.initFrom(books_);
    const QSize bookSize = books_->style()->sizeFromContents(
        QStyle::CT_ComboBox, &option, QSize(longest, books_->fontMetrics().height()), books_);
    books_->setMinimumWidth(bookSize.width());
    books_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    for (QComboBox* c : {chapters_, verses_})
        c->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    previous_ = new QPushButton(QCoreApplication::translate("CBibleNoteChildFrame", "&Previous"));
    previous_->setObjectName("1129");
    next_ = new QPushButton(QCoreApplication::translate("CBibleNoteChildFrame", "&Next"));
    next_->setObjectName("1130");
    ArrangeBar(false);
    bar_->installEventFilter(this);
    CHelpService::InstallControlHelp(bar_, {1125, 1127, 1128, 1129, 1130});
}

int CBibleNoteChildFrame::RowWidth(std::initializer_list<QWidget*> widgets) const {
    int width = grid_->contentsMargins().left() + grid_->contentsMargins().right();
    const int spacing = grid_->horizontalSpacing() < 0 ? 6 : grid_->horizontalSpacing();
    for (QWidget* w : widgets)
        width += w->sizeHint().expandedTo(w->minimumSize()).width() + spacing;
    return width;
}

void CBibleNoteChildFrame::ArrangeBar(bool twoRows) {
    // Narrow, the Previous and Next buttons go below the lists, so that
    // neither the text nor a book name is cut.
    for (QWidget* w :
         {static_cast<QWidget*>(label_), static_cast<QWidget*>(books_), static_cast<QWidget*>(chapters_),
          static_cast<QWidget*>(verses_), static_cast<QWidget*>(previous_), static_cast<QWidget*>(next_)})
        grid_->removeWidget(w);
    grid_->addWidget(label_, 0, 0);
    grid_->addWidget(books_, 0, 1);
    grid_->addWidget(chapters_, 0, 2);
    grid_->addWidget(verses_, 0, 3);
    if (twoRows) {
        grid_->addWidget(previous_, 1, 0, Qt::AlignLeft);
        grid_->addWidget(next_, 1, 1, Qt::AlignLeft);
    } else {
        grid_->addWidget(previous_, 0, 4);
        grid_->addWidget(next_, 0, 5);
    }
    for (int c = 0; c < 8; ++c)
        grid_->setColumnStretch(c, 0);
    grid_->setColumnStretch(7, 1);
    twoRows_ = twoRows;
    grid_->invalidate();
    bar_->updateGeometry();
    bar_->setMinimumWidth(RowWidth({label_, books_, chapters_, verses_}));
}

bool CBibleNoteChildFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == bar_ && event->type() == QEvent::Resize) {
        const bool twoRows = bar_->width() < RowWidth({label_, books_, chapters_, verses_, previous_, next_});
        if (twoRows != twoRows_) ArrangeBar(twoRows);
    }
    return CMdiChildFrame::eventFilter(watched, event);
}

QWidget* CBibleNoteChildFrame::WrapView(QWidget* view) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    bar_->show();
    layout->addWidget(view, 1);
    return box;
}
