// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanCalendar.h"

#include "foundation/FileAccess.h"
#include "plan/ReadingPlanDoc.h"
#include "rhythm/TodayStatus.h"

#include <algorithm>
#include <cstdio>
#include <dlfcn.h>
#include <libical/ical.h>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// libical is opened the first time a calendar is made, not when a program starts: with the ICU
// libraries it brings it costs every process milliseconds, and only the calendar export uses it.
// clang-format off
#define SCRIVANE_ICAL_FUNCTIONS(F)                                                                           \
    F(icalcomponent_new_vcalendar) F(icalcomponent_new_vevent) F(icalcomponent_add_property)                 \
    F(icalcomponent_as_ical_string_r) F(icalcomponent_free) F(icalproperty_new_version)                      \
    F(icalproperty_new_prodid) F(icalproperty_new_calscale) F(icalproperty_new_uid)                          \
    F(icalproperty_new_dtstamp) F(icalproperty_new_dtstart) F(icalproperty_new_dtend)                        \
    F(icalproperty_new_summary) F(icalproperty_new_description) F(icalproperty_new_transp)                   \
    F(icaltime_null_date) F(icaltime_from_timet_with_zone) F(icaltimezone_get_utc_timezone)
// clang-format on

struct IcalLibrary {
#define SCRIVANE_ICAL_POINTER(name) decltype(&::name) name = nullptr;
    SCRIVANE_ICAL_FUNCTIONS(SCRIVANE_ICAL_POINTER)
#undef SCRIVANE_ICAL_POINTER
    std::string problem;
};

const IcalLibrary& Ical() {
    static const IcalLibrary library = [] {
        IcalLibrary lib;
        void* handle = ::dlopen(SCRIVANE_LIBICAL_SONAME, RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* why = ::dlerror();
            lib.problem = std::string("The calendar export needs the libical library (") +
                          SCRIVANE_LIBICAL_SONAME + "), which could not be loaded" +
                          (why ? std::string(": ") + why : std::string("."));
            return lib;
        }
#define SCRIVANE_ICAL_LOAD(name)                                                                             \
    lib.name = reinterpret_cast<decltype(&::name)>(::dlsym(handle, #name));                                  \
    if (!lib.name && lib.problem.empty())                                                                    \
        lib.problem = std::string("The libical library (") + SCRIVANE_LIBICAL_SONAME + ") lacks " #name ".";
        SCRIVANE_ICAL_FUNCTIONS(SCRIVANE_ICAL_LOAD)
#undef SCRIVANE_ICAL_LOAD
        return lib;
    }();
    if (!library.problem.empty()) throw std::runtime_error(library.problem);
    return library;
}

uint64_t Fnv1a(const std::string& text) {
    uint64_t h = 14695981039346656037ull;
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

icaltimetype DateOf(const CJJulian& d) {
    icaltimetype t = Ical().icaltime_null_date();
    t.year = d.GetYear();
    t.month = d.GetMonth();
    t.day = d.GetDay();
    t.is_date = 1;
    return t;
}

std::string UidFor(const std::string& identity, uint16_t index, const CPlanElement& e) {
    const unsigned first = e.GetRangeCount() ? e.GetRangeStart(0) : 0u;
    return identity + "-" + std::to_string(index) + "-" + std::to_string(first) + "@scrivane.brennoch";
}

// The reader's part of a stem whichever way it was given: the reader directory and the file
// title ("\\Bob (John Smith)\\Bob" in the reader file, "/home/.../Bob (John Smith)/Bob" on the
// command line), so that the program and the command line give the same UIDs.
std::string ReaderPartOfStem(const std::string& stem) {
    std::string s = stem;
    for (char& c : s)
        if (c == '/') c = '\\';
    size_t cut = s.rfind('\\');
    if (cut != std::string::npos && cut > 0) cut = s.rfind('\\', cut - 1);
    return cut == std::string::npos ? s : s.substr(cut + 1);
}

struct ComponentFree {
    void operator()(icalcomponent* c) const { Ical().icalcomponent_free(c); }
};

} // namespace

std::string PlanIdentity(const CReadingPlanDoc& doc, const std::string& readerStem) {
    const std::string made = ReaderPartOfStem(readerStem) + '\n' + doc.GetTemplateTitle() + '\n' +
                             std::to_string(doc.GetStartDate().GetDayNumber());
    char buf[20];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(Fnv1a(made)));
    return buf;
}

std::string AssignmentUid(const CReadingPlanDoc& doc, const std::string& readerStem, uint16_t index) {
    return UidFor(PlanIdentity(doc, readerStem), index, doc.Elements().at(index));
}

namespace {

// RFC 5545 TEXT: backslash, ";" and "," escaped, a line break as \n.
std::string EscapedText(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == ';' || c == ',')
            out += '\\';
        else if (c == '\n') {
            out += "\\n";
            continue;
        } else if (c == '\r')
            continue;
        out += c;
    }
    return out;
}

// A content line folded after at most 75 octets, never inside a UTF-8 character.
std::string FoldedLine(const std::string& line) {
    std::string out;
    size_t width = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        size_t n = 1;
        if (c >= 0xC0) {
            while (i + n < line.size() && (static_cast<unsigned char>(line[i + n]) & 0xC0) == 0x80)
                ++n;
        }
        if (width + n > 75) {
            out += "\r\n ";
            width = 1;
        }
        out.append(line, i, n);
        width += n;
        i += n - 1;
    }
    return out + "\r\n";
}

} // namespace

std::string PlanCalendarText(const CReadingPlanDoc& doc, const PlanCalendarOptions& options) {
    const IcalLibrary& ical = Ical();
    std::unique_ptr<icalcomponent, ComponentFree> cal(ical.icalcomponent_new_vcalendar());
    ical.icalcomponent_add_property(cal.get(), ical.icalproperty_new_version("2.0"));
    ical.icalcomponent_add_property(cal.get(), ical.icalproperty_new_prodid("-//Brennoch//Scrivane 1.0//EN"));
    ical.icalcomponent_add_property(cal.get(), ical.icalproperty_new_calscale("GREGORIAN"));
    const std::time_t when = options.stamp ? options.stamp : std::time(nullptr);
    const icaltimetype stamp =
        ical.icaltime_from_timet_with_zone(when, 0, ical.icaltimezone_get_utc_timezone());
    const std::string identity = PlanIdentity(doc, options.readerStem);
    const CShownForms& forms = options.forms ? *options.forms : EnglishForms();

    // Each event is written by libical as soon as it is made and freed again, and the events go
    // between the calendar's own lines: a plan of years is never held as one tree of thousands
    // of components, which costs more in memory handling than in writing.
    char* calendarText = ical.icalcomponent_as_ical_string_r(cal.get());
    const std::string frame = calendarText ? calendarText : "";
    std::free(calendarText);
    const size_t tail = std::min(frame.rfind("END:VCALENDAR"), frame.size());
    std::string result = frame.substr(0, tail);
    // Written here: libical escapes an X- value's backslashes but not its ";" and ",", and
    // calendars read this one as TEXT.
    if (!options.calendarName.empty())
        result += FoldedLine("X-WR-CALNAME:" + EscapedText(options.calendarName));
    // About 500 bytes an event: one allocation instead of a dozen growing copies of megabytes.
    result.reserve(frame.size() + size_t(doc.GetElementCount()) * 560);
    std::vector<std::string> texts;
    for (uint16_t i = 0; i < doc.GetElementCount(); ++i) {
        const CPlanElement& e = doc.Elements()[i];
        texts.clear();
        for (const VerseRange& r : e.Ranges())
            texts.push_back(RangeText(r.start, r.end, forms));
        std::string summary = doc.IsElementFinished(i) ? forms.Text(kFinishedPrefix) : "";
        std::string description;
        for (size_t k = 0; k < texts.size(); ++k) {
            summary += (k ? "; " : "") + texts[k];
            description += texts[k] + "\n";
        }
        if (doc.IsElementFinished(i)) description += forms.Text(TR_NOOP("Core", "Finished.\n"));
        description +=
            DatedText(forms, TR_NOOP("Core", "Reading %2 of %3, planned for %1."), e.GetOriginalDate(),
                      {std::to_string(i + 1), std::to_string(doc.GetElementCount())});
        const std::string uid = UidFor(identity, i, e);

        std::unique_ptr<icalcomponent, ComponentFree> event(ical.icalcomponent_new_vevent());
        ical.icalcomponent_add_property(event.get(), ical.icalproperty_new_uid(uid.c_str()));
        ical.icalcomponent_add_property(event.get(), ical.icalproperty_new_dtstamp(stamp));
        ical.icalcomponent_add_property(event.get(),
                                        ical.icalproperty_new_dtstart(DateOf(e.GetScheduledDate())));
        ical.icalcomponent_add_property(event.get(),
                                        ical.icalproperty_new_dtend(DateOf(e.GetScheduledDate().NextDay())));
        ical.icalcomponent_add_property(event.get(), ical.icalproperty_new_summary(summary.c_str()));
        ical.icalcomponent_add_property(event.get(), ical.icalproperty_new_description(description.c_str()));
        ical.icalcomponent_add_property(event.get(), ical.icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        char* text = ical.icalcomponent_as_ical_string_r(event.get());
        if (text) result += text;
        std::free(text);
    }
    result.append(frame, tail);
    return result;
}

void ExportPlanCalendar(const CReadingPlanDoc& doc, const PlanCalendarOptions& options,
                        const std::string& path) {
    SaveFileAtomic(path, PlanCalendarText(doc, options));
}
