// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "BibleTextSource.h"

// The reader of the installed SWORD modules. It is a module of its own, loaded
// the first time text is asked for: SWORD brings some forty libraries (ICU,
// curl, GnuTLS, CLucene, Kerberos …) whose loading would otherwise be paid by
// every start of the program and by each command-line call.
class ITextBackend {
public:
    virtual ~ITextBackend() = default;
    // The Bible text modules, by name.
    virtual std::vector<CTextModuleInfo> Modules() = 0;
    virtual bool HasModule(const std::string& name) = 0;
    // The verses from..to of module (named), clamped to the canon; a problem
    // and no verses when the module is not there or its files are gone.
    virtual CPassage GetPassage(uint16_t from, uint16_t to, const std::string& module) = 0;
};

// The module's one entry point: ITextBackend* ScrivaneMakeTextBackend(const char* libraryPath).
using MakeTextBackendFunction = ITextBackend* (*)(const char* libraryPath);
inline constexpr const char* kMakeTextBackendSymbol = "ScrivaneMakeTextBackend";
