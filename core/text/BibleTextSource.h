// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// An installed Bible text module, as SWORD describes it.
struct CTextModuleInfo {
    std::string name;          // engKJV2006eb
    std::string description;   // King James Version
    std::string language;      // en
    std::string versification; // KJV, NRSVA, …
    std::string abbreviation;  // KJV; the module's short name, empty when it gives none
};

// One verse of our canon in a module's words.
struct CVerseText {
    uint16_t index = 0;                // absolute verse index of the canon
    std::string reference;             // John 3:16, Psalms 3:0
    std::vector<std::string> headings; // headings the module puts before the verse
    std::string text;                  // plain text; poetry lines apart with '\n'
    bool missing = false;              // the module has no text for this verse
};

struct CPassage {
    std::string module;  // the module read, empty when none could be
    std::string problem; // one sentence when there is no text at all
    // One sentence when the module is damaged: the verses it could not give are missing.
    std::string damage;
    std::vector<CVerseText> verses;
};

// What a window asks for: spans of verses (absolute indices, inclusive) in a module.
struct CTextRequest {
    std::string module; // empty for the default
    // The reader's language ("es"): the default is then a module in it when one is installed.
    std::string language;
    std::vector<std::pair<uint16_t, uint16_t>> spans;
};

// What it is answered.
struct CTextAnswer {
    std::vector<CTextModuleInfo> modules; // the Bible modules installed, when known
    // The module read: the one asked for, or the default when that one is not installed.
    std::string module;
    std::string problem;            // one sentence when not all is as asked
    std::vector<CPassage> passages; // one a span, when a module could be read
};

// How long a read may take before its answer is given up.
inline constexpr std::chrono::milliseconds kTextTimeLimit{1500};

class CTextReadState;

// A read under way on a text source's own thread.
class CTextRead {
public:
    explicit CTextRead(std::shared_ptr<CTextReadState> state) : state_(std::move(state)) {}
    // Waits up to `wait`, never past the time limit; true when there is an answer.
    bool Wait(std::chrono::milliseconds wait) const;
    // None while the text is read within the time limit; past it, without the
    // text, the answer that says which module gave none.
    std::optional<CTextAnswer> Answer() const;
    std::chrono::steady_clock::time_point Deadline() const;
    // No call of the read's onAnswer begins after this returns.
    void Cancel();

private:
    std::shared_ptr<CTextReadState> state_;
};

// Bible text from the SWORD modules installed system-wide or in ~/.sword.
// SWORD is reached through a module of ours that the first source loads (see
// TextBackend.h); the library and the modules are opened once, on first use,
// and only ever read. Verses are named by the canon's absolute indices and looked up in a
// module's own versification with SWORD's mapping: a verse the module numbers
// differently is found where it is, a verse it lacks is reported missing.
// Psalm titles come back as verse 0 of their psalm. The first source made
// settles SWORD's locale for the process, so it must come before any other
// use of SWORD.
//
// SWORD is only ever used on a thread of the source's own, one read after
// another, and every read has kTextTimeLimit: past it the caller is answered
// that the module gave no text, and the read is left to finish (or not) on its
// own. While a read is past its limit every new read is answered so at once:
// SWORD cannot do two things at a time. A read that never returns keeps no
// program from ending (see BibleTextReadsLeftRunning).
class CBibleTextSource {
public:
    // libraryPath: a SWORD library (a directory with mods.d) to use alone;
    // empty for SWORD's usual places. backendPath: the reader module to load
    // instead of the installed one.
    explicit CBibleTextSource(std::string libraryPath = {}, std::string backendPath = {});
    ~CBibleTextSource();
    CBibleTextSource(const CBibleTextSource&) = delete;
    CBibleTextSource& operator=(const CBibleTextSource&) = delete;

    // Reads the request without waiting for it. onAnswer, if given, is called
    // on the source's thread when the text is there within the time limit.
    std::shared_ptr<CTextRead> Start(CTextRequest request, std::function<void()> onAnswer = {});

    // The Bible text modules, by name; problem (if given) says why there are
    // none when they could not be listed.
    std::vector<CTextModuleInfo> Modules(std::string* problem = nullptr);
    bool HasModule(const std::string& name);
    // The module read when none is chosen: one in the canon's own
    // versification if there is one; empty when none is installed.
    std::string DefaultModule();

    // The verses from..to (inclusive, absolute indices; clamped to the canon)
    // in module, or in the default module when module is empty.
    CPassage GetPassage(uint16_t from, uint16_t to, const std::string& module = {});
    // One verse; missing when there is no text for it.
    CVerseText GetVerse(uint16_t index, const std::string& module = {});
    // Why no text can be read at all (the reader module did not load); empty when it can.
    std::string Problem() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The program's one text source, opened on first use.
CBibleTextSource& TheBibleText();

// What the reader is told when there is no text to read.
std::string NoModuleMessage();
std::string ModuleGoneMessage(const std::string& module);
// A module whose files do not give some verses; what: "its block index ot.bzs does not fit its text".
std::string ModuleDamagedMessage(const std::string& module, const std::string& what);
// A module (none: the listing of the modules) that gave nothing within the limit.
std::string TextTimeoutMessage(const std::string& module, std::chrono::milliseconds limit = kTextTimeLimit);
// The module read when none is chosen: one in the reader's language when one is installed (any
// language when none or no language is given), among those one in the canon's own versification
// if there is one.
std::string DefaultModuleOf(const std::vector<CTextModuleInfo>& modules, const std::string& language = {});
// The module a person means by given: the module of that name, else the one
// whose name or abbreviation it is in any case; given itself when none is.
std::string ResolveModuleName(const std::vector<CTextModuleInfo>& modules, const std::string& given);
// How many reads are still running past their time limit, in all sources: a
// program ends with _Exit rather than run the destructors of the library such
// a read may still be using.
int BibleTextReadsLeftRunning();
// The Debian package that brings a module, or empty when we do not know it.
std::string DebianPackageOf(const std::string& module);
