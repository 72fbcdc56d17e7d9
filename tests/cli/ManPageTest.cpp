// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunCli.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

using Names = std::set<std::string>;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A literal word of a usage: a subcommand such as "show" or "reset-lifetime",
// never a placeholder (FILE), an option (--yes) or a step (years=N).
bool IsLiteralWord(const std::string& word) {
    return std::regex_match(word, std::regex("[a-z][a-z-]*"));
}

// Every "--option" (and -h) a text names.
Names Options(const std::string& text) {
    Names names;
    std::regex option(R"((^|[^-\w])(--[a-z][a-z-]*|-h)\b)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option); it != std::sregex_iterator(); ++it)
        names.insert((*it)[2]);
    return names;
}

// The commands of --help: each alternative of a usage line ("plan new STEM
// TEMPLATE | plan show STEM") gives its command word and its subcommand.
Names HelpCommands(const std::string& help) {
    Names names;
    std::istringstream lines(help.substr(help.find("\ncommands:\n") + 11));
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("  ", 0) != 0) break;
        size_t start = 0, bar;
        std::string text = line.substr(2) + " | ";
        while ((bar = text.find(" | ", start)) != std::string::npos) {
            std::istringstream w(text.substr(start, bar - start));
            std::string first, second;
            w >> first >> second;
            names.insert(IsLiteralWord(second) ? first + " " + second : first);
            start = bar + 3;
        }
    }
    return names;
}

// The template editor's steps in --help: "[years=N]" and "[add-section]".
Names HelpSteps(const std::string& help) {
    Names names;
    std::regex step(R"(\[([a-z][a-z-]*)(=|\]))");
    for (auto it = std::sregex_iterator(help.begin(), help.end(), step); it != std::sregex_iterator(); ++it)
        names.insert((*it)[1].str() + ((*it)[2] == "=" ? "=" : ""));
    return names;
}

// The commands of the manual page: the bold words that open an entry of its
// COMMANDS section ("*plan new* _STEM_ _TEMPLATE_").
Names PageCommands(const std::string& page) {
    Names names;
    size_t begin = page.find("\n# COMMANDS\n");
    size_t end = page.find("\n# ", begin + 1);
    std::istringstream lines(page.substr(begin, end - begin));
    std::regex entry(R"(^\*([^*]+)\*)");
    std::smatch m;
    for (std::string line; std::getline(lines, line);)
        if (std::regex_search(line, m, entry)) names.insert(m[1]);
    return names;
}

TEST(CliManPage, NamesTheCommandsAndOptionsOfHelp) {
    CliResult help = RunCli("--help");
    ASSERT_EQ(help.status, 0);
    const std::string page = ReadFile(SCRIVANE_CLI_MANPAGE);
    ASSERT_NE(page.find("\n# COMMANDS\n"), std::string::npos) << SCRIVANE_CLI_MANPAGE;

    const Names commands = HelpCommands(help.out);
    // A parse that found next to nothing would make the comparison vacuous.
    ASSERT_GE(commands.size(), 20u) << help.out;
    EXPECT_EQ(PageCommands(page), commands);

    const Names options = Options(help.out);
    ASSERT_TRUE(options.count("--version") && options.count("--yes")) << help.out;
    EXPECT_EQ(Options(page), options);

    const Names steps = HelpSteps(help.out);
    ASSERT_TRUE(steps.count("years=") && steps.count("add-section")) << help.out;
    for (const std::string& s : steps)
        EXPECT_NE(page.find("*" + s), std::string::npos) << "step " << s << " is not in the page";
}

TEST(CliManPage, VersionAndHelp) {
    struct Case {
        std::string args;
        int status;
        std::string outStart;
    } cases[] = {
        {"--version", 0, "scrivane-cli " SCRIVANE_VERSION "\n"},
        {"--help", 0, "usage: scrivane-cli COMMAND [ARGUMENTS]\n"},
        {"-h", 0, "usage: scrivane-cli COMMAND [ARGUMENTS]\n"},
        {"", 2, ""},
        {"--versions", 2, ""},
    };
    for (const Case& c : cases) {
        CliResult r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.out.substr(0, c.outStart.size()), c.outStart) << c.args;
        if (c.args == "--version") {
            EXPECT_EQ(r.out, c.outStart);
        }
    }
}

} // namespace
