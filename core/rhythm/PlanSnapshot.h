// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/ReaderContext.h"
#include "framework/ScriptedUiServices.h"
#include "plan/ReadingPlanDoc.h"

#include <memory>
#include <string>

// A reader's plan as it stands on disk, read without taking it over: the
// document writes nothing, moves nothing aside and asks nothing, even when
// the file turns out to be damaged. For looking at a plan from outside an
// open environment (the command line's "today", the calendar export).
class CPlanSnapshot {
public:
    enum class State { missing, loaded, damaged };

    // stem is the reader's stored file stem ("\Bob (John Smith)\Bob").
    CPlanSnapshot(const std::string& baseDirectory, const std::string& stem, const std::string& displayName);

    State GetState() const { return state_; }
    // Why the file could not be read (the archive's load error text).
    const std::string& GetMessage() const { return message_; }
    const std::string& GetPath() const { return path_; }
    // Empty plan unless loaded.
    const CReadingPlanDoc& Doc() const { return *doc_; }

private:
    CReaderContext context_;
    CScriptedUiServices ui_;
    std::unique_ptr<CReadingPlanDoc> doc_;
    State state_ = State::missing;
    std::string message_;
    std::string path_;
};
