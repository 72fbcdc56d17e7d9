// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanDocFixture.h"
#include "foundation/Exceptions.h"
#include "plan/TemplateEditorModel.h"
#include "plan/TemplateFile.h"
#include "plan/TemplateText.h"

#include <sys/stat.h>

namespace {

using Result = CTemplateEditorModel::SaveResult;

class TemplateEditorFiles : public PlanDocFixture {
protected:
    // A template unlike the defaults in every field the editor shows.
    static void Design(CTemplateEditorModel& m) {
        m.SetReadOnWeekday(1, false);
        m.SetReadOnWeekday(7, false);
        m.SetRepeatBooks(true);
        m.SetPlanYears(0);
        m.SetPlanMonths(6);
        m.SetDivideBy(1);
        m.AddSection();
        m.SelectSection(2);
        m.AssignToSection(m.FolderNode(1)); // the New Testament
        m.SelectSection(1);
        m.AssignToSection(m.FolderNode(4)); // Wisdom leaves the plan
    }
    Result Save(CTemplateEditorModel& m, const std::string& chosen, const std::string& days = "45") {
        ui.fileAnswers.push_back(chosen);
        return m.SaveTemplate(ui, days);
    }
    void Load(CTemplateEditorModel& m, const std::string& chosen) {
        ui.fileAnswers.push_back(chosen);
        m.LoadTemplate(ui);
    }
};

TEST_F(TemplateEditorFiles, BothFormsReadBackAsTheDialogHeldThem) {
    for (std::string name : {"plan", "plan.txt", "Short.VNT"}) {
        CTemplateEditorModel m;
        Design(m);
        ASSERT_EQ(Save(m, dir.Path(name)), Result::saved) << name;
        // A name without extension is saved in the archive form; "vnt" is completed.
        std::string written = name == "plan" ? "plan.vntpl" : name == "Short.VNT" ? "Short.vntpl" : name;
        ASSERT_TRUE(FileExists(dir.Path(written))) << name;
        EXPECT_EQ(m.templateFileName, written);
        EXPECT_EQ(m.templateDirectory, dir.Path() + "/");
        EXPECT_FALSE(m.templateModified);
        EXPECT_EQ(m.tmpl.planDays, 45);
        EXPECT_EQ(m.tmpl.templateTitle, FileTitle(written));
        EXPECT_EQ(ui.fileRequests.back().defaultExtension, "vntpl");
        EXPECT_EQ(ui.fileRequests.back().filter,
                  "Plan Template (*.vntpl)|*.vntpl|Text Import (*.txt)|*.txt||");
        EXPECT_TRUE(ui.messageBoxes.empty());

        LoadedTemplate back = LoadTemplateFile(dir.Path(written));
        EXPECT_EQ(back.form, written == "plan.txt" ? TemplateForm::text : TemplateForm::archive);
        EXPECT_EQ(back.fields, m.tmpl) << name;

        CTemplateEditorModel other;
        Load(other, dir.Path(name == "plan" ? written : name));
        EXPECT_EQ(other.tmpl, m.tmpl) << name;
        EXPECT_EQ(other.SectionCount(), 2);
        EXPECT_EQ(other.SelectedSection(), 0);
        EXPECT_FALSE(other.templateModified);
        EXPECT_EQ(other.FolderValue(1), 2);
        EXPECT_EQ(other.FolderValue(4), 0);
        EXPECT_EQ(other.templateFileName, written);
        // Only the text form brings the warning.
        if (written == "plan.txt") {
            ASSERT_EQ(ui.messageBoxes.size(), 1u);
            EXPECT_EQ(ui.messageBoxes[0].text, kCustomTemplateWarning);
            EXPECT_EQ(ui.messageBoxes[0].buttons, MbButtons::okCancel);
            EXPECT_EQ(ui.messageBoxes[0].icon, MbIcon::exclamation);
        } else {
            EXPECT_TRUE(ui.messageBoxes.empty()) << name;
        }
        ui = CScriptedUiServices();
        std::remove(dir.Path(written).c_str());
    }
}

TEST_F(TemplateEditorFiles, ReadOnlyFilesAreNotSavedOver) {
    CTemplateEditorModel m;
    m.readOnly = true;
    ASSERT_EQ(Save(m, dir.Path("locked.vntpl")), Result::saved);
    EXPECT_TRUE(IsReadOnly(dir.Path("locked.vntpl")));
    EXPECT_FALSE(m.readOnlyBoxEnabled);
    std::string before = ReadWholeFile(dir.Path("locked.vntpl"));

    // OK asks for another name; Cancel ends the save.
    m.SetPlanYears(3);
    ui.fileAnswers = {dir.Path("locked.vntpl"), dir.Path("locked.vnt"), dir.Path("free.vntpl")};
    ui.messageBoxAnswers = {IDOK, IDOK};
    EXPECT_EQ(m.SaveTemplate(ui, "0"), Result::saved);
    ASSERT_EQ(ui.messageBoxes.size(), 2u);
    EXPECT_EQ(ui.messageBoxes[0].text,
              dir.Path("locked.vntpl") +
                  "\n\nThe selected file may not be modified.\nSelect \"Ok\" to select "
                  "another file name.");
    EXPECT_EQ(ui.messageBoxes[0].buttons, MbButtons::okCancel);
    EXPECT_EQ(ui.messageBoxes[0].icon, MbIcon::question);
    EXPECT_EQ(ReadWholeFile(dir.Path("locked.vntpl")), before);
    EXPECT_EQ(LoadTemplateFile(dir.Path("free.vntpl")).fields.planYears, 3);

    ui = CScriptedUiServices();
    EXPECT_EQ(Save(m, dir.Path("locked.vntpl")), Result::cancelled);
    EXPECT_EQ(ui.messageBoxes.size(), 1u);

    // Loading a read-only file checks and locks the box.
    CTemplateEditorModel other;
    Load(other, dir.Path("locked.vntpl"));
    EXPECT_TRUE(other.readOnly);
    EXPECT_FALSE(other.readOnlyBoxEnabled);
    SetReadOnly(dir.Path("free.vntpl"), false);
    Load(other, dir.Path("free.vntpl"));
    EXPECT_FALSE(other.readOnly);
    EXPECT_TRUE(other.readOnlyBoxEnabled);
}

TEST_F(TemplateEditorFiles, AFileThatCannotBeReadLeavesTheDialogAsItWas) {
    SaveFileAtomic(dir.Path("cut.vntpl"), std::string("\x01\x00\x00\x00\x05Tit", 9));
    std::string good = dir.Path("good.vntpl");
    {
        CTemplateEditorModel m;
        ASSERT_EQ(Save(m, good), Result::saved);
    }
    ::mkdir(dir.Path("folder.vntpl").c_str(), 0755);
    struct Case {
        std::string chosen;
        std::string message;
    };
    const std::vector<Case> cases = {
        {dir.Path("missing.vntpl"),
         dir.Path("missing.vntpl") +
             "\nCannot find this file.\nPlease verify that the correct path and file name "
             "are given."},
        {dir.Path("missing.txt"), dir.Path("missing.txt") +
                                      "\nCannot find this file.\nPlease verify that the "
                                      "correct path and file name are given."},
        {dir.Path("cut.vntpl"),
         "Unexpected file format.\n" + dir.Path("cut.vntpl") + " is damaged or is not a file of its kind."},
        {dir.Path("folder.vntpl"),
         "Failed to open document.\n" + dir.Path("folder.vntpl") + ": Is a directory."},
    };
    for (const Case& c : cases) {
        CTemplateEditorModel m;
        Load(m, good);
        m.SelectSection(1);
        m.AssignToSection(m.FolderNode(2));
        m.AddSection();
        m.templateModified = false;
        CTemplateEditorModel expected = m;
        Load(m, c.chosen);
        ASSERT_EQ(ui.messageBoxes.size(), 1u) << c.chosen;
        EXPECT_EQ(ui.messageBoxes[0].text, c.message);
        EXPECT_EQ(m.tmpl, expected.tmpl);
        EXPECT_EQ(m.templateFileName, "good.vntpl");
        EXPECT_EQ(m.templateDirectory, expected.templateDirectory);
        EXPECT_EQ(m.SectionCount(), 2);
        EXPECT_EQ(m.BookValue(1), 0);
        ui = CScriptedUiServices();
    }
}

TEST_F(TemplateEditorFiles, ChangesAreGivenUpOnlyWhenTheUserSaysYes) {
    std::string good = dir.Path("good.vntpl");
    CTemplateEditorModel saved;
    ASSERT_EQ(Save(saved, good), Result::saved);

    CTemplateEditorModel m;
    m.SetPlanYears(4);
    ui = CScriptedUiServices();
    ui.messageBoxAnswers = {IDNO};
    Load(m, good);
    ASSERT_EQ(ui.messageBoxes.size(), 1u);
    EXPECT_EQ(ui.messageBoxes[0].text, kLoseTemplateQuestion);
    EXPECT_EQ(ui.messageBoxes[0].buttons, MbButtons::yesNo);
    EXPECT_TRUE(ui.fileRequests.empty());
    EXPECT_EQ(m.tmpl.planYears, 4);

    ui.fileAnswers.clear();
    ui.messageBoxAnswers = {IDYES};
    Load(m, good);
    EXPECT_EQ(ui.fileRequests.back().defaultFileName, "Default.vntpl");
    EXPECT_EQ(m.tmpl.planYears, 1);
    EXPECT_FALSE(m.templateModified);
}

TEST_F(TemplateEditorFiles, UnknownExtensionsGetTheTemplateExtension) {
    struct Case {
        std::string typed;
        std::string written;
    };
    // A dot in a title is no extension; only txt, vntpl and vnt name a form.
    const std::vector<Case> cases = {
        {"N.T. in 90 days", "N.T. in 90 days.vntpl"},
        {"mywork.plan", "mywork.plan.vntpl"},
        {"plan.doc", "plan.doc.vntpl"},
        {"Psalms.TXT", "Psalms.TXT"},
        {"Year.vnt", "Year.vntpl"},
        {"trailing.", "trailing..vntpl"},
    };
    for (const Case& c : cases) {
        CTemplateEditorModel m;
        m.SetPlanYears(2);
        ui = CScriptedUiServices();
        EXPECT_EQ(Save(m, dir.Path(c.typed)), Result::saved) << c.typed;
        EXPECT_TRUE(FileExists(dir.Path(c.written))) << c.typed;
        EXPECT_EQ(m.templateFileName, c.written);
        EXPECT_FALSE(m.templateModified);
        EXPECT_EQ(LoadTemplateFile(dir.Path(c.written)).fields.planYears, 2) << c.typed;
        EXPECT_TRUE(ui.messageBoxes.empty()) << c.typed;
        EXPECT_FALSE(ui.fileRequests.back().confirmOverwrite);
    }
    // The program asks about an existing file under the name it writes; No
    // asks for another name and leaves the file alone.
    CTemplateEditorModel m;
    m.SetPlanYears(4);
    const std::string before = ReadWholeFile(dir.Path("mywork.plan.vntpl"));
    const std::string shownName = m.templateFileName;
    ui = CScriptedUiServices();
    ui.fileAnswers = {dir.Path("mywork.plan"), std::nullopt};
    ui.messageBoxAnswers = {IDNO};
    EXPECT_EQ(m.SaveTemplate(ui, "0"), Result::cancelled);
    ASSERT_EQ(ui.messageBoxes.size(), 1u);
    EXPECT_EQ(ui.messageBoxes[0].text, "mywork.plan.vntpl already exists.\nDo you want to replace it?");
    EXPECT_EQ(ReadWholeFile(dir.Path("mywork.plan.vntpl")), before);
    EXPECT_TRUE(m.templateModified);
    EXPECT_EQ(m.templateFileName, shownName);
    ui = CScriptedUiServices();
    ui.fileAnswers = {dir.Path("mywork.plan")};
    ui.messageBoxAnswers = {IDYES};
    EXPECT_EQ(m.SaveTemplate(ui, "0"), Result::saved);
    EXPECT_EQ(LoadTemplateFile(dir.Path("mywork.plan.vntpl")).fields.planYears, 4);
}

TEST_F(TemplateEditorFiles, OtherExtensionsAndUnwritablePlacesWriteNothing) {
    CTemplateEditorModel m;
    m.SetPlanYears(2);
    EXPECT_EQ(Save(m, dir.Path("nowhere/plan.vntpl")), Result::failed);
    ASSERT_EQ(ui.messageBoxes.size(), 1u);
    EXPECT_EQ(ui.messageBoxes[0].text,
              dir.Path("nowhere/plan.vntpl") +
                  "\nCannot find this file.\nPlease verify that the correct path and "
                  "file name are given.");
    EXPECT_TRUE(m.templateModified);
    EXPECT_EQ(Save(m, dir.Path("x.vntpl"), "abc"), Result::invalidDays);
    EXPECT_EQ(ui.fileAnswers.size(), 1u); // the file was never asked for
    EXPECT_TRUE(dir.List().empty());
    ui.fileAnswers.clear();

    // A file of another kind is not read: the name shows, the template stays.
    SaveFileAtomic(dir.Path("notes.doc"), "<YEAR = 5>");
    m.templateModified = false;
    Load(m, dir.Path("notes.doc"));
    EXPECT_EQ(m.tmpl.planYears, 2);
    EXPECT_EQ(m.templateFileName, "notes.doc");
}

TEST_F(TemplateEditorFiles, NewPlanFromASavedTemplateIsThePlanOfItsFields) {
    SetTodayOverride(CJJulian::Day(2026, 3, 1));
    CTemplateEditorModel m;
    Design(m);
    ASSERT_EQ(Save(m, dir.Path("mine.vntpl"), "10"), Result::saved);

    CReadingPlanDoc& fromFile = Open();
    ASSERT_TRUE(fromFile.NewPlanFromFile(dir.Path("mine.vntpl")));
    TempDir otherDir;
    CReaderContext otherReader = reader;
    otherReader.baseDirectory = otherDir.Path();
    CReadingPlanDoc direct(ui, otherReader);
    ASSERT_TRUE(direct.OnNewDocument());
    direct.SetStartDate(Today());
    direct.GenerateFromTemplate(m.tmpl, nullptr);

    ASSERT_FALSE(fromFile.Elements().empty());
    EXPECT_EQ(fromFile.Elements(), direct.Elements());
    EXPECT_EQ(fromFile.InPlan(), direct.InPlan());
    EXPECT_EQ(fromFile.GetPlanLengthDays(), 6 * 30 + 10);
    EXPECT_EQ(fromFile.GetTemplateTitle(), "mine");
    // Wisdom is out of the plan, the New Testament in it.
    uint16_t psalm23 = TheBible().GetVerseIndex(19, 23, 1);
    uint16_t john316 = TheBible().GetVerseIndex(43, 3, 16);
    EXPECT_EQ(fromFile.InPlan()[psalm23], 0);
    EXPECT_EQ(fromFile.InPlan()[john316], 1);
}

// A plan's own title and description are kept in either form; texts nobody
// typed are written as they always were.
TEST_F(TemplateEditorFiles, ThePlansTitleAndDescriptionAreKeptInBothForms) {
    const std::string typedTitle = "Psalms for Lent", typedText = "One psalm a day";
    struct Case {
        std::string load;        // a file saved by an earlier case, or none
        const char* title;       // typed in the box; nullptr: left alone
        const char* description; //
        std::string shownTitle;  // the box after the load
        std::string save, savedTitle, savedDescription;
    } cases[] = {
        {"", nullptr, nullptr, "", "a.vntpl", "a", kDefaultTemplateDescription},
        {"", typedTitle.c_str(), typedText.c_str(), "", "b.vntpl", typedTitle, typedText},
        {"", typedTitle.c_str(), typedText.c_str(), "", "c.txt", typedTitle, typedText},
        // A title that is the file's own name follows the file, as it did.
        {"a.vntpl", nullptr, nullptr, "", "d.vntpl", "d", kDefaultTemplateDescription},
        {"b.vntpl", nullptr, nullptr, typedTitle, "e.vntpl", typedTitle, typedText},
        {"c.txt", nullptr, nullptr, typedTitle, "f.txt", typedTitle, typedText},
        // An emptied box gives the title back to the file's name.
        {"c.txt", "", nullptr, typedTitle, "g.txt", "g", typedText},
    };
    for (const Case& c : cases) {
        CTemplateEditorModel m;
        if (!c.load.empty()) Load(m, dir.Path(c.load));
        EXPECT_EQ(m.titleText, c.shownTitle) << c.save;
        if (c.title) m.SetTitleText(c.title);
        if (c.description) m.SetDescriptionText(c.description);
        ASSERT_EQ(Save(m, dir.Path(c.save)), Result::saved) << c.save;
        const CPlanTemplate back = LoadTemplateFile(dir.Path(c.save)).fields;
        EXPECT_EQ(back.templateTitle, c.savedTitle) << c.save;
        EXPECT_EQ(back.templateDescription, c.savedDescription) << c.save;
        EXPECT_EQ(back.templateFormat, "Format 1.0") << c.save;
        ui = CScriptedUiServices();
    }
    // A text the text form's tags cannot hold is changed where it is typed.
    CTemplateEditorModel m;
    m.SetTitleText("a > b\r\n<c>");
    EXPECT_EQ(m.titleText, "a   b   c ");
    ASSERT_EQ(Save(m, dir.Path("h.txt")), Result::saved);
    EXPECT_EQ(ReadTemplateText(ReadWholeFile(dir.Path("h.txt"))).templateTitle, "a   b   c");
    EXPECT_EQ(ReadTemplateText(ReadWholeFile(dir.Path("h.txt"))).sectionCount, 1);
}

} // namespace
