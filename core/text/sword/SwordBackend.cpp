// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/TextBackend.h"

#include "scripture/Bible.h"
#include "scripture/Verse.h"
#include "text/ModuleCheck.h"
#include "text/PlainText.h"

#include <localemgr.h>
#include <markupfiltmgr.h>
#include <swfilter.h>
#include <swlog.h>
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <map>
#include <sys/stat.h>

namespace {

constexpr uint16_t kOldTestamentBooks = 39;
// A mapped range longer than this is a damaged mapping, not a verse.
constexpr int kLongestMappedRange = 8;
// A module description is a few kilobytes; SWORD reads one whole, line by line.
constexpr off_t kLargestConf = 1 << 20;

// Runs before SWORD's own filters, so that the footnote filter cannot glue
// the words on both sides of a note.
class CKeepWordBreaks : public sword::SWFilter {
public:
    char processText(sword::SWBuf& text, const sword::SWKey*, const sword::SWModule*) override {
        if (std::strstr(text.c_str(), "<note")) text = KeepWordBreaksAroundNotes(text.c_str()).c_str();
        return 0;
    }
};

// SWORD's library, reading only module descriptions that are regular files of
// a sane size: SWORD would block for good on a FIFO and read a file of any size
// whole. A description left out leaves its module out.
class CLibrary : public sword::SWMgr {
public:
    explicit CLibrary(sword::SWFilterMgr* markup) : sword::SWMgr(nullptr, nullptr, false, markup) { load(); }
    CLibrary(const char* path, sword::SWFilterMgr* markup) : sword::SWMgr(path, false, markup, false, false) {
        load();
    }

protected:
    void loadConfigDir(const char* path) override {
        std::string dir = path;
        if (dir.empty() || dir.back() != '/') dir += '/';
        if (DIR* d = ::opendir(path)) {
            std::vector<std::string> names;
            while (const dirent* e = ::readdir(d)) {
                const std::string_view name = e->d_name;
                if (name.size() > 5 && name.substr(name.size() - 5) == ".conf") names.emplace_back(name);
            }
            ::closedir(d);
            for (const std::string& name : names) {
                const std::string file = dir + name;
                struct stat st {};
                if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kLargestConf)
                    continue;
                if (config)
                    config->augment(sword::SWConfig(file.c_str()));
                else
                    config = myconfig = new sword::SWConfig(file.c_str());
            }
        }
        if (!config) config = myconfig = new sword::SWConfig((dir + "globals.conf").c_str());
    }
};

struct Rendered {
    std::string text;
    std::vector<std::string> headings;
    std::vector<std::string> psalmTitles;
    // Why the module's files do not give this entry; null when they do.
    const std::string* damage = nullptr;
};

} // namespace

// Verses are named by number, never by a localised book name, so SWORD's
// built-in English is enough; loading every installed locale would be most of
// the time it takes to open. It must be in place before the first VerseKey,
// which keeps a pointer into the locale manager.
struct UseBuiltInLocale {
    UseBuiltInLocale() {
        static const bool done = [] {
            // Damage is reported in the program's own words, and not on the terminal of the GUI.
            sword::SWLog::getSystemLog()->setLogLevel(0);
            sword::LocaleMgr::setSystemLocaleMgr(new sword::LocaleMgr(""));
            return true;
        }();
        (void)done;
    }
};

class CSwordTextBackend final : public ITextBackend {
public:
    explicit CSwordTextBackend(std::string path) : libraryPath(std::move(path)) {}

    UseBuiltInLocale locale;
    std::string libraryPath;
    // Declared before the manager, which holds pointers to it, so that it outlives it.
    CKeepWordBreaks keepWordBreaks;
    std::unique_ptr<CLibrary> mgr;
    std::map<std::string, sword::SWModule*> filtered;
    sword::VerseKey canonKey;

    sword::SWMgr& Manager() {
        if (!mgr) {
            auto* markup = new sword::MarkupFilterMgr(sword::FMT_PLAIN);
            if (libraryPath.empty())
                mgr = std::make_unique<CLibrary>(markup);
            else
                mgr = std::make_unique<CLibrary>(libraryPath.c_str(), markup);
            // Plain reading text: headings and poetry kept, the apparatus left out.
            const char* const off[] = {"Footnotes",
                                       "Cross-references",
                                       "Strong's Numbers",
                                       "Morphological Tags",
                                       "Lemmas",
                                       "Glosses",
                                       "Word Javascript",
                                       "Transliterated Forms",
                                       "Enumerations",
                                       "Morpheme Segmentation",
                                       "Words of Christ in Red"};
            for (const char* option : off)
                mgr->setGlobalOption(option, "Off");
            mgr->setGlobalOption("Hebrew Vowel Points", "On");
            mgr->setGlobalOption("Greek Accents", "On");
            mgr->setGlobalOption("Headings", "On");
            mgr->setGlobalOption("Textual Variants", "Primary Reading");
            canonKey.setVersificationSystem("KJV");
            canonKey.setIntros(true);
            canonKey.setAutoNormalize(false);
        }
        return *mgr;
    }

    static bool IsBible(sword::SWModule* m) {
        return m && std::strcmp(m->getType(), sword::SWMgr::MODTYPE_BIBLES) == 0 &&
               dynamic_cast<sword::VerseKey*>(m->getKey()) != nullptr;
    }

    static std::string Versification(sword::SWModule* m) {
        const char* v = m->getConfigEntry("Versification");
        return v && *v ? v : "KJV";
    }

    sword::SWModule* Find(const std::string& name) {
        sword::SWModule* m = Manager().getModule(name.c_str());
        if (!IsBible(m)) return nullptr;
        if (!filtered.count(name)) {
            m->addRawFilter(&keepWordBreaks);
            static_cast<sword::VerseKey*>(m->getKey())->setIntros(true);
            filtered[name] = m;
        }
        return m;
    }

    // Per module: what of each testament SWORD may read, checked once, before it reads a byte.
    struct Checked {
        std::optional<CModuleLayout> layout; // unknown layouts are SWORD's own affair
        std::array<CTestamentCheck, 2> testament;
        std::array<std::string, 2> unpack;
    };
    std::map<sword::SWModule*, Checked> checked;

    Checked& CheckOf(sword::SWModule* m) {
        auto it = checked.find(m);
        if (it != checked.end()) return it->second;
        Checked& c = checked[m];
        const char* path = m->getConfigEntry("AbsoluteDataPath");
        const char* driver = m->getConfigEntry("ModDrv");
        c.layout = LayoutOfDriver(driver ? driver : "");
        if (!c.layout) return c;
        for (int t = 0; t < 2; ++t) {
            const std::string name = t == 0 ? "ot" : "nt";
            // The places the module's versification has in the testament, intros included.
            sword::VerseKey last(*static_cast<sword::VerseKey*>(m->getKey()));
            last.setIntros(true);
            last.setAutoNormalize(false);
            last.setTestament(static_cast<char>(t + 1));
            last.setBook(static_cast<char>(last.getBookMax()));
            last.setChapter(last.getChapterMax());
            last.setVerse(last.getVerseMax());
            const auto entries = static_cast<uint32_t>(std::max(0L, last.getTestamentIndex() + 1));
            const size_t at = static_cast<size_t>(t);
            c.testament[at] = CheckTestament(path ? path : "", name, *c.layout, entries);
            c.unpack[at] = UnpackProblem(name, *c.layout);
        }
        return c;
    }

    // The module's files are gone (removed since the library was opened).
    static bool DataGone(sword::SWModule* m) {
        const char* path = m->getConfigEntry("AbsoluteDataPath");
        std::error_code ec;
        return path && *path && !std::filesystem::exists(path, ec);
    }

    void SetCanonKey(const CVerse& r) {
        const uint16_t b = r.GetBook();
        canonKey.setTestament(b <= kOldTestamentBooks ? 1 : 2);
        canonKey.setBook(static_cast<char>(b <= kOldTestamentBooks ? b : b - kOldTestamentBooks));
        canonKey.setChapter(r.GetChapter());
        canonKey.setVerse(r.GetVerse());
    }

    // The entry at the module's key, through SWORD's render filters; none
    // when the module's files cannot give it.
    Rendered Render(sword::SWModule* m) {
        Rendered out;
        const Checked& c = CheckOf(m);
        const auto* key = static_cast<sword::VerseKey*>(m->getKey());
        const int testament = key->getTestament();
        const bool checkedHere = c.layout && (testament == 1 || testament == 2);
        const size_t t = checkedHere ? static_cast<size_t>(testament - 1) : 0;
        if (checkedHere) {
            const long index = std::max(0L, key->getTestamentIndex());
            out.damage = c.testament[t].Problem(static_cast<uint32_t>(index));
            if (out.damage) return out;
        }
        sword::SWBuf raw = m->getRawEntryBuf();
        // An entry the index has but SWORD could not unpack.
        if (checkedHere && m->getEntrySize() > 0 && raw.length() == 0) {
            out.damage = &c.unpack[t];
            return out;
        }
        // Headings come out of the entry's attributes, which are costly to
        // make: only an entry with a title needs them.
        if (!std::strstr(raw.c_str(), "<title")) {
            out.text = NormalizePlainText(m->renderText(raw.c_str()).c_str());
            return out;
        }
        out.text = NormalizePlainText(m->renderText().c_str());
        auto& attributes = m->getEntryAttributes();
        auto heading = attributes.find("Heading");
        if (heading == attributes.end()) return out;
        auto preverse = heading->second.find("Preverse");
        if (preverse == heading->second.end()) return out;
        for (const auto& [number, osis] : preverse->second) {
            std::string_view s(osis.c_str());
            for (size_t pos = s.find("<title"); pos != std::string_view::npos;
                 pos = s.find("<title", pos + 1)) {
                size_t end = s.find("</title>", pos);
                size_t open = s.find('>', pos);
                if (open == std::string_view::npos) break;
                if (s[open - 1] == '/') continue;
                if (end == std::string_view::npos) end = s.size();
                std::string element(s.substr(pos, std::min(end + 8, s.size()) - pos));
                std::string text = NormalizePlainText(m->renderText(element.c_str()).c_str());
                std::replace(text.begin(), text.end(), '\n', ' ');
                if (text.empty()) continue;
                const bool psalm = s.substr(pos, open - pos).find("type=\"psalm\"") != std::string_view::npos;
                (psalm ? out.psalmTitles : out.headings).push_back(text);
            }
        }
        return out;
    }

    static void Append(std::string& to, const std::string& text, char separator) {
        if (text.empty()) return;
        if (!to.empty()) to += separator;
        to += text;
    }

    // The verse at index; damage tells why the module's files could not give it.
    CVerseText Read(sword::SWModule* m, uint16_t index, const std::string*& damage) {
        CBible& bible = TheBible();
        CVerseText out;
        out.index = index;
        const CVerse r = bible.GetVerseAt(index);
        out.reference = bible.GetReferenceText(r);
        const bool canonHasTitle = bible.GetFirstVerse(r.GetBook(), r.GetChapter()) == 0;

        auto* key = static_cast<sword::VerseKey*>(m->getKey());
        key->clearBounds();
        SetCanonKey(r);
        key->positionFrom(canonKey);
        const bool failed = key->popError() != 0;
        if (failed && !key->isBoundSet()) {
            out.missing = true;
            return out;
        }
        if (key->isBoundSet()) {
            // One of our verses is several of the module's: read them all.
            sword::VerseKey first(key->getLowerBound());
            sword::VerseKey last(key->getUpperBound());
            key->clearBounds();
            first.setIntros(false);
            int n = 0;
            for (; first.compare(last) <= 0 && n < kLongestMappedRange; ++n) {
                key->positionFrom(first);
                Rendered part = Render(m);
                if (part.damage) damage = part.damage;
                for (auto& h : part.psalmTitles)
                    Append(out.text, h, '\n');
                for (auto& h : part.headings)
                    out.headings.push_back(h);
                Append(out.text, part.text, '\n');
                first.increment(1);
                if (first.popError()) break;
            }
        } else if (r.GetVerse() == 0 && key->getVerse() == 0) {
            // The module keeps the title before its verse 1 (or in its chapter
            // introduction); either way it is our verse 0.
            Rendered intro = Render(m);
            key->setVerse(1);
            Rendered first = Render(m);
            damage = intro.damage ? intro.damage : first.damage;
            for (auto& t : first.psalmTitles)
                Append(out.text, t, '\n');
            if (out.text.empty()) out.text = intro.text;
        } else {
            Rendered verse = Render(m);
            damage = verse.damage;
            out.headings = std::move(verse.headings);
            // Given as verse 0 already when the canon counts the title.
            const bool titleIsVerseZero = canonHasTitle && r.GetVerse() == 1 && key->getVerse() == 1;
            if (!titleIsVerseZero)
                out.headings.insert(out.headings.end(), verse.psalmTitles.begin(), verse.psalmTitles.end());
            out.text = std::move(verse.text);
        }
        // Part of a verse would read as the whole of it.
        if (damage) {
            out.text.clear();
            out.headings.clear();
        }
        out.missing = out.text.empty();
        return out;
    }

    std::vector<CTextModuleInfo> Modules() override {
        std::vector<CTextModuleInfo> out;
        for (const auto& [name, m] : Manager().Modules) {
            if (!IsBible(m)) continue;
            CTextModuleInfo info;
            info.name = name.c_str();
            info.description = m->getDescription() ? m->getDescription() : "";
            info.language = m->getLanguage() ? m->getLanguage() : "";
            info.versification = Versification(m);
            const char* abbreviation = m->getConfigEntry("Abbreviation");
            info.abbreviation = abbreviation ? abbreviation : "";
            out.push_back(std::move(info));
        }
        return out;
    }

    bool HasModule(const std::string& name) override { return Find(name) != nullptr; }

    CPassage GetPassage(uint16_t from, uint16_t to, const std::string& module) override {
        CPassage out;
        out.module = module;
        sword::SWModule* m = Find(module);
        if (!m || DataGone(m)) {
            out.problem = ModuleGoneMessage(module);
            out.module.clear();
            return out;
        }
        CBible& bible = TheBible();
        const uint16_t total = bible.GetTotalVerseCount();
        if (from >= total || from > to) return out;
        to = std::min<uint16_t>(to, total - 1);
        out.verses.reserve(static_cast<size_t>(to - from) + 1);
        const std::string* damage = nullptr;
        for (uint32_t i = from; i <= to; ++i) {
            const std::string* why = nullptr;
            out.verses.push_back(Read(m, static_cast<uint16_t>(i), why));
            if (why && !damage) damage = why;
        }
        if (damage) out.damage = ModuleDamagedMessage(module, *damage);
        return out;
    }
};

extern "C" __attribute__((visibility("default"))) ITextBackend*
ScrivaneMakeTextBackend(const char* libraryPath) {
    return new CSwordTextBackend(libraryPath ? libraryPath : "");
}
