// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "LocalBookNames.h"
#include "foundation/JJulian.h"

#include <initializer_list>
#include <string>

// How the windows name days, books and the core's fixed words. The default is the program's own
// English, which every file, the CLI and English readers keep; the GUI gives the reader's language.
class CShownForms {
public:
    virtual ~CShownForms() = default;
    // A fixed text of the core (marked with TR_NOOP "Core"), "%1" standing for date when one is given.
    virtual std::string Text(const char* english, const CJJulian* date = nullptr) const;
    // The books' names; null for the canon's own.
    const CLocalBookNames* books = nullptr;
};

// Of two forms, the one for a name that ends in "s" ("%1' Reading Plan") or the other ("%1's …"),
// as English writes its possessive; a translation gives both the same wording.
const char* PossessiveForm(const std::string& name, const char* afterS, const char* otherwise);

// The program's own English forms.
const CShownForms& EnglishForms();

// form with %1, %2 … replaced by args in turn: a translated form may put them in another order.
std::string Substitute(std::string form, std::initializer_list<std::string> args);
// form in the forms' language with %1 standing for date, as they write days, and %2, %3 … for args.
std::string DatedText(const CShownForms& forms, const char* form, const CJJulian& date,
                      std::initializer_list<std::string> args);
