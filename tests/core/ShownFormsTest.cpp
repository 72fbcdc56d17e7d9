// SPDX-License-Identifier: GPL-3.0-or-later
// Messages with numbers and names are whole sentences in the forms' language: a translation sees
// each as one text, and English comes out as it always did.
#include "PlanDocFixture.h"
#include "gallery/PlanGallery.h"
#include "rhythm/Reminder.h"

namespace {

// A language of the tests' own: every form it gives is bracketed, so that a message built from
// English pieces around a form shows them outside the brackets.
class CBracketedForms : public CShownForms {
public:
    std::string Text(const char* english, const CJJulian* date) const override {
        return "[" + CShownForms::Text(english, date) + "]";
    }
};

TEST(ShownForms, ComposeWholeSentences) {
    const CBracketedForms bracketed;
    CJJulian day;
    day.SetDate(2026, 12, 7);
    const struct {
        std::string got, want;
    } cases[] = {
        {Substitute("%2 of %1", {"a", "b"}), "b of a"},
        {Substitute("100% of %1, %3", {"x"}), "100% of x, %3"},
        {DatedText(EnglishForms(), "Reading %2 of %3, planned for %1.", day, {"4", "9"}),
         "Reading 4 of 9, planned for Mon 12/07/2026."},
        {LengthText(730), "2 years (730 days)"},
        {LengthText(730, bracketed), "[2 years (730 days)]"},
        {LengthText(1, bracketed), "[1 day]"},
        {CReadingPlanDoc::TitleFor("James", bracketed), "[James' Reading Plan]"},
        {CReadingPlanDoc::TitleFor("Ann"), "Ann's Reading Plan"},
        {CompactRangeText(TheBible().GetVerseIndex(1, 1, 1), TheBible().GetVerseIndex(1, 3, 24), bracketed),
         "Genesis 1\u20133"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.want);
}

class ShownFormsPlan : public PlanDocFixture {};

// The plan's window title, its status messages and its undo steps, each one form of the language.
TEST_F(ShownFormsPlan, DocumentMessagesAreInTheUisForms) {
    const CBracketedForms bracketed;
    ui.forms = &bracketed;
    const std::string path = dir.Path("t.vntpl");
    std::vector<int32_t> sections(66, 0);
    sections[0] = 1;
    SaveFileAtomic(path, TemplateBytes(0, 1, 0, 0, 30, {1, 1, 1, 1, 1, 1, 1}, sections));
    CReadingPlanDoc& d = Open();
    d.SetCommitAtOnce(true);
    EXPECT_EQ(d.GetTitle(), "[Bob's Reading Plan]");
    ASSERT_TRUE(d.NewPlanFromFile(path));
    d.FinishElement(0);
    d.Undo();
    ASSERT_GE(ui.statusTexts.size(), 3u);
    const std::vector<std::string> last(ui.statusTexts.end() - 3, ui.statusTexts.end());
    EXPECT_EQ(last[0].rfind("[New reading plan made from t.vntpl: ", 0), 0u) << last[0];
    EXPECT_EQ(last[1], "[Genesis 1:1\u20132:20 finished]");
    EXPECT_EQ(last[2], "[Undone: [Finished Reading]]");
    // The journal keeps the English step name, whatever the windows say.
    EXPECT_EQ(d.RedoName(), "Finished Reading");
}

} // namespace
