// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanGalleryDialog.h"

#include "foundation/Clock.h"
#include "foundation/FileAccess.h"
#include "framework/TextConvert.h"
#include "framework/Translation.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace {

constexpr int kEntryRole = Qt::UserRole + 1;

// The titles and descriptions of the plans in plans/, which lupdate cannot read there. A plan
// added or reworded there needs its texts here too (the translated walk test says which).
constexpr const char* kShippedPlanTexts[] = {
    QT_TRANSLATE_NOOP("Gallery", "Bible in one year, three readings a day"),
    QT_TRANSLATE_NOOP("Gallery",
                      "The Old Testament, the New Testament and Psalms with Proverbs read side by "
                      "side, each finished in a year; readings end at verses so that all three last "
                      "the whole year."),
    QT_TRANSLATE_NOOP("Gallery", "Bible in one year"),
    QT_TRANSLATE_NOOP(
        "Gallery",
        "Every chapter of the Bible from Genesis to Revelation, a few chapters every day for a year."),
    QT_TRANSLATE_NOOP("Gallery", "Bible in two years on weekdays"),
    QT_TRANSLATE_NOOP("Gallery",
                      "The whole Bible in order over two years, Monday to Friday; weekends are free "
                      "for catching up."),
    QT_TRANSLATE_NOOP("Gallery", "Gospels and Acts in 30 days"),
    QT_TRANSLATE_NOOP("Gallery",
                      "The four Gospels and the Acts of the Apostles in a month, about four chapters a day."),
    QT_TRANSLATE_NOOP("Gallery", "New Testament in 90 days"),
    QT_TRANSLATE_NOOP(
        "Gallery",
        "The New Testament from Matthew to Revelation in three months, about three chapters a day."),
    QT_TRANSLATE_NOOP("Gallery", "Old Testament in one year"),
    QT_TRANSLATE_NOOP("Gallery",
                      "The Old Testament from Genesis to Malachi in a year, about three chapters a day."),
    QT_TRANSLATE_NOOP("Gallery", "Psalms and Proverbs in a month"),
    QT_TRANSLATE_NOOP("Gallery",
                      "Five psalms and one chapter of Proverbs a day; read it again each month, the "
                      "books start over."),
};

QListWidgetItem* Heading(const QString& text) {
    auto* item = new QListWidgetItem(text);
    QFont f = item->font();
    f.setBold(true);
    item->setFont(f);
    item->setFlags(Qt::ItemIsEnabled);
    item->setData(kEntryRole, -1);
    return item;
}

// An entry's title or description as the gallery shows it: a shipped plan's in the reader's
// language, a reader's own as written.
QString ShownText(const GalleryEntry& e, const std::string& text) {
    return e.origin == GalleryOrigin::shipped ? ShippedPlanText(text) : ToQ(text);
}

} // namespace

QString ShippedPlanText(const std::string& english) {
    for (const char* text : kShippedPlanTexts)
        if (english == text) return QCoreApplication::translate("Gallery", text);
    return ToQ(english);
}

CPlanGalleryDialog::CPlanGalleryDialog(std::vector<GalleryEntry> entries, QWidget* parent)
    : QDialog(parent), entries_(std::move(entries)) {
    setObjectName("planGallery");
    setWindowTitle(QCoreApplication::translate("CPlanGalleryDialog", "Scrivane - New Plan from Gallery"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    list_ = new QListWidget;
    list_->setObjectName("galleryList");
    list_->setMinimumWidth(300);
    row->addWidget(list_, 2);

    auto* details = new QGroupBox(QCoreApplication::translate("CPlanGalleryDialog", "About this plan"));
    auto* detailsLayout = new QVBoxLayout(details);
    title_ = new QLabel;
    title_->setObjectName("galleryTitle");
    QFont bold = title_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    title_->setFont(bold);
    summary_ = new QLabel;
    summary_->setObjectName("gallerySummary");
    summary_->setWordWrap(true);
    description_ = new QLabel;
    description_->setObjectName("galleryDescription");
    description_->setWordWrap(true);
    preview_ = new QLabel;
    preview_->setObjectName("galleryPreview");
    preview_->setWordWrap(true);
    preview_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    preview_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    previewHeading_ = new QLabel;
    previewHeading_->setObjectName("galleryPreviewHeading");
    for (QLabel* l : {title_, summary_, description_})
        detailsLayout->addWidget(l);
    detailsLayout->addSpacing(8);
    detailsLayout->addWidget(previewHeading_);
    detailsLayout->addWidget(preview_);
    detailsLayout->addStretch(1);
    details->setMinimumWidth(460);
    row->addWidget(details, 3);
    layout->addLayout(row);

    // A church's plan joined part-way: it started on an earlier day, and the days already gone can be left
    // out.
    auto* startRow = new QHBoxLayout;
    auto* startLabel = new QLabel(QCoreApplication::translate("CPlanGalleryDialog", "&Start on:"));
    start_ = new QDateEdit;
    start_->setObjectName("galleryStart");
    start_->setCalendarPopup(true);
    // The program's own form in English, else the reader's locale's short date (with a full year).
    const QLocale locale;
    const bool english = locale.language() == QLocale::English || locale.language() == QLocale::C;
    start_->setDisplayFormat(
        english
            ? QString("ddd MM/dd/yyyy")
            : "ddd " + locale.dateFormat(QLocale::ShortFormat).replace("yyyy", "yy").replace("yy", "yyyy"));
    const CJJulian today = Today();
    const QDate todayDate(today.GetYear(), today.GetMonth(), today.GetDay());
    start_->setDate(todayDate);
    proposed_ = todayDate;
    startLabel->setBuddy(start_);
    skipPast_ = new QCheckBox(
        QCoreApplication::translate("CPlanGalleryDialog", "&Leave out the readings dated before today"));
    skipPast_->setObjectName("gallerySkipPast");
    skipPast_->setEnabled(false);
    connect(start_, &QDateEdit::dateChanged, this, [this, todayDate](const QDate& d) {
        skipPast_->setEnabled(d < todayDate);
        if (d >= todayDate) skipPast_->setChecked(false);
        FollowStart();
    });
    connect(skipPast_, &QCheckBox::toggled, this, [this] { FollowStart(); });
    startRow->addWidget(startLabel);
    startRow->addWidget(start_);
    startRow->addSpacing(12);
    startRow->addWidget(skipPast_);
    startRow->addStretch(1);
    layout->addLayout(startRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName("1");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("2");
    layout->addWidget(buttons);

    bool shipped = false, own = false;
    for (size_t i = 0; i < entries_.size(); ++i) {
        const GalleryEntry& e = entries_[i];
        if (e.origin == GalleryOrigin::shipped && !shipped) {
            list_->addItem(Heading(tr("Ready plans")));
            shipped = true;
        } else if (e.origin == GalleryOrigin::reader && !own) {
            list_->addItem(Heading(tr("Your own templates")));
            own = true;
        }
        QString text = ShownText(e, e.title);
        if (e.origin == GalleryOrigin::reader && e.title != FileTitle(e.fileName))
            text += "  (" + ToQ(e.fileName) + ")";
        auto* item = new QListWidgetItem(e.readable ? text : tr("%1 - cannot be used").arg(ToQ(e.fileName)));
        item->setData(kEntryRole, static_cast<int>(i));
        item->setToolTip(ToQ(SummaryText(e, ShownForms())));
        // Shown so that the reader knows about it, but never offered.
        if (!e.readable) item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        list_->addItem(item);
    }
    if (entries_.empty()) list_->addItem(Heading(tr("No plan templates were found.")));

    connect(list_, &QListWidget::currentRowChanged, this, [this] { SelectionChanged(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (ok_->isEnabled()) accept();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The first usable plan is chosen to begin with.
    for (int r = 0; r < list_->count(); ++r) {
        int index = list_->item(r)->data(kEntryRole).toInt();
        if (index >= 0 && entries_[static_cast<size_t>(index)].readable) {
            list_->setCurrentRow(r);
            break;
        }
    }
    SelectionChanged();
    list_->setFocus();
    resize(900, 460);
}

const GalleryEntry* CPlanGalleryDialog::Selected() const {
    QListWidgetItem* item = list_->currentItem();
    if (!item) return nullptr;
    int index = item->data(kEntryRole).toInt();
    return index >= 0 ? &entries_[static_cast<size_t>(index)] : nullptr;
}

GalleryEntry* CPlanGalleryDialog::Selected() {
    return const_cast<GalleryEntry*>(std::as_const(*this).Selected());
}

void CPlanGalleryDialog::SelectionChanged() {
    // A dated list starts on its first date, anything else today, unless the reader chose a day.
    if (const GalleryEntry* e = Selected(); e && start_->date() == proposed_) {
        const CJJulian first = e->firstDate.value_or(Today());
        proposed_ = QDate(first.GetYear(), first.GetMonth(), first.GetDay());
        start_->setDate(proposed_);
    }
    FollowStart();
}

void CPlanGalleryDialog::FollowStart() {
    GalleryEntry* e = Selected();
    const PlanStartChoice choice = StartChoice();
    const CJJulian start = choice.start.value_or(Today());
    if (e && e->readable &&
        (start.GetDayNumber() != e->startDate.GetDayNumber() || choice.skipPast != e->skipPast))
        *e = DescribeTemplateFile(e->path, e->origin, start, choice.skipPast);
    ShowSelected();
}

void CPlanGalleryDialog::ShowSelected() {
    const GalleryEntry* e = Selected();
    ok_->setEnabled(e && e->readable);
    if (!e) {
        for (QLabel* l : {title_, summary_, description_, preview_, previewHeading_})
            l->clear();
        return;
    }
    if (e->readable && e->skipPast)
        previewHeading_->setText(QCoreApplication::translate(
            "CPlanGalleryDialog", "The first week from today, the readings dated before it left out:"));
    else if (e->readable && e->startDate.GetDayNumber() != Today().GetDayNumber())
        previewHeading_->setText(tr("The first week, starting %1:").arg(DateText(e->startDate)));
    else
        previewHeading_->setText(
            QCoreApplication::translate("CPlanGalleryDialog", "The first week, starting today:"));
    title_->setText(e->readable ? ShownText(*e, e->title) : ToQ(e->fileName));
    summary_->setText(ToQ(SummaryText(*e, ShownForms())));
    description_->setText(ShownText(*e, e->description));
    QStringList lines;
    for (const std::string& line : PreviewLines(*e, ShownForms()))
        lines << ToQ(line);
    if (e->readable && lines.isEmpty()) lines << tr("No reading is left from today on.");
    preview_->setText(lines.join('\n'));
}

bool CPlanGalleryDialog::SelectTitle(const QString& title) {
    for (int r = 0; r < list_->count(); ++r) {
        int index = list_->item(r)->data(kEntryRole).toInt();
        if (index < 0) continue;
        const GalleryEntry& e = entries_[static_cast<size_t>(index)];
        if (e.readable && ToQ(e.title) == title) {
            list_->setCurrentRow(r);
            return true;
        }
    }
    return false;
}

std::string CPlanGalleryDialog::ChosenPath() const {
    const GalleryEntry* e = Selected();
    return e && e->readable ? e->path : std::string();
}

PlanStartChoice CPlanGalleryDialog::StartChoice() const {
    const QDate d = start_->date();
    PlanStartChoice choice;
    const CJJulian day = CJJulian::Day(static_cast<int16_t>(d.year()), static_cast<int16_t>(d.month()),
                                       static_cast<int16_t>(d.day()));
    if (day.GetDayNumber() != Today().GetDayNumber()) choice.start = day;
    choice.skipPast = skipPast_->isEnabled() && skipPast_->isChecked();
    return choice;
}

std::optional<std::string> RunPlanGalleryDialog(QWidget* parent, const std::vector<std::string>& directories,
                                                PlanStartChoice* start) {
    CPlanGalleryDialog dialog(ListGallery(ShippedPlansDirectory(), directories, Today()), parent);
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenPath().empty()) return std::nullopt;
    if (start) *start = dialog.StartChoice();
    return dialog.ChosenPath();
}
