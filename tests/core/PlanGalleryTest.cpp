// SPDX-License-Identifier: GPL-3.0-or-later
#include "gallery/PlanGallery.h"
#include "PlanDocFixture.h"
#include "foundation/ErrorMessages.h"
#include "plan/TemplateText.h"

#include <gtest/gtest.h>
#include <map>

namespace {

class ShippedPlans : public PlanDocFixture {};

// Every shipped template makes, on a fixed date, a plan whose sections all
// end on its last reading day and read every verse of their books once, or
// start over where the template says the books repeat.
TEST_F(ShippedPlans, EverySectionEndsOnTheLastDayAndCoversItsBooks) {
    const std::string shipped = ShippedPlansDirectory();
    ASSERT_FALSE(shipped.empty());
    const std::vector<GalleryEntry> entries = ListGallery(shipped, {}, CJJulian::Day(2027, 1, 4));
    std::map<std::string, uint32_t> readingDays;
    CBible& bible = TheBible();
    for (const GalleryEntry& entry : entries) {
        SCOPED_TRACE(entry.fileName);
        ASSERT_TRUE(entry.readable) << entry.reason;
        readingDays[entry.title] = entry.readingDays;
        Open();
        SetTodayOverride(CJJulian::Day(2027, 1, 4));
        ASSERT_TRUE(doc->NewPlanFromFile(entry.path));
        EXPECT_EQ(doc->GetTemplateTitle(), entry.title);
        EXPECT_FALSE(doc->GetTemplateDescription().empty());
        const TextImport t = ParseTextImport(ReadWholeFile(entry.path));
        ASSERT_TRUE(t.hasSectionTable);
        const auto& elements = doc->Elements();
        ASSERT_FALSE(elements.empty());
        EXPECT_EQ(elements.size(), entry.readingDays);

        // How often each verse is read.
        std::vector<uint32_t> count(bible.GetTotalVerseCount(), 0);
        for (const CPlanElement& e : elements)
            for (const VerseRange& r : e.Ranges())
                for (uint32_t v = r.start; v <= r.end; ++v)
                    ++count[v];
        for (int s = 1; s <= t.fields.sectionCount; ++s) {
            uint16_t lastBook = 0;
            for (uint16_t b = 1; b <= bible.GetBookCount(); ++b) {
                if (t.fields.bookSection[b - 1] != s) continue;
                lastBook = b;
                const uint16_t first = bible.GetVerseIndex(b, 1, bible.GetFirstVerse(b, 1));
                const uint16_t chapters = bible.GetChapterCount(b);
                const uint16_t last = bible.GetVerseIndex(b, chapters, bible.GetLastVerse(b, chapters));
                for (uint32_t v = first; v <= last; ++v) {
                    if (t.fields.repeatBooks)
                        ASSERT_GE(count[v], 1u) << "verse " << v;
                    else
                        ASSERT_EQ(count[v], 1u) << "verse " << v;
                }
            }
            ASSERT_NE(lastBook, 0) << "section " << s << " is empty";
            // The section's last verse is read on the last reading day.
            const uint16_t chapters = bible.GetChapterCount(lastBook);
            const uint16_t lastVerse =
                bible.GetVerseIndex(lastBook, chapters, bible.GetLastVerse(lastBook, chapters));
            bool onLastDay = false;
            for (const VerseRange& r : elements.back().Ranges())
                onLastDay = onLastDay || r.end == lastVerse;
            EXPECT_TRUE(onLastDay) << "section " << s;
            if (!t.fields.repeatBooks) {
                // ...and on no day before it.
                for (size_t i = 0; i + 1 < elements.size(); ++i)
                    for (const VerseRange& r : elements[i].Ranges())
                        EXPECT_NE(r.end, lastVerse) << "section " << s << " ends early on day " << i;
            }
        }
        // Verses of no section are never read.
        for (uint16_t b = 1; b <= bible.GetBookCount(); ++b)
            if (t.fields.bookSection[b - 1] == 0) {
                EXPECT_EQ(count[bible.GetVerseIndex(b, 1, 1)], 0u);
            }
    }
    // The set the program promises, with the reading days of a plan made on Monday 4 January 2027.
    const std::map<std::string, uint32_t> promised = {
        {"Bible in one year", 365},
        {"Bible in one year, three readings a day", 365},
        {"Bible in two years on weekdays", 522},
        {"New Testament in 90 days", 90},
        {"Gospels and Acts in 30 days", 30},
        {"Psalms and Proverbs in a month", 31},
        {"Old Testament in one year", 365},
    };
    EXPECT_EQ(readingDays, promised);
}

TEST_F(ShippedPlans, GalleryEntriesDescribeThePlanAndItsFirstWeek) {
    const std::vector<GalleryEntry> entries =
        ListGallery(ShippedPlansDirectory(), {}, CJJulian::Day(2027, 1, 4));
    auto nt = std::find_if(entries.begin(), entries.end(),
                           [](const GalleryEntry& e) { return e.title == "New Testament in 90 days"; });
    ASSERT_NE(nt, entries.end());
    EXPECT_EQ(nt->lengthDays, 90);
    EXPECT_EQ(nt->sections, 1);
    EXPECT_EQ(nt->chapters, 260u);
    EXPECT_EQ(nt->verses, 7957u);
    EXPECT_EQ(SummaryText(*nt),
              "90 days, 90 reading days, 1 section, 260 chapters (7957 verses), whole chapters");
    std::vector<std::string> preview = PreviewLines(*nt);
    ASSERT_EQ(preview.size(), kGalleryPreviewDays);
    EXPECT_EQ(preview[0].substr(0, 4), "Mon ");
    EXPECT_EQ(preview[0], "Mon 01/04/2027: Matthew 1:1 through Matthew 4:25");
    EXPECT_EQ(preview[6].substr(0, 16), "Sun 01/10/2027: ");
    EXPECT_EQ(LengthText(730), "2 years (730 days)");
    EXPECT_EQ(LengthText(1), "1 day");
}

TEST_F(ShippedPlans, TheReadersDamagedFilesAreListedAndLeftAlone) {
    TempDir own;
    const std::string damaged = own.Path("Broken.vntpl");
    const std::string letter = own.Path("letter.txt");
    const std::string good = own.Path("Mine.vntpl");
    SaveFileAtomic(damaged, std::string("\x01\x00\x00", 3));
    SaveFileAtomic(letter, "Dear Bob,\r\nsee you soon.\r\n");
    SaveFileAtomic(good, TemplateBytes(0, 0, 0, 0, 10, {1, 1, 1, 1, 1, 1, 1}, {1}));
    SaveFileAtomic(own.Path("notes.vnnot"), "x");
    // Tags, but no plan: a template gone wrong, shown as such.
    SaveFileAtomic(own.Path("tagged.txt"), "<TITLE = Half done>\r\n");
    const std::vector<GalleryEntry> entries =
        ListGallery("", {own.Path(), own.Path() + "/."}, CJJulian::Day(2027, 1, 4));
    // The same directory twice is listed once; the letter is no template at all.
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].fileName, "Broken.vntpl");
    EXPECT_FALSE(entries[0].readable);
    EXPECT_EQ(entries[0].reason, std::string(kUnexpectedFileFormat) + "\n" + own.Path("Broken.vntpl") +
                                     " is damaged or is not a file of its kind.");
    EXPECT_EQ(SummaryText(entries[0]).rfind("Cannot be used: ", 0), 0u);
    EXPECT_EQ(entries[1].fileName, "Mine.vntpl");
    EXPECT_TRUE(entries[1].readable);
    EXPECT_EQ(entries[1].origin, GalleryOrigin::reader);
    EXPECT_EQ(entries[1].readingDays, 10u);
    EXPECT_EQ(entries[1].chapters, 50u); // Genesis alone
    EXPECT_EQ(entries[2].fileName, "tagged.txt");
    EXPECT_FALSE(entries[2].readable);
    EXPECT_EQ(entries[2].reason, "This file holds no reading plan.");
    EXPECT_EQ(ReadWholeFile(damaged), std::string("\x01\x00\x00", 3));
    EXPECT_EQ(ReadWholeFile(letter), "Dear Bob,\r\nsee you soon.\r\n");
    EXPECT_EQ(own.List(), (std::vector<std::string>{"Broken.vntpl", "Mine.vntpl", "letter.txt", "notes.vnnot",
                                                    "tagged.txt"}));
}

} // namespace
