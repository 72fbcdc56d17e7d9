// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// A command of scrivane-cli. Handlers print records one a line, fields
// separated by one TAB; they return the exit status: 0, 1 for a question
// left unanswered, 2 for unusable arguments (one line on err).
using CliArgs = std::vector<std::string>;
using CliHandler = int (*)(const CliArgs& args, std::ostream& out, std::ostream& err);

struct CliRegistration {
    CliRegistration(const char* name, CliHandler handler, const char* usage);
};

// Parses a whole decimal number in [0, max]; false when text is anything else.
bool ParseUnsigned(const std::string& text, unsigned long max, unsigned long& value);
// The verses an argument names: an absolute verse index, or a reference as
// people write it ("Ps 23", "John 3:16-18"). False, with the reason in
// reason, for anything else; nothing is ever moved to another verse.
bool ParseVerseRangeArgument(const std::string& text, uint16_t& first, uint16_t& last, std::string& reason);
// As ParseVerseRangeArgument, for commands that take one verse: a chapter,
// a book or a range is refused.
bool ParseOneVerseArgument(const std::string& text, uint16_t& index, std::string& reason);
// Whether arg is the option name; never for an operand written after "--".
bool CliOption(const std::string& arg, std::string_view name);
// Reports unusable arguments and returns 2.
int UsageError(std::ostream& err, const std::string& message);
