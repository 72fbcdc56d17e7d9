#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// An installed Bible text module, as SWORD describes it.
struct CTextModuleInfo {
    std::string name;          // engKJV2006eb
    std::string description;   // King James Version
    std::string language;      // en
    std::string versification; // KJV, NRSVA, …
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

// Bible text from the SWORD modules installed system-wide or in ~/.sword.
// SWORD is reached through a module of ours that the first source loads (see
// TextBackend.h); the library and the modules are opened once, on first use,
// and only ever read. Verses are named by the canon's absolute indices and looked up in a
// module's own versification with SWORD's mapping: a verse the module numbers
// differently is found where it is, a verse it lacks is reported missing.
// Psalm titles come back as verse 0 of their psalm. The first source made
// settles SWORD's locale for the process, so it must come before any other
// use of SWORD.
class CBibleTextSource {
public:
    // libraryPath: a SWORD library (a directory with mods.d) to use alone;
    // empty for SWORD's usual places.
    explicit CBibleTextSource(std::string libraryPath = {});
    ~CBibleTextSource();
    CBibleTextSource(const CBibleTextSource&) = delete;
    CBibleTextSource& operator=(const CBibleTextSource&) = delete;

    // The Bible text modules, by name.
    std::vector<CTextModuleInfo> Modules();
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
// The Debian package that brings a module, or empty when we do not know it.
std::string DebianPackageOf(const std::string& module);
