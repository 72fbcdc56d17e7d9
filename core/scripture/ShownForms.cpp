// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownForms.h"

std::string CShownForms::Text(const char* english, const CJJulian* date) const {
    std::string text = english;
    if (const size_t at = text.find("%1"); date && at != std::string::npos)
        text.replace(at, 2, date->GetDateText());
    return text;
}

namespace {

// form with %(first + 1), %(first + 2) … replaced by args in turn.
std::string SubstituteFrom(const std::string& form, size_t first, std::initializer_list<std::string> args) {
    std::string out;
    for (size_t i = 0; i < form.size(); ++i) {
        const size_t n = i + 1 < form.size() && form[i + 1] >= static_cast<char>('1' + first)
                             ? static_cast<size_t>(form[i + 1] - '1') - first
                             : args.size();
        if (form[i] == '%' && n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += form[i];
        }
    }
    return out;
}

} // namespace

std::string Substitute(std::string form, std::initializer_list<std::string> args) {
    return SubstituteFrom(form, 0, args);
}

std::string DatedText(const CShownForms& forms, const char* form, const CJJulian& date,
                      std::initializer_list<std::string> args) {
    return SubstituteFrom(forms.Text(form, &date), 1, args);
}

const char* PossessiveForm(const std::string& name, const char* afterS, const char* otherwise) {
    const bool endsInS = !name.empty() && (name.back() == 's' || name.back() == 'S');
    return endsInS ? afterS : otherwise;
}

const CShownForms& EnglishForms() {
    static const CShownForms english;
    return english;
}
