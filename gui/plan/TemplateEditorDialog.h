// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "plan/TemplateEditorModel.h"

#include <QDialog>
#include <QIcon>
#include <array>
#include <functional>
#include <vector>

class IUiServices;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The template editor (dialog 179): the user designs a plan template and
// loads and saves it as a file. The dialog draws CTemplateEditorModel and
// hands it the clicks; every question to the user goes through ui.
class CTemplateEditorDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kResourceId = 179;
    static constexpr int kControlHelpBase = 0x50000;

    CTemplateEditorDialog(IUiServices& ui, int includeApocrypha, QWidget* parent = nullptr);

    CTemplateEditorModel& Model() { return model_; }
    QTreeWidget* CategoryTree() const { return categoryTree_; }
    QTreeWidget* SectionTree() const { return sectionTree_; }
    QTreeWidgetItem* ItemOfNode(int node) const { return nodeItems_[node]; }
    // The icon drawn for image number 0 … 31.
    const QIcon& Image(int image) const { return images_[image]; }
    static QPixmap DrawImage(int image);

    // The help context of a control: its pop-up topic for the listed
    // controls, the dialog's topic for anything else.
    static int HelpContextFor(int controlId);
    // Where a help request goes; by default the help service shows it.
    std::function<void(int context)> showHelp;

    void AssignToSectionAt(const QPoint& viewportPos);
    void AssignToSection(QTreeWidgetItem* item);
    void AddSection();
    void RemoveSection();
    void ResetTemplate();
    void LoadTemplate();
    void LoadTemplateFrom(const std::string& path);
    void SaveTemplate();
    // Save And Exit.
    void accept() override;
    // Abort And Exit, Escape and the close box: a template with changes is
    // closed only after the user said whether to save it.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void RebuildCategoryTree();
    void RebuildSectionTree();
    void RefreshImages();
    void FillControls();
    void FolderExpandedChanged(QTreeWidgetItem* item, bool expanded);
    void RequestHelp(QWidget* focus);

    IUiServices& ui_;
    CTemplateEditorModel model_;
    std::array<QIcon, kImageCount> images_;
    std::vector<QTreeWidgetItem*> nodeItems_;
    int shownTreeGeneration_ = -1;
    bool filling_ = false;

    QLineEdit* titleEdit_ = nullptr;
    QLineEdit* descriptionEdit_ = nullptr;
    QLineEdit* directoryEdit_ = nullptr;
    QLineEdit* fileNameEdit_ = nullptr;
    QCheckBox* readOnlyBox_ = nullptr;
    QCheckBox* apocryphaBox_ = nullptr;
    QComboBox* yearsList_ = nullptr;
    QComboBox* monthsList_ = nullptr;
    QLineEdit* daysEdit_ = nullptr;
    QComboBox* divideByList_ = nullptr;
    std::array<QCheckBox*, 7> weekdayBoxes_{};
    QTreeWidget* sectionTree_ = nullptr;
    QCheckBox* repeatBooksBox_ = nullptr;
    QPushButton* addSectionButton_ = nullptr;
    QPushButton* removeSectionButton_ = nullptr;
    QTreeWidget* categoryTree_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* saveAndExitButton_ = nullptr;
    QPushButton* abortAndExitButton_ = nullptr;
};
