// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/Translatable.h"
#include <optional>
#include <string>
#include <string_view>

// The checks a dialog makes when it takes an integer out of an edit box, with
// the messages the user sees when they fail.
inline constexpr const char* kPleaseEnterInteger = TR_NOOP("Core", "Please enter an integer.");
// "Please enter an integer between lo and hi."
std::string PleaseEnterIntegerBetween(int lo, int hi);

// Leading blanks, an optional sign and decimal digits, and nothing after
// them; nothing for any other text or a value that does not fit an int.
std::optional<int> ParseDialogInteger(std::string_view text);

struct CIntegerField {
    std::optional<int> value; // the integer read, also when it is out of range
    std::string failure;      // empty when the field is valid
    bool Valid() const { return failure.empty(); }
};
CIntegerField ValidateIntegerField(std::string_view text, int lo, int hi);
