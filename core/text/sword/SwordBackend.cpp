#include "text/TextBackend.h"

#include "scripture/Bible.h"
#include "scripture/Verse.h"
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
#include <filesystem>
#include <fstream>
#include <map>

namespace {

constexpr uint16_t kOldTestamentBooks = 39;
// A mapped range longer than this is a damaged mapping, not a verse.
constexpr int kLongestMappedRange = 8;
// The largest block a compressed text may unpack to: a whole book of the Bible is a few
// megabytes. SWORD allocates and fills what the block index claims, so a damaged index
// could take gigabytes and minutes.
constexpr uint64_t kLargestBlock = uint64_t(64) << 20;
// zlib gives at most about 1032 bytes for each compressed byte.
constexpr uint64_t kLargestExpansion = 1100;

uint32_t Le32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// Whether a compressed testament's block index (NAME.bzs: offset, compressed and
// unpacked size of each block) fits its data file (NAME.bzz). Missing files are
// no damage here: SWORD reads nothing from them.
bool BlockIndexFits(const std::filesystem::path& index, const std::filesystem::path& data) {
    std::error_code ec;
    const auto indexSize = std::filesystem::file_size(index, ec);
    if (ec) return true;
    if (!std::filesystem::is_regular_file(index, ec) || indexSize % 12 != 0 || indexSize > kLargestBlock)
        return false;
    const auto dataSize = std::filesystem::file_size(data, ec);
    const uint64_t available = ec ? 0 : dataSize;
    std::ifstream in(index, std::ios::binary);
    std::array<unsigned char, 12> entry{};
    while (in.read(reinterpret_cast<char*>(entry.data()), entry.size())) {
        const uint64_t offset = Le32(entry.data()), packed = Le32(entry.data() + 4),
                       unpacked = Le32(entry.data() + 8);
        if (offset + packed > available || unpacked > kLargestBlock ||
            unpacked > packed * kLargestExpansion + 4096)
            return false;
    }
    return in.eof();
}

// Runs before SWORD's own filters, so that the footnote filter cannot glue
// the words on both sides of a note.
class CKeepWordBreaks : public sword::SWFilter {
public:
    char processText(sword::SWBuf& text, const sword::SWKey*, const sword::SWModule*) override {
        if (std::strstr(text.c_str(), "<note")) text = KeepWordBreaksAroundNotes(text.c_str()).c_str();
        return 0;
    }
};

struct Rendered {
    std::string text;
    std::vector<std::string> headings;
    std::vector<std::string> psalmTitles;
};

} // namespace

// Verses are named by number, never by a localised book name, so SWORD's
// built-in English is enough; loading every installed locale would be most of
// the time it takes to open. It must be in place before the first VerseKey,
// which keeps a pointer into the locale manager.
struct UseBuiltInLocale {
    UseBuiltInLocale() {
        static const bool done = [] {
            sword::SWLog::getSystemLog()->setLogLevel(sword::SWLog::LOG_ERROR);
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
    std::unique_ptr<sword::SWMgr> mgr;
    std::map<std::string, sword::SWModule*> filtered;
    sword::VerseKey canonKey;

    sword::SWMgr& Manager() {
        if (!mgr) {
            auto* markup = new sword::MarkupFilterMgr(sword::FMT_PLAIN);
            if (libraryPath.empty())
                mgr = std::make_unique<sword::SWMgr>(markup);
            else
                mgr = std::make_unique<sword::SWMgr>(libraryPath.c_str(), true, markup, false, false);
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

    // Per module: which testaments' block indices do not fit their data, checked
    // once, before SWORD reads a block; an index file name for the message.
    struct Damage {
        bool checked = false;
        std::array<bool, 2> testament{};
        std::string file;
    };
    std::map<std::string, Damage> damage;

    Damage& DamageOf(const std::string& name, sword::SWModule* m) {
        Damage& d = damage[name];
        if (d.checked) return d;
        d.checked = true;
        const char* path = m->getConfigEntry("AbsoluteDataPath");
        const char* driver = m->getConfigEntry("ModDrv");
        if (!path || !*path || !driver || std::strncmp(driver, "zText", 5) != 0) return d;
        const std::filesystem::path dir = path;
        for (int t = 0; t < 2; ++t) {
            const std::string prefix = t == 0 ? "ot" : "nt";
            if (BlockIndexFits(dir / (prefix + ".bzs"), dir / (prefix + ".bzz"))) continue;
            d.testament[static_cast<size_t>(t)] = true;
            if (d.file.empty()) d.file = prefix + ".bzs";
        }
        return d;
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

    // The entry at the module's key, through SWORD's render filters.
    static Rendered Render(sword::SWModule* m) {
        Rendered out;
        // Headings come out of the entry's attributes, which are costly to
        // make: only an entry with a title needs them.
        sword::SWBuf raw = m->getRawEntryBuf();
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

    CVerseText Read(sword::SWModule* m, uint16_t index) {
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
            for (auto& t : first.psalmTitles)
                Append(out.text, t, '\n');
            if (out.text.empty()) out.text = intro.text;
        } else {
            Rendered verse = Render(m);
            out.headings = std::move(verse.headings);
            // Given as verse 0 already when the canon counts the title.
            const bool titleIsVerseZero = canonHasTitle && r.GetVerse() == 1 && key->getVerse() == 1;
            if (!titleIsVerseZero)
                out.headings.insert(out.headings.end(), verse.psalmTitles.begin(), verse.psalmTitles.end());
            out.text = std::move(verse.text);
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
        const Damage& d = DamageOf(module, m);
        bool skipped = false;
        for (uint32_t i = from; i <= to; ++i) {
            const uint16_t index = static_cast<uint16_t>(i);
            const CVerse r = bible.GetVerseAt(index);
            if (d.testament[r.GetBook() <= kOldTestamentBooks ? 0 : 1]) {
                // Never handed to SWORD, which would believe the index.
                CVerseText v;
                v.index = index;
                v.reference = bible.GetReferenceText(r);
                v.missing = true;
                out.verses.push_back(std::move(v));
                skipped = true;
                continue;
            }
            out.verses.push_back(Read(m, index));
        }
        if (skipped) out.damage = ModuleDamagedMessage(module, d.file);
        return out;
    }
};

extern "C" __attribute__((visibility("default"))) ITextBackend*
ScrivaneMakeTextBackend(const char* libraryPath) {
    return new CSwordTextBackend(libraryPath ? libraryPath : "");
}
