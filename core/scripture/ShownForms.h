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

// The program's own English forms.
const CShownForms& EnglishForms();

// form with %1, %2 … replaced by args in turn: a translated form may put them in another order.
std::string Substitute(std::string form, std::initializer_list<std::string> args);
