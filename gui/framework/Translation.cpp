// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translation.h"

#include "coverage/GapsPlan.h"
#include "foundation/ErrorMessages.h"
#include "foundation/JJulian.h"
#include "framework/DataExchange.h"
#include "framework/DocumentFiles.h"
#include "framework/TextConvert.h"
#include "plan/ReadingPlanDoc.h"
#include "plan/TemplateEditorModel.h"
#include "scripture/Bible.h"
#include "scripture/ShownForms.h"

#include <QCoreApplication>
#include <QDate>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr const char* kCoreContext = "Core";

// A POSIX locale name ("es_ES.UTF-8@euro") as Qt's ("es_ES"); empty for C and POSIX.
QString LanguageOfLocaleName(QString name) {
    name = name.section('.', 0, 0).section('@', 0, 0);
    return name == "C" || name == "POSIX" ? QString() : name;
}

// The fixed texts the core puts into longer messages, longest first so that none is found
// inside a longer one it belongs to.
const std::vector<const char*>& CoreFragments() {
    static const std::vector<const char*> fragments = [] {
        std::vector<const char*> f = {kNoReadingDayMessage,  kNoBooksMessage,      kNoReadingsMessage,
                                      kFileMayNotBeModified, kReplaceFileQuestion, kUnexpectedFileFormat};
        std::stable_sort(f.begin(), f.end(),
                         [](const char* a, const char* b) { return std::strlen(a) > std::strlen(b); });
        return f;
    }();
    return fragments;
}

} // namespace

QString DesktopLanguage() {
    // LANGUAGE is a list of choices; its first names the language.
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable).section(':', 0, 0);
        if (value.isEmpty()) continue;
        const QString name = LanguageOfLocaleName(value);
        return name.isEmpty() ? QStringLiteral("en") : name;
    }
    return QStringLiteral("en");
}

QString ChosenLanguage(const QSettings& settings) {
    const QString chosen = settings.value(kLanguageSetting).toString().trimmed();
    return chosen.isEmpty() ? DesktopLanguage() : chosen;
}

bool InstallTranslators(const QString& language) {
    QLocale locale(language);
    // English is the program's own: its texts and dates stay as they are, and book names and dates
    // follow it even where the desktop's formats are of another language.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) {
        const QLocale formats;
        if (formats.language() != QLocale::English && formats.language() != QLocale::C)
            QLocale::setDefault(QLocale(QLocale::English));
        return false;
    }
    // Dates follow the desktop's own formats (LC_TIME, else LANG) when they are of the same
    // language, so that a reader in Mexico keeps Mexico's; else the language's usual ones. Qt's
    // system locale takes its language from LANGUAGE but its formats from LC_*, so it is no guide.
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const QString name = LanguageOfLocaleName(qEnvironmentVariable(variable));
        if (name.isEmpty()) continue;
        if (QLocale(name).language() == locale.language()) locale = QLocale(name);
        break;
    }
    QLocale::setDefault(locale);
    auto* qt = new QTranslator(qApp);
    if (qt->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    auto* ours = new QTranslator(qApp);
    if (!ours->load(locale, "scrivane", "_", ":/i18n")) {
        delete ours;
        return false;
    }
    QCoreApplication::installTranslator(ours);
    return true;
}

QString DateText(const CJJulian& day) {
    const QLocale locale;
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return ToQ(day.GetDateText());
    const QDate date(day.GetYear(), day.GetMonth(), day.GetDay());
    return locale.toString(date, "ddd " + locale.dateFormat(QLocale::ShortFormat));
}

namespace {

class CQtShownForms : public CShownForms {
public:
    std::string Text(const char* english, const CJJulian* date) const override {
        QString text = QCoreApplication::translate(kCoreContext, english);
        if (date) text.replace("%1", DateText(*date));
        return FromQ(text);
    }
};

const CLocalBookNames* ReadersBookNames() {
    return LocalBookNames(FromQ(QLocale().name().section('_', 0, 0)));
}

} // namespace

const CShownForms& ShownForms() {
    static CQtShownForms forms;
    forms.books = ReadersBookNames();
    return forms;
}

QString ShownBookName(uint16_t b) {
    const CLocalBookNames* names = ReadersBookNames();
    return names && b >= 1 && b <= 66 ? QString::fromUtf8(names->names[b - 1u])
                                      : ToQ(TheBible().GetBookName(b));
}

QString TrCore(const std::string& text) {
    const QString whole = QCoreApplication::translate(kCoreContext, text.c_str());
    if (whole != QString::fromUtf8(text.c_str()) || text.empty()) return whole;
    QString result = ToQ(text);
    for (const char* fragment : CoreFragments()) {
        const QString english = QString::fromUtf8(fragment);
        if (!result.contains(english)) continue;
        result.replace(english, QCoreApplication::translate(kCoreContext, fragment));
    }
    // Then each line that is a whole text of its own.
    QStringList lines = result.split('\n');
    for (QString& line : lines)
        line = QCoreApplication::translate(kCoreContext, line.toUtf8().constData());
    return lines.join('\n');
}
