// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <cstdint>
#include <string>

class CJJulian;
class CShownForms;
class QSettings;

// The language setting's key: empty (or missing) follows the desktop, else a language code ("es").
inline constexpr const char* kLanguageSetting = "Settings/Language";

// The desktop's language from LANGUAGE, LC_ALL, LC_MESSAGES and LANG, in that order: "es", "de_AT",
// or "en" when none names one.
QString DesktopLanguage();

// The language the windows speak: the setting when it names one, else the desktop's.
QString ChosenLanguage(const QSettings& settings);

// Loads the program's and Qt's catalogues for language and makes its locale the default, so that
// dates and numbers follow it. English needs no catalogue. Returns whether ours was found.
bool InstallTranslators(const QString& language);

// A day as the windows show it: the program's own "Mon 05/25/2026" in English, else the short date of
// the reader's locale after the weekday's short name.
QString DateText(const CJJulian& day);

// The reader's forms for the core's window texts: its words translated, dates as DateText gives
// them, books named in the reader's language.
const CShownForms& ShownForms();

// Book b (1 … 66) as the windows name it.
QString ShownBookName(uint16_t b);

// A text of the core's as the windows show it. Messages are often made of a fixed text and a
// name or path; the fixed parts the core marks are translated where they stand in the message.
QString TrCore(const std::string& text);
