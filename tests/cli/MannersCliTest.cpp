// SPDX-License-Identifier: GPL-3.0-or-later
// Help, "--", write errors and questions: what a shell user expects of a command.
#include "../core/TempDir.h"
#include "RunCli.h"
#include "foundation/FileAccess.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string Q(const std::string& s) {
    return "'" + s + "'";
}

std::vector<std::string> Commands() {
    std::vector<std::string> names;
    const std::string help = RunCli("help").out;
    std::istringstream lines(help.substr(help.find("\ncommands:\n") + 11));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string first;
        words >> first;
        if (names.empty() || names.back() != first) names.push_back(first);
    }
    return names;
}

TEST(MannersCli, HelpForEveryCommand) {
    const std::vector<std::string> commands = Commands();
    ASSERT_GE(commands.size(), 10u);
    EXPECT_EQ(RunCli("help").out, RunCli("--help").out);
    for (const std::string& command : commands) {
        const CliRun help = RunCliWithErr("help " + command);
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.err, "") << command;
        EXPECT_EQ(help.out.rfind("usage: scrivane-cli " + command + " ", 0) == 0 ||
                      help.out == "usage: scrivane-cli " + command + "\n",
                  true)
            << help.out;
        // As an option anywhere among the arguments, in place of what the command would do.
        for (const std::string& asked : {command + " --help", command + " -h", command + " x --help"}) {
            const CliRun r = RunCliWithErr(asked);
            EXPECT_EQ(r.status, 0) << asked;
            EXPECT_EQ(r.out, help.out) << asked;
        }
    }
    // "coverage --help" once printed a coverage of 1,189 lines.
    EXPECT_EQ(RunCli("coverage --help").out, "usage: scrivane-cli coverage STEM\n");
    EXPECT_EQ(RunCli("help nonsense").status, 2);
    EXPECT_EQ(RunCli("help plan verse").status, 2);
}

TEST(MannersCli, DoubleDashEndsTheOptions) {
    TempDir dir;
    const std::string notes = Q(dir.Path("n.vnnot"));
    // A note may read like an option.
    ASSERT_EQ(RunCli("notes set " + notes + " -- 'John 3:16' --help").status, 0);
    ASSERT_EQ(RunCli("notes set " + notes + " 'Jude 3' -- --yes").status, 0);
    EXPECT_EQ(RunCli("notes show " + notes).out,
              "notes\t2\tfirst\t26252\tlast\t30791\n30791\tJude 3\t--yes\n26252\tJohn 3:16\t--help\n");
    // After "--", --help is a reference like any other, and no book.
    const CliRun r = RunCliWithErr("verse -- --help");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("'--help'"), std::string::npos) << r.err;
    // An option given as an operand is no option: the one verse is all that is printed.
    EXPECT_EQ(RunCli("verse 'John 3:16' -- --index").status, 2);
    EXPECT_EQ(RunCli("verse -- 'John 3:16'").out, "26252\tJohn 3:16\n");
}

TEST(MannersCli, AFailedWriteToStdoutIsAnError) {
    TempDir dir;
    const std::string err = dir.Path("err"), status = dir.Path("status");
    struct Case {
        std::string line;
    } cases[] = {
        {SCRIVANE_CLI_PATH " text 0 31217 --module engKJV2006eb >/dev/full 2>" + err + "; echo $? >" +
         status},
        {SCRIVANE_CLI_PATH " verse 'John 3:16' >/dev/full 2>" + err + "; echo $? >" + status},
        {SCRIVANE_CLI_PATH " help >/dev/full 2>" + err + "; echo $? >" + status},
        // A reader that went away, with SIGPIPE ignored as some shells and services do.
        {"trap '' PIPE; { " SCRIVANE_CLI_PATH " text 0 31217 --module engKJV2006eb 2>" + err + "; echo $? >" +
         status + "; } | head -c 10 >/dev/null"},
    };
    for (const Case& c : cases) {
        RunShell(c.line);
        EXPECT_EQ(ReadWholeFile(status), "1\n") << c.line;
        EXPECT_NE(ReadWholeFile(err).find("scrivane-cli: cannot write the output: "), std::string::npos)
            << c.line << "\n"
            << ReadWholeFile(err);
    }
}

TEST(MannersCli, QuestionsNameYes) {
    TempDir dir;
    SaveFileAtomic(dir.Path("w.txt"), "<TITLE = W><ALLDA = 1>/[Genesis 1]/[Genesis 2]");
    const std::string stem = Q(dir.Path("b"));
    ASSERT_EQ(RunCli("plan new " + stem + " " + Q(dir.Path("w.txt"))).status, 0);
    ASSERT_EQ(RunCli("plan finish " + stem + " 0").status, 0);
    const std::string before = ReadWholeFile(dir.Path("b.vnpln"));
    for (const char* sub : {"reset", "reset-lifetime"}) {
        const CliRun r = RunCliWithErr(std::string("plan ") + sub + " " + stem);
        EXPECT_EQ(r.status, 1) << sub;
        EXPECT_NE(r.err.find("Give --yes to delete"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("Press OK"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("run the command again with --yes to answer yes"), std::string::npos) << r.err;
    }
    EXPECT_EQ(ReadWholeFile(dir.Path("b.vnpln")), before);
}

} // namespace

namespace {

// What the bash completion offers for the words typed so far (the last one being completed).
std::vector<std::string> Completions(const std::vector<std::string>& typed) {
    std::string words = "'" SCRIVANE_CLI_PATH "'";
    for (const std::string& w : typed)
        words += " '" + w + "'";
    const CliResult r =
        RunShell("bash -c 'source \"$0\"; COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); "
                 "_scrivane_cli; printf \"%s\\n\" \"${COMPREPLY[@]}\"' '" SCRIVANE_CLI_COMPLETION "' " +
                 words);
    std::vector<std::string> lines;
    std::istringstream in(r.out);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

TEST(MannersCli, BashCompletion) {
    TempDir dir;
    ASSERT_EQ(RunCli("reader new Bob John Smith --base " + Q(dir.Path())).status, 0);
    ASSERT_EQ(RunCli("reader new Bob Ann Lee --base " + Q(dir.Path())).status, 0);
    SaveFileAtomic(dir.Path("notes one.vnnot"), "");
    using L = std::vector<std::string>;
    struct Case {
        L typed;
        L offered;
    } cases[] = {
        {{"pl"}, {"plan"}},
        {{"te"}, {"template", "template-edit", "text"}},
        {{"--v"}, {"--version"}},
        {{"plan", "re"}, {"read", "redo", "reset", "reset-lifetime"}},
        {{"notes", ""}, {"set", "show"}},
        {{"plan", "read", "x", "0", "--l"}, {"--lifetime-only"}},
        {{"text", "0", "--module", "engK"}, {"engKJV2006eb"}},
        {{"help", "cov"}, {"coverage"}},
        {{"today", "--base", dir.Path(), ""}, {"Bob\\ \\(Ann\\ Lee\\)", "Bob\\ \\(John\\ Smith\\)"}},
        {{"reader", "delete", "--base", dir.Path(), "Bob\\ \\(J"}, {"Bob\\ \\(John\\ Smith\\)"}},
        {{"notes", "show", dir.Path("notes")}, {dir.Path("notes one.vnnot")}},
        {{"verse", "--", "--"}, {}},
    };
    for (const Case& c : cases) {
        std::string typed;
        for (const std::string& w : c.typed)
            typed += w + " ";
        EXPECT_EQ(Completions(c.typed), c.offered) << typed;
    }
}

} // namespace
