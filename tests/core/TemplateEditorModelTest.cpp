// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/TemplateEditorModel.h"
#include "framework/DataExchange.h"
#include "framework/ScriptedUiServices.h"
#include "scripture/Bible.h"

#include <gtest/gtest.h>

namespace {

int FolderNodeNamed(const CTemplateEditorModel& m, const std::string& name, int nth = 0) {
    const auto& nodes = m.TreeNodes();
    for (size_t i = 0; i < nodes.size(); ++i)
        if (nodes[i].isFolder && nodes[i].label == name && nth-- == 0) return static_cast<int>(i);
    return -1;
}

int BookNodeNamed(const CTemplateEditorModel& m, const std::string& name) {
    return m.BookNode(TheBible().FindBook(name));
}

std::vector<std::string> ChildLabels(const CTemplateEditorModel& m, int node) {
    std::vector<std::string> labels;
    for (int c : m.TreeNodes()[node].children)
        labels.push_back(m.TreeNodes()[c].label);
    return labels;
}

void RightClick(CTemplateEditorModel& m, int section, int node) {
    m.SelectSection(section);
    m.AssignToSection(node);
}

TEST(TemplateEditorModel, OpensWithOneSectionHoldingEveryBook) {
    CTemplateEditorModel m;
    EXPECT_EQ(m.SectionCount(), 1);
    EXPECT_EQ(m.SelectedSection(), 1);
    EXPECT_EQ(m.BookCount(), 66);
    EXPECT_FALSE(m.templateModified);
    EXPECT_EQ(m.tmpl, CPlanTemplate::EditorDefaults());
    ASSERT_EQ(m.TreeNodes().size(), 66u + 18u);
    for (int node = 0; node < static_cast<int>(m.TreeNodes().size()); ++node) {
        bool folder = m.TreeNodes()[node].isFolder;
        EXPECT_EQ(m.NodeImage(node), folder ? kClosedFolderImage + 1 : kBookImage + 1) << node;
        EXPECT_EQ(m.NodeSelectedImage(node), folder ? kClosedFolderImage + 1 : kSelectedBookImage + 1)
            << node;
    }
}

TEST(TemplateEditorModel, CategoryTreeHasTheFoldersAndBooksInOrder) {
    CTemplateEditorModel m;
    const auto& nodes = m.TreeNodes();
    std::vector<std::string> roots;
    for (const auto& n : nodes)
        if (n.parent < 0) roots.push_back(n.label);
    EXPECT_EQ(roots, (std::vector<std::string>{"Old Testament", "New Testament"}));

    struct Case {
        std::string folder;
        int nth;
        std::vector<std::string> children;
    };
    const std::vector<Case> cases = {
        {"Old Testament", 0, {"Pentateuch", "Historical", "Wisdom", "Prophecy"}},
        {"New Testament", 0, {"Gospels", "Historical", "Letters", "Prophecy"}},
        {"Pentateuch", 0, {"Genesis", "Exodus", "Leviticus", "Numbers", "Deuteronomy"}},
        {"Historical", 0, {"Pre Kings", "King Period", "Post Exile"}},
        {"Historical", 1, {"Acts"}},
        {"Prophecy", 0, {"Major Prophets", "Minor Prophets"}},
        {"Prophecy", 1, {"Revelation"}},
        {"Letters", 0, {"Paul", "Hebrews", "James", "Peter", "John", "Jude"}},
        {"Peter", 0, {"1Peter", "2Peter"}},
        {"John", 0, {"1John", "2John", "3John"}},
        {"Post Exile", 0, {"Ezra", "Nehemiah", "Esther"}},
        {"Wisdom", 0, {"Job", "Psalms", "Proverbs", "Ecclesiastes", "Song Of Songs"}},
    };
    for (const Case& c : cases) {
        int node = FolderNodeNamed(m, c.folder, c.nth);
        ASSERT_GE(node, 0) << c.folder;
        EXPECT_EQ(ChildLabels(m, node), c.children) << c.folder << " " << c.nth;
    }
    EXPECT_EQ(ChildLabels(m, FolderNodeNamed(m, "Minor Prophets")).size(), 12u);
    EXPECT_EQ(ChildLabels(m, FolderNodeNamed(m, "Paul")).size(), 13u);
    // Every book is in the tree once, under the folder of its category.
    for (int b = 1; b <= 66; ++b) {
        const auto& n = nodes[m.BookNode(b)];
        EXPECT_EQ(n.label, TheBible().GetBookName(b));
        EXPECT_EQ(n.number, b);
        EXPECT_EQ(nodes[n.parent].number, TheBible().GetBookCategory(b)) << b;
    }
}

TEST(TemplateEditorModel, FolderValuesFollowTheirBooks) {
    CTemplateEditorModel m;
    int pentateuch = FolderNodeNamed(m, "Pentateuch");
    RightClick(m, 1, pentateuch);
    for (int b = 1; b <= 5; ++b)
        EXPECT_EQ(m.BookValue(b), 0);
    EXPECT_EQ(m.FolderValue(2), 0);
    // A folder at 0 takes over the next book in a section.
    EXPECT_EQ(m.FolderValue(0), 1);
    EXPECT_EQ(m.NodeImage(pentateuch), kClosedFolderImage);
    EXPECT_EQ(m.NodeImage(m.BookNode(1)), kBookImage);
    EXPECT_EQ(m.NodeSelectedImage(m.BookNode(1)), kSelectedBookImage);
    EXPECT_TRUE(m.templateModified);

    RightClick(m, 1, BookNodeNamed(m, "Malachi"));
    EXPECT_EQ(m.BookValue(39), 0);
    EXPECT_EQ(m.FolderValue(14), kMixedSections);
    EXPECT_EQ(m.FolderValue(5), kMixedSections);
    EXPECT_EQ(m.FolderValue(0), kMixedSections);
    EXPECT_EQ(m.FolderValue(13), 1);
    EXPECT_EQ(m.FolderValue(1), 1);

    // The folder switches between its closed and open pictures and keeps them across a refresh.
    int minor = FolderNodeNamed(m, "Minor Prophets");
    m.SetFolderExpanded(minor, true);
    EXPECT_EQ(m.NodeImage(minor), kOpenFolderImage + kMixedSections);
    RightClick(m, 1, BookNodeNamed(m, "Malachi"));
    EXPECT_EQ(m.NodeImage(minor), kOpenFolderImage + 1);
    m.SetFolderExpanded(minor, false);
    EXPECT_EQ(m.NodeImage(minor), kClosedFolderImage + 1);
}

TEST(TemplateEditorModel, SectionsAreAddedOnlyWhenEveryOneHoldsABook) {
    CTemplateEditorModel m;
    m.AddSection();
    EXPECT_EQ(m.SectionCount(), 2);
    EXPECT_FALSE(m.templateModified);
    EXPECT_EQ(m.SelectedSection(), 2); // the books clicked next go to the new section
    m.SelectSection(1);
    m.AddSection(); // section 2 is empty
    EXPECT_EQ(m.SectionCount(), 2);
    EXPECT_EQ(m.SelectedSection(), 1);

    RightClick(m, 2, FolderNodeNamed(m, "Gospels"));
    for (int b = 40; b <= 43; ++b)
        EXPECT_EQ(m.BookValue(b), 2);
    EXPECT_EQ(m.BooksInSection(1), 62);
    EXPECT_EQ(m.FolderValue(6), 2);
    EXPECT_EQ(m.FolderValue(1), kMixedSections);
    m.AddSection();
    EXPECT_EQ(m.SectionCount(), 3);

    for (int s = 3; s <= 6; ++s) {
        RightClick(m, s, m.BookNode(s));
        m.AddSection();
    }
    EXPECT_EQ(m.SectionCount(), 6);
    EXPECT_EQ(m.BookValue(6), 6);
    m.SelectSection(7);
    EXPECT_EQ(m.SelectedSection(), 0);
}

TEST(TemplateEditorModel, RemovingASectionRenumbersTheOnesAbove) {
    CTemplateEditorModel m;
    m.AddSection();
    RightClick(m, 2, FolderNodeNamed(m, "Gospels"));
    m.AddSection();
    RightClick(m, 3, BookNodeNamed(m, "Acts"));
    m.templateModified = false;

    m.SelectSection(1);
    m.RemoveSection();
    EXPECT_EQ(m.SectionCount(), 2);
    EXPECT_EQ(m.SelectedSection(), 1);
    EXPECT_TRUE(m.templateModified);
    EXPECT_EQ(m.BookValue(1), 0);
    EXPECT_EQ(m.BookValue(40), 1);
    EXPECT_EQ(m.BookValue(44), 2);
    EXPECT_EQ(m.BooksInSection(0), 61);

    m.SelectSection(2);
    m.RemoveSection();
    EXPECT_EQ(m.SectionCount(), 1);
    EXPECT_EQ(m.BookValue(44), 0);
    EXPECT_EQ(m.NodeImage(BookNodeNamed(m, "Acts")), kBookImage);

    // One section is never removed, nor one that is not selected.
    m.RemoveSection();
    EXPECT_EQ(m.SectionCount(), 1);
    m.AddSection();
    m.SelectSection(0);
    m.RemoveSection();
    EXPECT_EQ(m.SectionCount(), 2);
}

TEST(TemplateEditorModel, TheLastBookInThePlanStays) {
    CTemplateEditorModel m;
    RightClick(m, 1, FolderNodeNamed(m, "Old Testament"));
    RightClick(m, 1, FolderNodeNamed(m, "New Testament"));
    // Books leave in tree order; Revelation, the last, finds no other book in the plan.
    EXPECT_EQ(m.BooksInSection(1), 1);
    EXPECT_EQ(m.BookValue(66), 1);
    RightClick(m, 1, BookNodeNamed(m, "Revelation"));
    EXPECT_EQ(m.BookValue(66), 1);

    // Moving it to another section is no taking out.
    m.AddSection();
    RightClick(m, 2, BookNodeNamed(m, "Revelation"));
    EXPECT_EQ(m.BookValue(66), 2);
    EXPECT_EQ(m.BooksInSection(1), 0);

    // A folder toggles each book on its own: those in the section leave, the others join.
    RightClick(m, 1, FolderNodeNamed(m, "Peter"));
    RightClick(m, 2, BookNodeNamed(m, "1Peter"));
    RightClick(m, 2, FolderNodeNamed(m, "Peter"));
    EXPECT_EQ(m.BookValue(60), 0);
    EXPECT_EQ(m.BookValue(61), 2);
}

TEST(TemplateEditorModel, RightClickWithoutASectionChangesNothing) {
    CTemplateEditorModel m;
    m.SelectSection(0);
    m.AssignToSection(FolderNodeNamed(m, "Old Testament"));
    m.AssignToSection(-1);
    m.AssignToSection(100000);
    EXPECT_EQ(m.BooksInSection(1), 66);
    EXPECT_FALSE(m.templateModified);
}

TEST(TemplateEditorModel, ResetKeepsOnlyTheTexts) {
    CTemplateEditorModel m(1);
    EXPECT_EQ(m.tmpl.includeApocrypha, 1);
    m.tmpl.templateTitle = "Mine";
    m.SetReadOnWeekday(1, false);
    m.SetRepeatBooks(true);
    m.SetPlanYears(3);
    m.SetPlanMonths(4);
    m.SetDivideBy(1);
    m.AddSection();
    RightClick(m, 2, FolderNodeNamed(m, "Wisdom"));
    m.SetFolderExpanded(FolderNodeNamed(m, "Wisdom"), true);
    m.readOnly = true;
    m.readOnlyBoxEnabled = false;
    m.templateDirectory = "/x/";
    m.templateFileName = "a.vntpl";
    int generation = m.TreeGeneration();

    m.ResetTemplate();
    CPlanTemplate expected = CPlanTemplate::EditorDefaults();
    expected.templateTitle = "Mine";
    expected.includeApocrypha = 1;
    EXPECT_EQ(m.tmpl, expected);
    EXPECT_FALSE(m.readOnly);
    EXPECT_TRUE(m.readOnlyBoxEnabled);
    EXPECT_EQ(m.templateDirectory, "");
    EXPECT_EQ(m.templateFileName, "");
    EXPECT_FALSE(m.templateModified);
    EXPECT_EQ(m.SelectedSection(), 1);
    EXPECT_GT(m.TreeGeneration(), generation);
    EXPECT_EQ(m.NodeImage(FolderNodeNamed(m, "Wisdom")), kClosedFolderImage + 1);
}

TEST(TemplateEditorModel, DaysMustBeAnIntegerUpTo2000) {
    struct Case {
        std::string text;
        std::string message; // empty: taken
        int days;
    };
    const std::vector<Case> cases = {
        {"0", "", 0},
        {"2000", "", 2000},
        {"  90", "", 90},
        {"+7", "", 7},
        {"2001", "Please enter an integer between 0 and 2000.", 5},
        {"-1", "Please enter an integer between 0 and 2000.", 5},
        {"", "Please enter an integer.", 5},
        {"12x", "Please enter an integer.", 5},
        {"90 ", "Please enter an integer.", 5},
        {"-", "Please enter an integer.", 5},
        {"99999999999", "Please enter an integer.", 5},
        {"1.5", "Please enter an integer.", 5},
    };
    for (const Case& c : cases) {
        CTemplateEditorModel m;
        m.tmpl.planDays = 5;
        CScriptedUiServices ui;
        EXPECT_EQ(m.TakeDays(ui, c.text), c.message.empty()) << c.text;
        EXPECT_EQ(m.tmpl.planDays, c.days) << c.text;
        if (c.message.empty()) {
            EXPECT_TRUE(ui.messageBoxes.empty()) << c.text;
        } else {
            ASSERT_EQ(ui.messageBoxes.size(), 1u) << c.text;
            EXPECT_EQ(ui.messageBoxes[0].text, c.message);
            EXPECT_EQ(ui.messageBoxes[0].buttons, MbButtons::ok);
        }
    }
}

TEST(TemplateEditorModel, InvalidDaysStopTheSaveBeforeAnyFileIsChosen) {
    CTemplateEditorModel m;
    CScriptedUiServices ui;
    ui.fileAnswers.push_back("/nonexistent/never.vntpl");
    EXPECT_EQ(m.SaveTemplate(ui, "2001"), CTemplateEditorModel::SaveResult::invalidDays);
    EXPECT_TRUE(ui.fileRequests.empty());
    EXPECT_EQ(m.tmpl.planDays, 0);
}

} // namespace
