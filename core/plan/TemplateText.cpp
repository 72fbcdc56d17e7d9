// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemplateText.h"

#include "foundation/TextCodec.h"
#include "framework/UiServices.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace {

// ---------------------------------------------------------------- writing

std::string Padded(int32_t value, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%*d", width, value);
    return buf;
}

// --------------------------------------------------------------- the tags

// Tag names fold into numbers, h = h × 26 + (letter − 'a') over the lower-case
// letters; a five-letter name beginning with "a" therefore folds like the
// four-letter name after it ("ayear" is "year"), as the generator always read it.
constexpr uint32_t Fold(std::string_view name) {
    uint32_t h = 0;
    for (char c : name)
        h = h * 26 + static_cast<uint32_t>(c - 'a');
    return h;
}

enum class TagKind { none, flag, firstChar, accumulate, text, books };

enum class TagId {
    unknown,
    title,
    copyr,
    heade,
    year,
    month,
    days,
    divis,
    secti,
    repea,
    books,
    sunda,
    monda,
    tuesd,
    wedne,
    thurs,
    frida,
    satur,
    weekd,
    allda,
    autho // recognised and without effect: an author line some template writers add
};

struct TagName {
    uint32_t hash;
    TagId id;
    TagKind kind;
};

constexpr TagName kTags[] = {
    {Fold("title"), TagId::title, TagKind::text},       {Fold("copyr"), TagId::copyr, TagKind::text},
    {Fold("heade"), TagId::heade, TagKind::text},       {Fold("year"), TagId::year, TagKind::firstChar},
    {Fold("month"), TagId::month, TagKind::accumulate}, {Fold("days"), TagId::days, TagKind::accumulate},
    {Fold("divis"), TagId::divis, TagKind::firstChar},  {Fold("secti"), TagId::secti, TagKind::firstChar},
    {Fold("repea"), TagId::repea, TagKind::firstChar},  {Fold("books"), TagId::books, TagKind::books},
    {Fold("sunda"), TagId::sunda, TagKind::flag},       {Fold("monda"), TagId::monda, TagKind::flag},
    {Fold("tuesd"), TagId::tuesd, TagKind::flag},       {Fold("wedne"), TagId::wedne, TagKind::flag},
    {Fold("thurs"), TagId::thurs, TagKind::flag},       {Fold("frida"), TagId::frida, TagKind::flag},
    {Fold("satur"), TagId::satur, TagKind::flag},       {Fold("weekd"), TagId::weekd, TagKind::flag},
    {Fold("allda"), TagId::allda, TagKind::flag},       {Fold("autho"), TagId::autho, TagKind::none},
};

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The value of a digit, or of T/t (1) and F/f (0); -1 for anything else.
int ValueChar(char c) {
    if (IsDigit(c)) return c - '0';
    if (c == 'T' || c == 't') return 1;
    if (c == 'F' || c == 'f') return 0;
    return -1;
}

// Accumulated MONTH and DAYS values stop growing here instead of overflowing.
constexpr int32_t kMaxAccumulated = 99999999;

// -------------------------------------------------------------- references

// A book token is compared on its first five characters with the first five
// characters of the book name with its blanks removed ("SongO" names
// Song Of Songs), without regard to case.
uint16_t FindBookByToken(std::string_view token) {
    CBible& bible = TheBible();
    std::string key = ToLowerAscii(token.substr(0, 5));
    uint16_t books = std::min<uint16_t>(bible.GetBookCount(), 66);
    for (uint16_t b = 1; b <= books; ++b) {
        std::string name;
        for (char c : bible.GetBookName(b))
            if (c != ' ') name += Lower(c);
        if (name.substr(0, 5) == key) return b;
    }
    return 0;
}

// One half of a reference: [book] [chapter] [":" verse].
struct RefPart {
    bool hasBookToken = false;
    uint16_t book = 0;
    uint16_t chapter = 0; // 0 = absent
    bool hasVerse = false;
    uint16_t verse = 0;
};

// Numbers far beyond any chapter or verse are invalid all the same; keeping
// them below the reference markers lets SetReference repair them like any other.
constexpr uint32_t kMaxRefNumber = 700;

uint16_t ReadNumber(std::string_view s, size_t& pos, bool& any) {
    uint32_t n = 0;
    any = false;
    while (pos < s.size() && IsDigit(s[pos])) {
        n = std::min<uint32_t>(n * 10 + static_cast<uint32_t>(s[pos] - '0'), kMaxRefNumber);
        ++pos;
        any = true;
    }
    return static_cast<uint16_t>(n);
}

void ReadBookToken(std::string_view s, size_t& pos, RefPart& part) {
    size_t start = pos++;
    while (pos < s.size() && IsLetter(s[pos]))
        ++pos;
    part.hasBookToken = true;
    part.book = FindBookByToken(s.substr(start, pos - start));
}

void ReadChapterVerse(std::string_view s, size_t& pos, RefPart& part) {
    bool any = false;
    part.chapter = ReadNumber(s, pos, any);
    if (pos < s.size() && s[pos] == ':') {
        ++pos;
        part.verse = ReadNumber(s, pos, part.hasVerse);
    }
}

CVerse Ref(uint16_t b, uint16_t c, uint16_t v) {
    CVerse r;
    r.SetReference(b, c, v);
    return r;
}

uint16_t FirstOfBook(uint16_t b) {
    return Ref(b, 1, CVerse::FIRST_PART).GetIndex();
}
uint16_t LastOfBook(uint16_t b) {
    return Ref(b, CVerse::LAST_PART, CVerse::LAST_PART).GetIndex();
}
bool OneChapterBook(uint16_t b) {
    return TheBible().GetChapterCount(b) == 1;
}

// Adds the ranges of one reference text (trimmed, blanks removed, not empty).
void AddReference(std::string_view s, int32_t divideBy, CPlanElement& element) {
    RefPart a;
    size_t pos = 0;
    ReadBookToken(s, pos, a);
    ReadChapterVerse(s, pos, a);
    if (a.book == 0) return;
    if (pos < s.size() && s[pos] != '-') return;
    // In a one-chapter book a lone number is a verse number.
    if (OneChapterBook(a.book) && a.chapter != 0 && !a.hasVerse) {
        a.hasVerse = true;
        a.verse = a.chapter;
        a.chapter = 1;
    }
    const bool byVerses = divideBy != 0;
    const uint16_t aChapter = a.chapter ? a.chapter : 1;

    if (pos >= s.size()) {
        if (byVerses && a.chapter != 0) {
            if (a.hasVerse) {
                element.AddVerse(Ref(a.book, aChapter, a.verse).GetIndex());
            } else {
                CVerse first = Ref(a.book, aChapter, CVerse::FIRST_PART);
                element.AddRange(first.GetIndex(), first.LastVerseOf().GetIndex());
            }
        } else {
            element.AddRange(Ref(a.book, aChapter, CVerse::FIRST_PART).GetIndex(), LastOfBook(a.book));
        }
        return;
    }

    ++pos; // the "-"
    CVerse start =
        byVerses && a.hasVerse ? Ref(a.book, aChapter, a.verse) : Ref(a.book, aChapter, CVerse::FIRST_PART);
    RefPart b;
    if (pos < s.size() &&
        (!IsDigit(s[pos]) || (pos + 1 < s.size() && IsDigit(s[pos]) && IsLetter(s[pos + 1])))) {
        ReadBookToken(s, pos, b);
        if (b.book == 0) return;
    } else {
        b.book = a.book;
    }
    ReadChapterVerse(s, pos, b);
    if (b.book < a.book) return;

    uint16_t end;
    if (byVerses && b.chapter != 0) {
        if (!b.hasVerse && ((!b.hasBookToken && a.hasVerse) || OneChapterBook(b.book))) {
            // A lone number: a verse of the current chapter.
            uint16_t chapter = b.hasBookToken ? 1 : start.GetChapter();
            end = Ref(b.book, chapter, b.chapter).GetIndex();
        } else if (b.hasVerse) {
            end = Ref(b.book, b.chapter, b.verse).GetIndex();
        } else {
            end = Ref(b.book, b.chapter, CVerse::LAST_PART).GetIndex();
        }
    } else {
        end = LastOfBook(b.book);
    }

    if (b.book == a.book) {
        element.AddRange(start.GetIndex(), end);
        return;
    }
    element.AddRange(start.GetIndex(), LastOfBook(a.book));
    for (uint16_t book = static_cast<uint16_t>(a.book + 1); book < b.book; ++book)
        element.AddRange(FirstOfBook(book), LastOfBook(book));
    element.AddRange(FirstOfBook(b.book), end);
}

// ----------------------------------------------------------------- parser

// One parser for both readers. The editor reads tags only; the generator also
// knows comments, "/" day separators and "[…]" readings.
class CTemplateTextParser {
public:
    explicit CTemplateTextParser(bool import) : import_(import) {
        fields_.repeatBooks = 1;
        fields_.sectionCount = 1;
        fields_.divideBy = 1;
        fields_.planYears = 0;
        fields_.planMonths = 0;
        fields_.planDays = 0;
        fields_.readOnWeekday.fill(0);
    }

    void Run(std::string_view bytes, IProgress* progress) {
        const size_t n = bytes.size();
        const int range = static_cast<int>(std::min<size_t>(n, INT_MAX));
        // A dialog need not hear of every byte: about 200 steps suffice.
        const size_t step = std::max<size_t>(1, n / 200);
        if (progress && n > 0) progress->SetRange(range);
        size_t nextReport = step;
        for (size_t i = 0; i < n; ++i) {
            Feed(bytes[i]);
            if (progress && (i + 1 >= nextReport || i + 1 == n)) {
                progress->SetPos(static_cast<int>(std::min<size_t>(i + 1, INT_MAX)));
                nextReport = i + 1 + step;
            }
        }
        Finish();
    }

    CPlanTemplate& Fields() { return fields_; }
    bool HasSectionTable() const { return hasSectionTable_; }
    std::vector<int32_t>& SectionEntries() { return entries_; }
    std::vector<CPlanElement>& Assignments() { return assignments_; }

private:
    enum class State { idle, tagName, tagWaitEquals, tagValue, reference, comment };

    void Feed(char c) {
        switch (state_) {
        case State::idle:
            Idle(c);
            break;
        case State::comment:
            if (c == '\r' || c == '\n') state_ = State::idle;
            break;
        case State::reference:
            if (c == ']') {
                EndReference();
                state_ = State::idle;
            } else {
                reference_ += c;
            }
            break;
        case State::tagName:
            TagNameChar(c);
            break;
        case State::tagWaitEquals:
            if (c == '=') BeginValue();
            break;
        case State::tagValue:
            TagValueChar(c);
            break;
        }
    }

    void Idle(char c) {
        if (c == '<') {
            state_ = State::tagName;
            name_.clear();
            return;
        }
        if (!import_) return;
        if (c == '!') {
            state_ = State::comment;
        } else if (c == '[' && readingsOpen_) {
            state_ = State::reference;
            reference_.clear();
        } else if (c == '/' && !hasSectionTable_) {
            if (!readingsOpen_) {
                readingsOpen_ = true;
            } else {
                if (open_.GetRangeCount() > 0 || emptyReferenceSeen_) assignments_.push_back(open_);
                open_.ClearRanges();
                emptyReferenceSeen_ = false;
            }
        }
    }

    void TagNameChar(char c) {
        if (c == '>') { // the name is not complete: no effect
            state_ = State::idle;
            return;
        }
        if (!IsLetter(c)) return;
        name_ += Lower(c);
        if (name_.size() < 5 && !(name_.size() == 4 && (name_ == "year" || name_ == "days"))) return;
        const uint32_t h = Fold(name_);
        tag_ = TagId::unknown;
        kind_ = TagKind::none;
        for (const TagName& t : kTags) {
            if (t.hash == h) {
                tag_ = t.id;
                kind_ = t.kind;
                break;
            }
        }
        if (kind_ == TagKind::flag) {
            SetFlag(tag_);
            state_ = State::idle; // the rest of the tag is ordinary text
        } else {
            state_ = State::tagWaitEquals;
        }
    }

    void SetFlag(TagId id) {
        auto& days = fields_.readOnWeekday;
        switch (id) {
        case TagId::sunda:
            days[0] = 1;
            break;
        case TagId::monda:
            days[1] = 1;
            break;
        case TagId::tuesd:
            days[2] = 1;
            break;
        case TagId::wedne:
            days[3] = 1;
            break;
        case TagId::thurs:
            days[4] = 1;
            break;
        case TagId::frida:
            days[5] = 1;
            break;
        case TagId::satur:
            days[6] = 1;
            break;
        case TagId::weekd:
            for (int d = 1; d <= 5; ++d)
                days[d] = 1;
            break;
        case TagId::allda:
            days.fill(1);
            break;
        default:
            break;
        }
    }

    void BeginValue() {
        state_ = State::tagValue;
        accumulated_ = 0;
        text_.clear();
        bookCounter_ = 1;
        if (tag_ == TagId::books) {
            // The generator takes a section table only before the readings part.
            takeBooks_ = !import_ || !readingsOpen_;
            if (takeBooks_) hasSectionTable_ = true;
        }
    }

    void TagValueChar(char c) {
        switch (kind_) {
        case TagKind::firstChar: {
            if (c == '>') {
                state_ = State::idle;
                return;
            }
            int v = ValueChar(c);
            if (v < 0) return;
            SetFirstChar(tag_, v);
            state_ = State::idle;
            return;
        }
        case TagKind::accumulate: {
            if (c == '>') {
                (tag_ == TagId::month ? fields_.planMonths : fields_.planDays) = accumulated_;
                state_ = State::idle;
                return;
            }
            int v = ValueChar(c);
            if (v >= 0) accumulated_ = std::min(accumulated_ * 10 + v, kMaxAccumulated);
            return;
        }
        case TagKind::text:
            if (c == '>') {
                std::string value = Trim(text_);
                if (tag_ == TagId::title)
                    fields_.templateTitle = value;
                else if (tag_ == TagId::copyr)
                    fields_.templateFormat = value;
                else
                    fields_.templateDescription = value;
                state_ = State::idle;
            } else {
                text_ += c;
            }
            return;
        case TagKind::books:
            if (c == '>') {
                state_ = State::idle;
            } else if (c == ',') {
                if (bookCounter_ <= kMaxSectionEntries) ++bookCounter_;
            } else if (c >= '1' && c <= '6' && takeBooks_ && bookCounter_ <= kMaxSectionEntries) {
                if (entries_.size() < bookCounter_) entries_.resize(bookCounter_, 0);
                entries_[bookCounter_ - 1] = c - '0';
            }
            return;
        case TagKind::none:
        case TagKind::flag:
            if (c == '>') state_ = State::idle;
            return;
        }
    }

    void SetFirstChar(TagId id, int v) {
        switch (id) {
        case TagId::year:
            fields_.planYears = v;
            break;
        case TagId::divis:
            // The generator fixes the cut of the readings before any table or reading.
            if (v <= 2 && (!import_ || (!hasSectionTable_ && !readingsOpen_))) fields_.divideBy = v;
            break;
        case TagId::secti:
            if (v >= 1 && v <= 6) fields_.sectionCount = v;
            break;
        case TagId::repea:
            fields_.repeatBooks = v != 0 ? 1 : 0;
            break;
        default:
            break;
        }
    }

    void EndReference() {
        std::string text;
        for (char c : reference_)
            if (!IsBlank(c)) text += c;
        if (text.empty()) {
            emptyReferenceSeen_ = true;
            return;
        }
        AddReference(text, fields_.divideBy, open_);
    }

    void Finish() {
        if (fields_.planYears == 0 && fields_.planMonths == 0 && fields_.planDays == 0)
            fields_.planDays = 999;
        fields_.includeApocrypha = 0;
        const uint16_t books = TheBible().GetBookCount();
        fields_.bookSection.assign(books, 0);
        for (size_t i = 0; i < entries_.size() && i < books; ++i)
            fields_.bookSection[i] = entries_[i];
        if (import_ && !hasSectionTable_ && open_.GetRangeCount() > 0) assignments_.push_back(open_);
    }

    const bool import_;
    CPlanTemplate fields_;
    State state_ = State::idle;
    std::string name_;
    TagId tag_ = TagId::unknown;
    TagKind kind_ = TagKind::none;
    int32_t accumulated_ = 0;
    std::string text_;
    size_t bookCounter_ = 1;
    bool takeBooks_ = false;
    bool hasSectionTable_ = false;
    bool readingsOpen_ = false;
    bool emptyReferenceSeen_ = false;
    std::string reference_;
    std::vector<int32_t> entries_;
    CPlanElement open_;
    std::vector<CPlanElement> assignments_;
};

} // namespace

std::string TagSafeText(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '<' || c == '>' || c == '\r' || c == '\n') c = ' ';
    return out;
}

void FillEmptyTemplateTexts(CPlanTemplate& tmpl, std::string_view fileTitle) {
    if (tmpl.templateTitle.empty()) tmpl.templateTitle = fileTitle;
    if (tmpl.templateFormat.empty()) tmpl.templateFormat = kDefaultTemplateFormat;
    if (tmpl.templateDescription.empty()) tmpl.templateDescription = kDefaultTemplateDescription;
}

std::string TagText(std::string_view text) {
    return Trim(TagSafeText(text));
}

CTemplateTextWriter::CTemplateTextWriter() {
    Line(kTemplateTextHeading);
}

void CTemplateTextWriter::Line(std::string_view line) {
    out_.append(line);
    out_.append("\r\n");
}

std::string CTemplateTextWriter::Text(std::string_view tag, std::string_view text) {
    std::string clean = TagText(text);
    Line("<" + std::string(tag) + " = " + clean + ">");
    return clean;
}

void CTemplateTextWriter::Number(std::string_view tag, int32_t value, int width) {
    Line("<" + std::string(tag) + " = " + Padded(value, width) + ">");
}

void CTemplateTextWriter::Weekdays(const std::array<int32_t, 7>& day, bool compact) {
    static const char* const kTags[7] = {"SUNDA", "MONDA", "TUESD", "WEDNE", "THURS", "FRIDA", "SATUR"};
    auto flag = [this](const char* tag) { Line("<" + std::string(tag) + " = 1>"); };
    if (!compact) {
        for (int d = 0; d < 7; ++d)
            if (day[static_cast<size_t>(d)]) flag(kTags[d]);
        return;
    }
    bool covered = false;
    if (day[0]) {
        if (std::all_of(day.begin(), day.end(), [](int32_t f) { return f != 0; })) {
            flag("ALLDA");
            covered = true;
        } else {
            flag("SUNDA");
        }
    }
    if (day[6] && !covered) flag("SATUR");
    if (day[1] && !covered) {
        if (day[2] && day[3] && day[4] && day[5]) {
            flag("WEEKD");
            covered = true;
        } else {
            flag("MONDA");
        }
    }
    for (size_t d = 2; d <= 5; ++d)
        if (day[d] && !covered) flag(kTags[d]);
}

void CTemplateTextWriter::Books(const std::vector<int32_t>& sections) {
    std::string books = "<BOOKS = ";
    for (size_t i = 0; i < sections.size(); ++i) {
        if (i > 0) books += i % 10 == 0 ? ",\r\n         " : ",";
        books += std::to_string(sections[i]);
    }
    Line(books + ">");
}

void CTemplateTextWriter::BeginDays() {
    Line("/");
}

void CTemplateTextWriter::Day(const std::vector<std::string>& readings) {
    if (readings.empty()) out_ += "[]";
    for (const std::string& r : readings)
        out_ += "[" + r + "]";
    Line("");
    Line("/");
}

std::string WriteTemplateText(CPlanTemplate& t, std::string_view fileTitle) {
    // Cleaned first, so that a text the rule empties is filled like an empty one.
    for (std::string* text : {&t.templateTitle, &t.templateFormat, &t.templateDescription})
        *text = TagText(*text);
    FillEmptyTemplateTexts(t, fileTitle);
    CTemplateTextWriter w;
    t.templateTitle = w.Text("TITLE", t.templateTitle);
    t.templateFormat = w.Text("COPYR", t.templateFormat);
    t.templateDescription = w.Text("HEADE", t.templateDescription);
    if (t.repeatBooks == 0) w.Number("REPEA", 0);
    if (t.sectionCount != 1) w.Number("SECTI", t.sectionCount);
    if (t.divideBy != 1) w.Number("DIVIS", t.divideBy);
    if (t.planYears > 0) w.Number("YEAR", t.planYears);
    if (t.planMonths > 0) w.Number("MONTH", t.planMonths, 2);
    if (t.planDays > 0) w.Number("DAYS", t.planDays, 3);
    w.Weekdays(t.readOnWeekday, true);
    w.Books(t.bookSection);
    return w.Take();
}

CPlanTemplate ReadTemplateText(std::string_view bytes) {
    CTemplateTextParser parser(false);
    parser.Run(bytes, nullptr);
    return parser.Fields();
}

bool TextImport::AnyWeekday() const {
    return std::any_of(fields.readOnWeekday.begin(), fields.readOnWeekday.end(),
                       [](int32_t f) { return f != 0; });
}

TextImport ParseTextImport(std::string_view bytes, IProgress* progress) {
    CTemplateTextParser parser(true);
    parser.Run(bytes, progress);
    TextImport result;
    result.fields = std::move(parser.Fields());
    result.hasSectionTable = parser.HasSectionTable();
    result.sectionEntries = std::move(parser.SectionEntries());
    result.assignments = std::move(parser.Assignments());
    return result;
}
