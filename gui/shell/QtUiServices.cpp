// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtUiServices.h"

#include "foundation/FileAccess.h"
#include "framework/TextConvert.h"
#include "framework/Translation.h"
#include "gallery/PlanGalleryDialog.h"
#include "planview/PlanDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>

namespace {

constexpr QSize kFileDialogSize(820, 480);

struct ButtonAnswer {
    QMessageBox::StandardButton button;
    int answer;
};

std::vector<ButtonAnswer> ButtonsOf(MbButtons buttons) {
    switch (buttons) {
    case MbButtons::ok:
        return {{QMessageBox::Ok, IDOK}};
    case MbButtons::okCancel:
        return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MbButtons::yesNo:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MbButtons::yesNoCancel:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MbButtons::retryCancel:
        return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    case MbButtons::abortRetryIgnore:
        return {
            {QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
    }
    return {{QMessageBox::Ok, IDOK}};
}

QMessageBox::Icon IconOf(MbIcon icon) {
    switch (icon) {
    case MbIcon::question:
        return QMessageBox::Question;
    case MbIcon::exclamation:
        return QMessageBox::Warning;
    case MbIcon::information:
        return QMessageBox::Information;
    case MbIcon::stop:
        return QMessageBox::Critical;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

QWidget* CQtUiServices::ParentWidget() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return parentWindow ? parentWindow() : nullptr;
}

int CQtUiServices::MessageBox(const MessageBoxRequest& request) {
    QMessageBox box(IconOf(request.icon), "Scrivane", TrCore(request.text), QMessageBox::NoButton,
                    ParentWidget());
    std::vector<ButtonAnswer> buttons = ButtonsOf(request.buttons);
    for (const ButtonAnswer& b : buttons)
        box.addButton(b.button);
    size_t def = static_cast<size_t>(std::max(0, request.defaultButton));
    if (def >= buttons.size()) def = 0;
    box.setDefaultButton(buttons[def].button);
    int escape = -1;
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].answer == IDCANCEL || buttons[i].answer == IDNO) escape = static_cast<int>(i);
    if (escape >= 0 || buttons.size() == 1)
        box.setEscapeButton(buttons[escape >= 0 ? static_cast<size_t>(escape) : 0].button);
    QCheckBox* check = nullptr;
    if (request.checkBox && !request.checkBoxText.empty()) {
        check = new QCheckBox(TrCore(request.checkBoxText), &box);
        check->setChecked(*request.checkBox);
        box.setCheckBox(check);
    }
    box.exec();
    if (check) *request.checkBox = check->isChecked();
    auto clicked = box.standardButton(box.clickedButton());
    for (const ButtonAnswer& b : buttons)
        if (b.button == clicked) return b.answer;
    return buttons.size() == 1 ? buttons[0].answer : IDCANCEL;
}

QStringList CQtUiServices::NameFilters(const std::string& filter) {
    QStringList parts = ToQ(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        QString pattern = parts[i + 1].trimmed();
        if (name.isEmpty() || pattern.isEmpty()) break;
        pattern.replace(';', ' ');
        // Qt reads the patterns from the parentheses; keep a name that has them.
        filters << (name.contains('(') ? name : name + " (" + pattern + ")");
    }
    return filters;
}

std::string CQtUiServices::WithDefaultExtension(const std::string& path, const std::string& extension) {
    if (extension.empty() || !LowerExtension(path).empty()) return path;
    return path + (extension[0] == '.' ? "" : ".") + extension;
}

std::optional<std::string> CQtUiServices::ChooseFile(const FileDialogRequest& request) {
    if (request.gallery == 2)
        return RunPlanGalleryDialog(ParentWidget(), request.galleryDirectories, request.planStart);
    QFileDialog dialog(ParentWidget(), TrCore(request.title));
    // The gallery is offered beside browsing for a template: its button ends
    // the file dialog with a result of its own and the gallery takes over.
    constexpr int kGalleryChosen = 2;
    if (request.gallery == 1) {
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
            auto* gallery = new QPushButton(QCoreApplication::translate("CQtUiServices", "From &Gallery..."));
            gallery->setObjectName("galleryButton");
            gallery->setAutoDefault(false);
            grid->addWidget(gallery, grid->rowCount(), 0);
            QObject::connect(gallery, &QPushButton::clicked, &dialog,
                             [&dialog] { static_cast<QDialog&>(dialog).done(kGalleryChosen); });
        }
    }
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QStringList filters = NameFilters(request.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!request.startDirectory.empty()) dialog.setDirectory(ToQ(request.startDirectory));
    if (!request.defaultFileName.empty()) dialog.selectFile(ToQ(request.defaultFileName));
    if (!request.defaultExtension.empty()) {
        std::string ext = request.defaultExtension;
        dialog.setDefaultSuffix(ToQ(ext[0] == '.' ? ext.substr(1) : ext));
    }
    if (!request.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // Wide enough for the name, size and date columns side by side.
    dialog.resize(dialog.sizeHint().expandedTo(kFileDialogSize));
    if (auto* view = dialog.findChild<QTreeView*>("treeView")) {
        const QFontMetrics fm(view->font());
        const QString date = QLocale().toString(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)));
        const int widths[] = {
            240, fm.horizontalAdvance("999.9 KiB"), fm.horizontalAdvance("plain text document"),
            std::max(fm.horizontalAdvance(date), fm.horizontalAdvance("31 Dec 2026 23:59:59"))};
        for (int column = 0; column < 4; ++column)
            view->header()->resizeSection(column, widths[column] + 24);
    }
    const int result = dialog.exec();
    if (request.gallery == 1 && result == kGalleryChosen)
        return RunPlanGalleryDialog(ParentWidget(), request.galleryDirectories, request.planStart);
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return FromQ(dialog.selectedFiles().front());
}

std::optional<ExtraReading> CQtUiServices::EnterExtraReading(int mode) {
    return RunEnterExtraReadingDialog(ParentWidget(), mode);
}

std::optional<ExtraReading> CQtUiServices::EnterExtraReadingOf(int mode, uint16_t start, uint16_t end) {
    return RunEnterExtraReadingDialog(ParentWidget(), mode, std::make_pair(start, end));
}

std::unique_ptr<IProgress> CQtUiServices::ShowLoadProgress(const std::string& fileName) {
    return ShowPlanLoadProgressDialog(ParentWidget(), fileName);
}

void CQtUiServices::ShowPlanProperties(const std::string& text) {
    RunPlanPropertiesDialog(ParentWidget(), text);
}

std::pair<int, int> CQtUiServices::MainFrameClientSize() {
    return clientSize ? clientSize() : std::pair<int, int>{800, 600};
}

void CQtUiServices::ShowStatus(const std::string& text) {
    if (statusText) statusText(TrCore(text));
}

const CShownForms& CQtUiServices::Forms() const {
    return ShownForms();
}
