#pragma once
#include <iosfwd>
#include <string>
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
// Reports unusable arguments and returns 2.
int UsageError(std::ostream& err, const std::string& message);
