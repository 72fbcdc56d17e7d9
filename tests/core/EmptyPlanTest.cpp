// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanDocFixture.h"

namespace {

class EmptyPlans : public PlanDocFixture {
protected:
    static std::vector<int32_t> Only(uint16_t book) {
        std::vector<int32_t> s(66, 0);
        s[book - 1u] = 1;
        return s;
    }
};

TEST_F(EmptyPlans, APlanWithoutReadingsIsExplained) {
    SetTodayOverride(CJJulian::Day(2026, 12, 5));
    const std::string everyDay = "<ALLDA = 1>";
    std::string books = "<BOOKS = 1";
    for (int i = 1; i < 66; ++i)
        books += ",0";
    books += ">";
    struct Case {
        std::string file;
        std::string bytes;
        const char* message;
        bool planKept; // refused before the old plan was emptied
    };
    const std::vector<Case> cases = {
        {"noday.vntpl", TemplateBytes(0, 1, 0, 0, 30, {0, 0, 0, 0, 0, 0, 0}, Only(1)), kNoReadingDayMessage,
         true},
        {"nobook.vntpl", TemplateBytes(0, 1, 0, 0, 30, {1, 1, 1, 1, 1, 1, 1}, {}), kNoBooksMessage, true},
        {"outside.vntpl", TemplateBytes(0, 1, 0, 0, 30, {1, 1, 1, 1, 1, 1, 1}, std::vector<int32_t>(66, 9)),
         kNoBooksMessage, true},
        {"noday.txt", "<DAYS = 30>" + books, kNoReadingDayMessage, true},
        {"nobook.txt", everyDay + "<DAYS = 30><BOOKS = 0,0,0>", kNoBooksMessage, true},
        {"nothing.txt", "! no readings at all\r\n", kNoReadingsMessage, false},
        {"plan.doc", "not a template", kNoReadingsMessage, false},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(PlanPath());
        CReadingPlanDoc& d = Open();
        SaveFileAtomic(dir.Path("good.vntpl"),
                       TemplateBytes(0, 1, 0, 0, 10, {1, 1, 1, 1, 1, 1, 1}, Only(65)));
        ASSERT_TRUE(d.NewPlanFromFile(dir.Path("good.vntpl")));
        const auto elements = d.Elements();
        ASSERT_FALSE(elements.empty());
        SaveFileAtomic(dir.Path(c.file), c.bytes);
        ui = CScriptedUiServices();
        EXPECT_EQ(d.NewPlanFromFile(dir.Path(c.file)), !c.planKept) << c.file;
        ASSERT_EQ(ui.messageBoxes.size(), 1u) << c.file;
        EXPECT_EQ(ui.messageBoxes[0].text, dir.Path(c.file) + c.message);
        EXPECT_EQ(ui.messageBoxes[0].icon, MbIcon::exclamation);
        if (c.planKept) {
            EXPECT_EQ(d.Elements(), elements) << c.file;
        } else {
            EXPECT_EQ(d.GetElementCount(), 0) << c.file;
        }
    }
}

} // namespace
