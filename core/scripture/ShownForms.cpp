// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownForms.h"

std::string CShownForms::Text(const char* english, const CJJulian* date) const {
    std::string text = english;
    if (const size_t at = text.find("%1"); date && at != std::string::npos)
        text.replace(at, 2, date->GetDateText());
    return text;
}

std::string Substitute(std::string form, std::initializer_list<std::string> args) {
    std::string out;
    for (size_t i = 0; i < form.size(); ++i) {
        const size_t n = i + 1 < form.size() ? static_cast<size_t>(form[i + 1] - '1') : args.size();
        if (form[i] == '%' && n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += form[i];
        }
    }
    return out;
}

const CShownForms& EnglishForms() {
    static const CShownForms english;
    return english;
}
