#include "BibleNoteChildFrame.h"

#include "framework/HelpService.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CBibleNoteChildFrame::CBibleNoteChildFrame() : CMdiChildFrame(131, QIcon(":/images/versenotes.png")) {
    // Owned by the frame until the view is put in.
    bar_ = new QWidget(this);
    bar_->hide();
    bar_->setObjectName("178");
    auto* row = new QHBoxLayout(bar_);
    row->setContentsMargins(6, 3, 6, 3);
    row->addWidget(new QLabel("Bible Notes for"));
    auto list = [&](int id, int width) {
        auto* c = new QComboBox;
        c->setObjectName(QString::number(id));
        c->setMinimumContentsLength(width);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        row->addWidget(c);
        return c;
    };
    books_ = list(1125, 14);
    chapters_ = list(1127, 3);
    verses_ = list(1128, 3);
    previous_ = new QPushButton("Previous");
    previous_->setObjectName("1129");
    next_ = new QPushButton("Next");
    next_->setObjectName("1130");
    row->addWidget(previous_);
    row->addWidget(next_);
    row->addStretch(1);
    CHelpService::InstallControlHelp(bar_, {1125, 1127, 1128, 1129, 1130});
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
