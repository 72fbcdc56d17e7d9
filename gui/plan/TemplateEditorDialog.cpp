// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemplateEditorDialog.h"

#include "framework/CommandIds.h"
#include "framework/HelpService.h"
#include "framework/UiServices.h"
#include "plan/TemplateText.h"
#include "resources/Resources.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace {

constexpr const char* kCaption =
    QT_TRANSLATE_NOOP("CTemplateEditorDialog", "Scrivane - Bible Reading Plan Template Editor");
constexpr const char* kControlIdProperty = "controlId";
constexpr int kNodeRole = Qt::UserRole;

// Control ids of dialog 179.
enum : int {
    idSaveAndExit = 1,
    idAbortAndExit = 2,
    idCategoryTree = 1000,
    idSunday = 1009,
    idIncludeApocrypha = 1016,
    idMonths = 1018,
    idDays = 1019,
    idAddSection = 1020,
    idLoad = 1021,
    idSave = 1022,
    idDirectory = 1023,
    idFileName = 1025,
    idDivideBy = 1026,
    idYears = 1027,
    idRepeatBooks = 1028,
    idReset = 1029,
    idSectionTree = 1030,
    idRemoveSection = 1031,
    idReadOnly = 1033,
};

const char* const kWeekdayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};

// Section colours: none, sections 1 … 6. Hues far apart, so that neighbours
// in the tree never look alike.
const QColor kSectionColours[7] = {
    QColor(255, 255, 255), QColor(31, 95, 214),  QColor(214, 40, 40), QColor(42, 157, 58),
    QColor(240, 128, 0),   QColor(138, 63, 201), QColor(245, 208, 0),
};

QString WhatsThisFor(int controlId) {
    switch (controlId) {
    case idSaveAndExit:
        return QCoreApplication::translate(
            "CTemplateEditorDialog", "Saves the template to a file of your choice and closes the editor.");
    case idAbortAndExit:
        return QCoreApplication::translate(
            "CTemplateEditorDialog",
            "Closes the editor. When the template has changes that are not saved, you are asked whether "
            "to save them first.");
    case idCategoryTree:
        return QCoreApplication::translate(
            "CTemplateEditorDialog",
            "The books of the Bible in their groups. Choose a section on the left, then right-click a "
            "book to put it in that section, or to take it out when it is there already. Right-clicking "
            "a group does the same for each of its books; the menu key does it for the selected item. The "
            "colour shows the section: white is no "
            "section, a striped picture a group whose books are in several.");
    case idMonths:
        return QCoreApplication::translate(
            "CTemplateEditorDialog", "Months added to the length of the plan (a month counts as 30 days).");
    case idDays:
        return QCoreApplication::translate("CTemplateEditorDialog",
                                           "Days added to the length of the plan, from 0 to 2000.");
    case idAddSection:
        return QCoreApplication::translate(
            "CTemplateEditorDialog",
            "Adds a section: a group of books read side by side with the others, and selects it, so that "
            "the books you right-click next go there. Up to six sections; a new one can be added only "
            "when "
            "every section holds at least one book.");
    case idLoad:
        return QCoreApplication::translate(
            "CTemplateEditorDialog",
            "Opens a template file to change it. Plan templates and text imports can be opened; a text "
            "import may hold more than the editor can show.");
    case idSave:
        return QCoreApplication::translate(
            "CTemplateEditorDialog",
            "Saves the template as a plan template (.vntpl) or as a text import (.txt).");
    case idDirectory:
        return QCoreApplication::translate("CTemplateEditorDialog",
                                           "The folder of the template file last opened or saved.");
    case idFileName:
        return QCoreApplication::translate("CTemplateEditorDialog",
                                           "The name of the template file last opened or saved.");
    case idDivideBy:
        return QCoreApplication::translate(
            "CTemplateEditorDialog",
            "Whether each day's reading ends at the end of a chapter or may stop inside one.");
    case idYears:
        return QCoreApplication::translate("CTemplateEditorDialog",
                                           "Years of the plan's length (a year counts as 365 days).");
    case idRepeatBooks:
        return QCoreApplication::translate(
            "CTemplateEditorDialog",
            "When a section has read all its books before the plan ends, it starts over from its first "
            "book.");
    case idReset:
        return QCoreApplication::translate(
            "CTemplateEditorDialog",
            "Starts again from a new template: one year, every day, by chapters, one section with all "
            "the books.");
    case idSectionTree:
        return QCoreApplication::translate(
            "CTemplateEditorDialog",
            "The sections of the plan. Select one to choose where right-clicked books go.");
    case idRemoveSection:
        return QCoreApplication::translate(
            "CTemplateEditorDialog",
            "Removes the selected section. Its books leave the plan and the sections after it each take "
            "the number one lower.");
    case idReadOnly:
        return QCoreApplication::translate(
            "CTemplateEditorDialog",
            "Saves the template file read-only, so that it cannot be saved over later.");
    default:
        if (controlId >= idSunday && controlId < idSunday + 7)
            return QCoreApplication::translate("CTemplateEditorDialog", "Whether there is a reading on %1.")
                .arg(QLocale().dayName(controlId == idSunday ? 7 : controlId - idSunday));
        return {};
    }
}

void Tag(QWidget* widget, int controlId, const char* objectName) {
    widget->setProperty(kControlIdProperty, controlId);
    widget->setObjectName(objectName);
    widget->setWhatsThis(WhatsThisFor(controlId));
}

void FillMixed(QPainter& p, const QPainterPath& shape) {
    p.save();
    p.setClipPath(shape);
    QRectF r = shape.boundingRect();
    qreal w = r.width() / 3.0;
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(r.left() + i * w, r.top(), w + 0.5, r.height()), kSectionColours[i + 1]);
    p.restore();
}

void FillShape(QPainter& p, const QPainterPath& shape, int value) {
    if (value == kMixedSections)
        FillMixed(p, shape);
    else
        p.fillPath(shape, kSectionColours[value]);
    p.strokePath(shape, QPen(QColor(60, 60, 60), 1));
}

} // namespace

QPixmap CTemplateEditorDialog::DrawImage(int image) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (image < kClosedFolderImage) {
        bool selected = image >= kSelectedBookImage;
        int value = image % 8;
        if (selected) p.fillRect(QRect(0, 0, 16, 16), QColor(20, 20, 20));
        QPainterPath cover;
        cover.addRect(QRectF(3.5, 1.5, 10, 13));
        // Pages, then the cover with its darker spine.
        p.fillRect(QRect(5, 13, 9, 2), Qt::white);
        FillShape(p, cover, value);
        p.fillRect(QRect(4, 2, 2, 12), QColor(0, 0, 0, value == 0 ? 40 : 70));
        if (value >= 1 && value <= kMaxSections) {
            QFont font;
            font.setPixelSize(9);
            font.setBold(true);
            p.setFont(font);
            p.setPen(value == 6 || value == 4 ? Qt::black : Qt::white);
            p.drawText(QRect(6, 2, 8, 12), Qt::AlignCenter, QString::number(value));
        }
        if (selected) p.strokePath(cover, QPen(Qt::white, 1));
    } else {
        bool open = image >= kOpenFolderImage;
        int value = image % 8;
        QPainterPath back;
        back.moveTo(0.5, 3.5);
        back.lineTo(5.5, 3.5);
        back.lineTo(7.5, 5.5);
        back.lineTo(14.5, 5.5);
        back.lineTo(14.5, 13.5);
        back.lineTo(0.5, 13.5);
        back.closeSubpath();
        FillShape(p, back, value);
        if (open) {
            // The front flap folds down, showing the inside.
            p.fillRect(QRect(1, 6, 13, 7), QColor(255, 255, 255, 140));
            QPainterPath front;
            front.moveTo(3.5, 8.5);
            front.lineTo(15.5, 8.5);
            front.lineTo(12.5, 14.5);
            front.lineTo(0.5, 14.5);
            front.closeSubpath();
            FillShape(p, front, value);
        }
    }
    return pixmap;
}

int CTemplateEditorDialog::HelpContextFor(int controlId) {
    bool listed = controlId == idSaveAndExit || controlId == idAbortAndExit || controlId == idCategoryTree ||
                  (controlId >= idSunday && controlId <= idSunday + 6) ||
                  (controlId >= idMonths && controlId <= idDirectory) ||
                  (controlId >= idFileName && controlId <= idRemoveSection) || controlId == idReadOnly;
    return listed ? kControlHelpBase + controlId : HelpIdForResource(kResourceId);
}

CTemplateEditorDialog::CTemplateEditorDialog(IUiServices& ui, int includeApocrypha, QWidget* parent)
    : QDialog(parent), ui_(ui), model_(includeApocrypha) {
    InitScrivaneResources();
    setWindowTitle(tr(kCaption));
    setObjectName("templateEditorDialog");
    for (int i = 0; i < kImageCount; ++i)
        images_[i] = QIcon(DrawImage(i));
    BuildControls();
    FillControls();
    // The plan's length is the first thing to set; the file boxes only show.
    yearsList_->setFocus();
}

void CTemplateEditorDialog::BuildControls() {
    // What the gallery and Plan Properties show of a plan made from the template.
    auto* planGroup = new QGroupBox(QCoreApplication::translate("CTemplateEditorDialog", "Plan"));
    auto* planLayout = new QGridLayout(planGroup);
    titleEdit_ = new QLineEdit;
    titleEdit_->setObjectName("titleEdit");
    titleEdit_->setPlaceholderText(QCoreApplication::translate("CTemplateEditorDialog", "the file's name"));
    titleEdit_->setWhatsThis(QCoreApplication::translate(
        "CTemplateEditorDialog", "The plan's title, as New Plan from Gallery and Plan Properties show it. "
                                 "Left "
                                 "empty, the template file's name is the title."));
    descriptionEdit_ = new QLineEdit;
    descriptionEdit_->setObjectName("descriptionEdit");
    descriptionEdit_->setPlaceholderText(kDefaultTemplateDescription);
    descriptionEdit_->setWhatsThis(QCoreApplication::translate(
        "CTemplateEditorDialog", "A line about the plan, shown under its title in New Plan from Gallery "
                                 "and in Plan Properties."));
    auto* titleLabel = new QLabel(QCoreApplication::translate("CTemplateEditorDialog", "T&itle"));
    titleLabel->setBuddy(titleEdit_);
    auto* descriptionLabel = new QLabel(QCoreApplication::translate("CTemplateEditorDialog", "D&escription"));
    descriptionLabel->setBuddy(descriptionEdit_);
    planLayout->addWidget(titleLabel, 0, 0);
    planLayout->addWidget(titleEdit_, 0, 1);
    planLayout->addWidget(descriptionLabel, 0, 2);
    planLayout->addWidget(descriptionEdit_, 0, 3);
    planLayout->setColumnStretch(1, 2);
    planLayout->setColumnStretch(3, 3);

    auto* fileGroup = new QGroupBox(QCoreApplication::translate("CTemplateEditorDialog", "Template File"));
    auto* fileLayout = new QGridLayout(fileGroup);
    directoryEdit_ = new QLineEdit;
    directoryEdit_->setReadOnly(true);
    Tag(directoryEdit_, idDirectory, "directoryEdit");
    fileNameEdit_ = new QLineEdit;
    fileNameEdit_->setReadOnly(true);
    Tag(fileNameEdit_, idFileName, "fileNameEdit");
    // Shown for reading and copying, not for the Tab key to stop at.
    directoryEdit_->setFocusPolicy(Qt::ClickFocus);
    fileNameEdit_->setFocusPolicy(Qt::ClickFocus);
    readOnlyBox_ = new QCheckBox(QCoreApplication::translate("CTemplateEditorDialog", "Read Only"));
    Tag(readOnlyBox_, idReadOnly, "readOnlyBox");
    apocryphaBox_ = new QCheckBox(QCoreApplication::translate("CTemplateEditorDialog", "Include Apocrypha"));
    Tag(apocryphaBox_, idIncludeApocrypha, "includeApocryphaBox");
    apocryphaBox_->setEnabled(false);
    apocryphaBox_->setVisible(false);
    fileLayout->addWidget(new QLabel(QCoreApplication::translate("CTemplateEditorDialog", "Directory")), 0,
                          0);
    fileLayout->addWidget(directoryEdit_, 0, 1);
    fileLayout->addWidget(new QLabel(QCoreApplication::translate("CTemplateEditorDialog", "File Name")), 1,
                          0);
    fileLayout->addWidget(fileNameEdit_, 1, 1);
    fileLayout->addWidget(readOnlyBox_, 2, 1);
    fileLayout->addWidget(apocryphaBox_, 3, 1);

    auto* lengthGroup = new QGroupBox(QCoreApplication::translate("CTemplateEditorDialog", "Plan Length"));
    auto* lengthLayout = new QGridLayout(lengthGroup);
    yearsList_ = new QComboBox;
    for (int i = 0; i <= 5; ++i)
        yearsList_->addItem(QString::number(i));
    Tag(yearsList_, idYears, "yearsList");
    monthsList_ = new QComboBox;
    for (int i = 0; i <= 11; ++i)
        monthsList_->addItem(QString::number(i));
    Tag(monthsList_, idMonths, "monthsList");
    daysEdit_ = new QLineEdit;
    Tag(daysEdit_, idDays, "daysEdit");
    divideByList_ = new QComboBox;
    divideByList_->addItems({tr("Chapters"), tr("Verses")});
    Tag(divideByList_, idDivideBy, "divideByList");
    lengthLayout->addWidget(new QLabel(QCoreApplication::translate("CTemplateEditorDialog", "Years")), 0, 0);
    lengthLayout->addWidget(yearsList_, 0, 1);
    lengthLayout->addWidget(new QLabel(QCoreApplication::translate("CTemplateEditorDialog", "Months")), 1, 0);
    lengthLayout->addWidget(monthsList_, 1, 1);
    lengthLayout->addWidget(new QLabel(QCoreApplication::translate("CTemplateEditorDialog", "Days")), 2, 0);
    lengthLayout->addWidget(daysEdit_, 2, 1);
    lengthLayout->addWidget(
        new QLabel(QCoreApplication::translate("CTemplateEditorDialog", "Readings Divided By")), 3, 0);
    lengthLayout->addWidget(divideByList_, 3, 1);

    auto* daysGroup = new QGroupBox(QCoreApplication::translate("CTemplateEditorDialog", "Reading Days"));
    auto* daysLayout = new QGridLayout(daysGroup);
    for (int d = 0; d < 7; ++d) {
        weekdayBoxes_[d] = new QCheckBox(QLocale().dayName(d == 0 ? 7 : d));
        Tag(weekdayBoxes_[d], idSunday + d, kWeekdayNames[d]);
        daysLayout->addWidget(weekdayBoxes_[d], d % 4, d / 4);
        connect(weekdayBoxes_[d], &QCheckBox::clicked, this,
                [this, d](bool on) { model_.SetReadOnWeekday(d + 1, on); });
    }

    auto* sectionGroup =
        new QGroupBox(QCoreApplication::translate("CTemplateEditorDialog", "Books Per Session"));
    auto* sectionLayout = new QVBoxLayout(sectionGroup);
    sectionTree_ = new QTreeWidget;
    sectionTree_->setHeaderHidden(true);
    sectionTree_->setRootIsDecorated(false);
    sectionTree_->setMinimumHeight(130);
    Tag(sectionTree_, idSectionTree, "sectionTree");
    repeatBooksBox_ = new QCheckBox(QCoreApplication::translate("CTemplateEditorDialog", "Repeat Books"));
    Tag(repeatBooksBox_, idRepeatBooks, "repeatBooksBox");
    addSectionButton_ = new QPushButton(QCoreApplication::translate("CTemplateEditorDialog", "&Add Section"));
    Tag(addSectionButton_, idAddSection, "addSectionButton");
    removeSectionButton_ =
        new QPushButton(QCoreApplication::translate("CTemplateEditorDialog", "&Remove Section"));
    Tag(removeSectionButton_, idRemoveSection, "removeSectionButton");
    sectionLayout->addWidget(sectionTree_);
    sectionLayout->addWidget(repeatBooksBox_);
    auto* sectionButtons = new QHBoxLayout;
    sectionButtons->addWidget(addSectionButton_);
    sectionButtons->addWidget(removeSectionButton_);
    sectionLayout->addLayout(sectionButtons);
    auto* howTo = new QLabel(QCoreApplication::translate(
        "CTemplateEditorDialog", "Select a section, then right-click a book or a group of books on the right "
                                 "to "
                                 "put it in that section; right-click it again to take it out. The "
                                 "menu key does "
                                 "the same for the highlighted book."));
    howTo->setObjectName("assignHint");
    howTo->setWordWrap(true);
    sectionLayout->addWidget(howTo);

    categoryTree_ = new QTreeWidget;
    categoryTree_->setHeaderHidden(true);
    categoryTree_->setMinimumSize(230, 380);
    categoryTree_->setContextMenuPolicy(Qt::PreventContextMenu);
    Tag(categoryTree_, idCategoryTree, "categoryTree");

    categoryTree_->viewport()->installEventFilter(this);
    categoryTree_->installEventFilter(this);

    resetButton_ = new QPushButton(QCoreApplication::translate("CTemplateEditorDialog", "Rese&t Template"));
    Tag(resetButton_, idReset, "resetButton");
    loadButton_ = new QPushButton(QCoreApplication::translate("CTemplateEditorDialog", "&Load Template"));
    Tag(loadButton_, idLoad, "loadButton");
    saveButton_ = new QPushButton(QCoreApplication::translate("CTemplateEditorDialog", "&Save Template"));
    Tag(saveButton_, idSave, "saveButton");
    saveAndExitButton_ =
        new QPushButton(QCoreApplication::translate("CTemplateEditorDialog", "Save And E&xit"));
    Tag(saveAndExitButton_, idSaveAndExit, "saveAndExitButton");
    saveAndExitButton_->setDefault(true);
    abortAndExitButton_ =
        new QPushButton(QCoreApplication::translate("CTemplateEditorDialog", "A&bort And Exit"));
    Tag(abortAndExitButton_, idAbortAndExit, "abortAndExitButton");
    for (QPushButton* b : {resetButton_, loadButton_, saveButton_, addSectionButton_, removeSectionButton_})
        b->setAutoDefault(false);

    auto* left = new QVBoxLayout;
    left->addWidget(fileGroup);
    left->addWidget(lengthGroup);
    left->addWidget(daysGroup);
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(sectionGroup);
    middle->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(middle);
    top->addWidget(categoryTree_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(resetButton_);
    bottom->addWidget(loadButton_);
    bottom->addWidget(saveButton_);
    bottom->addStretch();
    bottom->addWidget(saveAndExitButton_);
    bottom->addWidget(abortAndExitButton_);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(planGroup);
    outer->addLayout(top);
    outer->addLayout(bottom);

    connect(readOnlyBox_, &QCheckBox::clicked, this, [this](bool on) { model_.readOnly = on; });
    connect(repeatBooksBox_, &QCheckBox::clicked, this, [this](bool on) { model_.SetRepeatBooks(on); });
    connect(yearsList_, &QComboBox::activated, this, [this](int i) { model_.SetPlanYears(i); });
    connect(monthsList_, &QComboBox::activated, this, [this](int i) { model_.SetPlanMonths(i); });
    connect(divideByList_, &QComboBox::activated, this, [this](int i) { model_.SetDivideBy(i); });
    connect(daysEdit_, &QLineEdit::textEdited, this, [this] { model_.DaysTextChanged(); });
    // A character the text form cannot keep is replaced where it was typed, so that the box shows what is
    // saved.
    auto followText = [this](QLineEdit* edit, void (CTemplateEditorModel::*set)(const std::string&),
                             const std::string CTemplateEditorModel::*kept) {
        connect(edit, &QLineEdit::textEdited, this, [this, edit, set, kept](const QString& text) {
            (model_.*set)(text.toStdString());
            const QString shown = QString::fromStdString(model_.*kept);
            if (shown != text) {
                const int cursor = edit->cursorPosition();
                edit->setText(shown);
                edit->setCursorPosition(cursor);
            }
        });
    };
    followText(titleEdit_, &CTemplateEditorModel::SetTitleText, &CTemplateEditorModel::titleText);
    followText(descriptionEdit_, &CTemplateEditorModel::SetDescriptionText,
               &CTemplateEditorModel::descriptionText);
    connect(sectionTree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        model_.SelectSection(current ? sectionTree_->indexOfTopLevelItem(current) + 1 : 0);
    });
    connect(categoryTree_, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { FolderExpandedChanged(item, true); });
    connect(categoryTree_, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { FolderExpandedChanged(item, false); });
    connect(addSectionButton_, &QPushButton::clicked, this, &CTemplateEditorDialog::AddSection);
    connect(removeSectionButton_, &QPushButton::clicked, this, &CTemplateEditorDialog::RemoveSection);
    connect(resetButton_, &QPushButton::clicked, this, &CTemplateEditorDialog::ResetTemplate);
    connect(loadButton_, &QPushButton::clicked, this, &CTemplateEditorDialog::LoadTemplate);
    connect(saveButton_, &QPushButton::clicked, this, &CTemplateEditorDialog::SaveTemplate);
    connect(saveAndExitButton_, &QPushButton::clicked, this, &CTemplateEditorDialog::accept);
    connect(abortAndExitButton_, &QPushButton::clicked, this, &CTemplateEditorDialog::reject);
    auto* whatsThis = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), this);
    connect(whatsThis, &QShortcut::activated, this, [] { QWhatsThis::enterWhatsThisMode(); });
}

void CTemplateEditorDialog::RebuildCategoryTree() {
    categoryTree_->clear();
    nodeItems_.clear();
    for (const CTemplateTreeNode& node : model_.TreeNodes()) {
        QTreeWidgetItem* item = node.parent < 0 ? new QTreeWidgetItem(categoryTree_)
                                                : new QTreeWidgetItem(nodeItems_[node.parent]);
        item->setText(0, QString::fromStdString(node.label));
        item->setData(0, kNodeRole, static_cast<int>(nodeItems_.size()));
        nodeItems_.push_back(item);
    }
    shownTreeGeneration_ = model_.TreeGeneration();
}

void CTemplateEditorDialog::RebuildSectionTree() {
    QSignalBlocker block(sectionTree_);
    sectionTree_->clear();
    for (int s = 1; s <= model_.SectionCount(); ++s) {
        auto* item = new QTreeWidgetItem(sectionTree_);
        item->setText(0, QString::fromStdString(CTemplateEditorModel::SectionLabel(s)));
        item->setIcon(0, images_[kBookImage + s]);
    }
    int selected = model_.SelectedSection();
    if (selected >= 1)
        sectionTree_->setCurrentItem(sectionTree_->topLevelItem(selected - 1));
    else
        sectionTree_->setCurrentItem(nullptr);
}

void CTemplateEditorDialog::RefreshImages() {
    for (size_t node = 0; node < nodeItems_.size(); ++node) {
        int n = static_cast<int>(node);
        QIcon icon;
        icon.addPixmap(images_[model_.NodeImage(n)].pixmap(16, 16), QIcon::Normal);
        icon.addPixmap(images_[model_.NodeSelectedImage(n)].pixmap(16, 16), QIcon::Selected);
        nodeItems_[node]->setIcon(0, icon);
    }
}

void CTemplateEditorDialog::FillControls() {
    const CPlanTemplate& t = model_.tmpl;
    titleEdit_->setText(QString::fromStdString(model_.titleText));
    descriptionEdit_->setText(QString::fromStdString(model_.descriptionText));
    directoryEdit_->setText(QString::fromStdString(model_.templateDirectory));
    directoryEdit_->setToolTip(directoryEdit_->text());
    fileNameEdit_->setText(QString::fromStdString(model_.templateFileName));
    readOnlyBox_->setChecked(model_.readOnly);
    readOnlyBox_->setEnabled(model_.readOnlyBoxEnabled);
    apocryphaBox_->setChecked(t.includeApocrypha != 0);
    // A value the list does not offer (from a text file) shows no choice and is kept.
    yearsList_->setCurrentIndex(t.planYears >= 0 && t.planYears < yearsList_->count() ? t.planYears : -1);
    monthsList_->setCurrentIndex(t.planMonths >= 0 && t.planMonths < monthsList_->count() ? t.planMonths
                                                                                          : -1);
    divideByList_->setCurrentIndex(t.divideBy >= 0 && t.divideBy < divideByList_->count() ? t.divideBy : -1);
    daysEdit_->setText(QString::number(t.planDays));
    for (int d = 0; d < 7; ++d)
        weekdayBoxes_[d]->setChecked(t.readOnWeekday[d] != 0);
    repeatBooksBox_->setChecked(t.repeatBooks != 0);
    if (shownTreeGeneration_ != model_.TreeGeneration()) RebuildCategoryTree();
    RebuildSectionTree();
    RefreshImages();
}

void CTemplateEditorDialog::FolderExpandedChanged(QTreeWidgetItem* item, bool expanded) {
    int node = item->data(0, kNodeRole).toInt();
    model_.SetFolderExpanded(node, expanded);
    QIcon icon(images_[model_.NodeImage(node)].pixmap(16, 16));
    icon.addPixmap(images_[model_.NodeSelectedImage(node)].pixmap(16, 16), QIcon::Selected);
    item->setIcon(0, icon);
}

void CTemplateEditorDialog::AssignToSectionAt(const QPoint& viewportPos) {
    AssignToSection(categoryTree_->itemAt(viewportPos));
}

void CTemplateEditorDialog::AssignToSection(QTreeWidgetItem* item) {
    if (!item) return;
    model_.AssignToSection(item->data(0, kNodeRole).toInt());
    RefreshImages();
}

void CTemplateEditorDialog::AddSection() {
    int before = model_.SectionCount();
    model_.AddSection();
    if (model_.SectionCount() != before) RebuildSectionTree();
}

void CTemplateEditorDialog::RemoveSection() {
    model_.RemoveSection();
    RebuildSectionTree();
    RefreshImages();
}

void CTemplateEditorDialog::ResetTemplate() {
    model_.ResetTemplate();
    FillControls();
}

void CTemplateEditorDialog::LoadTemplate() {
    model_.LoadTemplate(ui_);
    FillControls();
}

void CTemplateEditorDialog::LoadTemplateFrom(const std::string& path) {
    model_.LoadTemplateFrom(ui_, path);
    FillControls();
}

void CTemplateEditorDialog::SaveTemplate() {
    auto result = model_.SaveTemplate(ui_, daysEdit_->text().toStdString());
    if (result == CTemplateEditorModel::SaveResult::invalidDays) {
        daysEdit_->setFocus();
        daysEdit_->selectAll();
        return;
    }
    FillControls();
}

void CTemplateEditorDialog::accept() {
    std::string days = daysEdit_->text().toStdString();
    auto result = model_.SaveTemplate(ui_, days);
    if (result == CTemplateEditorModel::SaveResult::invalidDays) {
        daysEdit_->setFocus();
        daysEdit_->selectAll();
        return;
    }
    // Only a save that happened closes the editor, so that the template is
    // not lost with it; Abort And Exit is the way out without saving.
    if (result != CTemplateEditorModel::SaveResult::saved) {
        FillControls();
        return;
    }
    QDialog::accept();
}

void CTemplateEditorDialog::reject() {
    if (model_.MayClose(ui_, daysEdit_->text().toStdString())) QDialog::reject();
}

bool CTemplateEditorDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == categoryTree_->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            AssignToSectionAt(mouse->position().toPoint());
            return true;
        }
    }
    // The menu key (or Shift+F10) does for the current item what a right click does,
    // so that books can be given to sections without a mouse. The tree takes
    // no context menu, so the keys are seen before they would become one.
    if (watched == categoryTree_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier) ||
            (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
            AssignToSection(categoryTree_->currentItem());
            return true;
        }
    }
    if (watched == categoryTree_ && event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        AssignToSection(categoryTree_->currentItem());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CTemplateEditorDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        RequestHelp(focusWidget());
        return;
    }
    QDialog::keyPressEvent(event);
}

void CTemplateEditorDialog::RequestHelp(QWidget* focus) {
    QWidget* control = focus;
    while (control && control != this && !control->property(kControlIdProperty).isValid())
        control = control->parentWidget();
    int controlId = control && control != this ? control->property(kControlIdProperty).toInt() : 0;
    int context = HelpContextFor(controlId);
    if (showHelp) {
        showHelp(context);
        return;
    }
    if (context != HelpIdForResource(kResourceId)) {
        QWhatsThis::showText(control->mapToGlobal(control->rect().center()), control->whatsThis(), control);
        return;
    }
    CHelpService::Instance().ShowTopic(context);
}
