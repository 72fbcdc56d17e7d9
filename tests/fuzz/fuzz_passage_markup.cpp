// SPDX-License-Identifier: GPL-3.0-or-later
// The clean-up around SWORD's rendering of a module's entries: a note's word
// break only ever adds blanks, and the tidied text has no stray blanks or
// empty lines and stays as it is when tidied again.
#include "text/PlainText.h"

#include <cstdlib>
#include <string>

namespace {

std::string WithoutBlanks(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != ' ') out += c;
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);

    const std::string kept = KeepWordBreaksAroundNotes(input);
    size_t notes = 0;
    for (size_t p = input.find("<note"); p != std::string::npos; p = input.find("<note", p + 1))
        ++notes;
    if (kept.size() < input.size() || kept.size() > input.size() + notes) std::abort();
    if (WithoutBlanks(kept) != WithoutBlanks(input)) std::abort();

    const std::string tidy = NormalizePlainText(input);
    if (tidy.find("  ") != std::string::npos || tidy.find("\n\n") != std::string::npos) std::abort();
    if (tidy.find(" \n") != std::string::npos || tidy.find("\n ") != std::string::npos) std::abort();
    if (!tidy.empty() &&
        (tidy.front() == ' ' || tidy.back() == ' ' || tidy.front() == '\n' || tidy.back() == '\n'))
        std::abort();
    if (NormalizePlainText(tidy) != tidy) std::abort();
    return 0;
}
