// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/PlanCalendar.h"
#include "../core/PlanDocFixture.h"
#include "foundation/Exceptions.h"

#include <gtest/gtest.h>
#include <libical/ical.h>
#include <map>

namespace {

struct Event {
    std::string uid, summary, description;
    std::string start, end; // YYYYMMDD
};

std::string DateText(icaltimetype t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", t.year, t.month, t.day);
    return buf;
}

// The calendar read back by libical's own parser.
std::vector<Event> ParseBack(const std::string& text) {
    icalcomponent* cal = icalparser_parse_string(text.c_str());
    EXPECT_NE(cal, nullptr);
    std::vector<Event> events;
    if (!cal) return events;
    EXPECT_EQ(icalcomponent_isa(cal), ICAL_VCALENDAR_COMPONENT);
    for (icalcomponent* e = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(e);
        const icaltimetype end = icalcomponent_get_dtend(e);
        EXPECT_TRUE(start.is_date);
        events.push_back({icalcomponent_get_uid(e), icalcomponent_get_summary(e),
                          icalcomponent_get_description(e), DateText(start), DateText(end)});
    }
    icalcomponent_free(cal);
    return events;
}

std::string Yyyymmdd(const CJJulian& d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", d.GetYear(), d.GetMonth(), d.GetDay());
    return buf;
}

// The windows' forms, made to stand out: each text bracketed, books named as in Spanish.
class CMarkedForms : public CShownForms {
public:
    CMarkedForms() { books = LocalBookNames("es"); }
    std::string Text(const char* english, const CJJulian* date) const override {
        return "[" + CShownForms::Text(english, date) + "]";
    }
};

class PlanCalendar : public PlanDocFixture {
protected:
    CReadingPlanDoc& MakeWeekPlan() {
        SetTodayOverride(CJJulian::Day(2026, 12, 5));
        SaveFileAtomic(dir.Path("w.txt"),
                       "<TITLE = Week><WEEKD = 1>/[Genesis 1]/[Genesis 2][Psalms 23]/[Jude "
                       "3]/[Genesis 3][Genesis 4][Genesis 5][Genesis 6][Exodus 20]");
        CReadingPlanDoc& d = Open();
        EXPECT_TRUE(d.NewPlanFromFile(dir.Path("w.txt")));
        return d;
    }
    PlanCalendarOptions Options() const {
        PlanCalendarOptions o;
        o.readerStem = reader.fileStem;
        o.calendarName = "Bob's Reading Plan";
        o.stamp = 1796000000;
        return o;
    }
};

TEST_F(PlanCalendar, EveryAssignmentIsAnAllDayEventOnItsDate) {
    CReadingPlanDoc& d = MakeWeekPlan();
    d.FinishElement(0);
    const std::string text = PlanCalendarText(d, Options());
    const std::vector<Event> events = ParseBack(text);
    ASSERT_EQ(events.size(), d.GetElementCount());
    for (uint16_t i = 0; i < d.GetElementCount(); ++i) {
        const CJJulian date = d.Elements()[i].GetScheduledDate();
        EXPECT_EQ(events[i].start, Yyyymmdd(date)) << i;
        EXPECT_EQ(events[i].end, Yyyymmdd(date.NextDay())) << i;
        EXPECT_EQ(events[i].uid, AssignmentUid(d, reader.fileStem, i));
    }
    EXPECT_EQ(events[0].summary, "Finished: Genesis 1:1 through Genesis 1:31");
    EXPECT_EQ(events[0].description,
              "Genesis 1:1 through Genesis 1:31\nFinished.\nReading 1 of 4, planned for Mon "
              "12/07/2026.");
    // Semicolons, commas and line breaks survive the escaping; the long summary survives folding.
    EXPECT_EQ(events[1].summary, "Genesis 2:1 through Genesis 2:25; Psalms 23:0 through Psalms 23:6");
    EXPECT_EQ(events[1].description,
              "Genesis 2:1 through Genesis 2:25\nPsalms 23:0 through Psalms 23:6\nReading "
              "2 of 4, planned for Tue 12/08/2026.");
    EXPECT_EQ(events[3].summary,
              "Genesis 3:1 through Genesis 3:24; Genesis 4:1 through Genesis 4:26; Genesis "
              "5:1 through Genesis 5:32; Genesis 6:1 through Genesis 6:22; Exodus 20:1 through "
              "Exodus 20:26");
    EXPECT_NE(text.find("\\;"), std::string::npos);
    EXPECT_NE(text.find("\\,"), std::string::npos);
    // RFC 5545: CRLF line ends, no line longer than 75 octets, continuation lines start with a blank.
    size_t lineStart = 0;
    for (size_t pos; (pos = text.find("\r\n", lineStart)) != std::string::npos; lineStart = pos + 2)
        EXPECT_LE(pos - lineStart, 75u) << text.substr(lineStart, pos - lineStart);
    EXPECT_EQ(lineStart, text.size());
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
    // Exported from the windows: the texts are the language's forms, books its names.
    const CMarkedForms marked;
    PlanCalendarOptions shown = Options();
    shown.forms = &marked;
    const std::vector<Event> translated = ParseBack(PlanCalendarText(d, shown));
    ASSERT_EQ(translated.size(), events.size());
    EXPECT_EQ(translated[0].summary, "[Finished: ]G\u00e9nesis 1:1[ through ]G\u00e9nesis 1:31");
    EXPECT_EQ(translated[0].description,
              "G\u00e9nesis 1:1[ through ]G\u00e9nesis 1:31\n[Finished.\n][Reading 1 of 4, "
              "planned for Mon 12/07/2026.]");
}

TEST_F(PlanCalendar, UidsStayWhenThePlanIsRedatedAndChangeWithANewPlan) {
    CReadingPlanDoc& d = MakeWeekPlan();
    d.FinishElement(0);
    const std::vector<Event> before = ParseBack(PlanCalendarText(d, Options()));
    SetTodayOverride(CJJulian::Day(2026, 12, 16)); // Wednesday, a week behind
    d.SynchronizeDates();
    const std::vector<Event> after = ParseBack(PlanCalendarText(d, Options()));
    ASSERT_EQ(before.size(), after.size());
    std::map<std::string, std::string> moved;
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(before[i].uid, after[i].uid);
        moved[after[i].uid] = after[i].start;
    }
    EXPECT_EQ(moved.size(), after.size()); // unique
    EXPECT_EQ(after[0].start, "20261207"); // finished: stays
    EXPECT_EQ(after[1].start, "20261216");
    EXPECT_EQ(after[2].start, "20261217");
    EXPECT_EQ(after[3].start, "20261218");

    // Another reader with the same plan does not share events; a new plan replaces them.
    EXPECT_NE(AssignmentUid(d, "\\Ann", 1), after[1].uid);
    EXPECT_EQ(AssignmentUid(d, "/Bob", 1), after[1].uid);
    // The reader file's stem and the command line's path name the same reader.
    EXPECT_EQ(AssignmentUid(d, "\\Ann (A B)\\Ann", 1), AssignmentUid(d, "/srv/plans/Ann (A B)/Ann", 1));
    EXPECT_NE(AssignmentUid(d, "\\Ann (A B)\\Ann", 1), AssignmentUid(d, "\\Ann (A C)\\Ann", 1));
    SetTodayOverride(CJJulian::Day(2027, 1, 4));
    ASSERT_TRUE(d.NewPlanFromFile(dir.Path("w.txt")));
    for (const Event& e : ParseBack(PlanCalendarText(d, Options())))
        EXPECT_EQ(moved.count(e.uid), 0u);
}

TEST_F(PlanCalendar, AnEmptyPlanIsAnEmptyCalendarAndAnUnwritablePathLeavesThePlan) {
    CReadingPlanDoc& empty = Open();
    EXPECT_TRUE(ParseBack(PlanCalendarText(empty, Options())).empty());

    CReadingPlanDoc& d = MakeWeekPlan();
    ASSERT_TRUE(d.SaveDirtyFiles());
    const std::string plan = ReadWholeFile(PlanPath());
    SaveFileAtomic(dir.Path("kept.ics"), "");
    SetReadOnly(dir.Path("kept.ics"), true);
    EXPECT_THROW(ExportPlanCalendar(d, Options(), dir.Path("kept.ics")), CFileException);
    EXPECT_THROW(ExportPlanCalendar(d, Options(), dir.Path("missing/plan.ics")), CFileException);
    EXPECT_EQ(ReadWholeFile(PlanPath()), plan);
    EXPECT_FALSE(d.GetPlanDirty());

    ExportPlanCalendar(d, Options(), dir.Path("plan.ics"));
    EXPECT_EQ(ParseBack(ReadWholeFile(dir.Path("plan.ics"))).size(), 4u);
}

TEST_F(PlanCalendar, TheObserverHearsEveryPlanWriteAndNothingElse) {
    CReadingPlanDoc& d = MakeWeekPlan();
    int heard = 0;
    d.SetPlanWrittenObserver([&heard](const CReadingPlanDoc&) { ++heard; });
    ASSERT_TRUE(d.SaveDirtyFiles());
    EXPECT_EQ(heard, 1);
    ASSERT_TRUE(d.SaveDirtyFiles()); // nothing dirty
    EXPECT_EQ(heard, 1);
    d.AddLifetimeReading(0, 3); // history only
    ASSERT_TRUE(d.SaveDirtyFiles());
    EXPECT_EQ(heard, 1);
    d.SynchronizeDates();
    ASSERT_TRUE(d.SaveDirtyFiles());
    EXPECT_EQ(heard, 2);
}

} // namespace

// The calendar's name is TEXT: ";" and "," (which would split it into
// several values), backslashes and line breaks are escaped, long names are
// folded, and the calendar still parses.
TEST_F(PlanCalendar, TheCalendarNameIsEscapedAsText) {
    CReadingPlanDoc& d = MakeWeekPlan();
    struct Case {
        std::string name;
        std::string line;
    } cases[] = {
        {"Bob's Reading Plan", "X-WR-CALNAME:Bob's Reading Plan\r\n"},
        {"Smith; Jones, Lee", "X-WR-CALNAME:Smith\\; Jones\\, Lee\r\n"},
        {"a\\b", "X-WR-CALNAME:a\\\\b\r\n"},
        {"two\nlines", "X-WR-CALNAME:two\\nlines\r\n"},
        // Folded after 75 octets, the two-byte "é" kept whole on the next line.
        {std::string(61, 'x') + "é", "X-WR-CALNAME:" + std::string(61, 'x') + "\r\n é\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlanCalendarOptions o = Options();
        o.calendarName = c.name;
        const std::string text = PlanCalendarText(d, o);
        EXPECT_NE(text.find(c.line), std::string::npos) << text.substr(0, 300);
        std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> parsed(icalparser_parse_string(text.c_str()),
                                                                        icalcomponent_free);
        ASSERT_TRUE(parsed);
        icalproperty* p = icalcomponent_get_first_property(parsed.get(), ICAL_X_PROPERTY);
        for (; p && std::string(icalproperty_get_x_name(p)) != "X-WR-CALNAME";
             p = icalcomponent_get_next_property(parsed.get(), ICAL_X_PROPERTY)) {
        }
        ASSERT_TRUE(p);
        // libical gives the ";" and "," back unescaped, its own escapes of the others as they stand.
        if (c.name.find_first_of("\\\n") == std::string::npos) {
            EXPECT_EQ(icalproperty_get_value_as_string(p), c.name);
        }
    }
}
