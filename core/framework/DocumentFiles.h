// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/Translatable.h"
#include <string>
#include <vector>

struct CReaderContext;

// Asked, after a file's name, before a save goes over a file the program did
// not open; the file dialog is then told not to ask the same.
inline constexpr const char* kReplaceFileQuestion =
    TR_NOOP("Core", " already exists.\nDo you want to replace it?");

// One open document per file: what the windows need to know to keep two
// documents from writing the same file, the last one to save winning.

// Whether a and b name one file: both made absolute, "." and ".." and links
// resolved as far as the file exists.
bool SameFile(const std::string& a, const std::string& b);
// Whether files holds path.
bool HoldsFile(const std::vector<std::string>& files, const std::string& path);

// The reader's own data files (plan, history, verse notes, the reader file),
// which no text document may take: saving text there would wreck them.
bool IsReaderDataFile(const std::string& path);

// The files an open reader environment holds: plan, history, verse notes and
// general notes. Empty while none is open.
std::vector<std::string> EnvironmentFiles(const CReaderContext& reader);

// Why a text document holding ownPath may not take target as its file (Save
// As, or Open into the same window); empty when it may. heldElsewhere: the
// files the other open documents hold.
std::string RefuseFileForText(const std::string& target, const std::string& ownPath,
                              const std::vector<std::string>& heldElsewhere, bool saving);

// Of the documents opened beside an environment (their files in order), the
// indices of those that hold one of the environment's files: they are closed,
// and save, before the environment opens its own.
std::vector<size_t> DocumentsInTheWay(const std::vector<std::string>& openFiles,
                                      const std::vector<std::string>& environmentFiles);

// For files named by hand (on the command line): what to tell the user when a
// reader's files cannot be used as named; empty when they can. Files are
// never written into a directory that does not exist, which would make a
// stray reader directory out of a mistyped or renamed one; a file or plan
// to be shown must exist, or a mistyped name would look like an empty file.
// stemPath is the stem as a native path ("/base/Bob (John Smith)/Bob").
std::string MissingDirectoryMessage(const std::string& path);
std::string MissingFileMessage(const std::string& path);
// Neither the plan nor the history file of stemPath exists.
std::string MissingPlanMessage(const std::string& stemPath);
