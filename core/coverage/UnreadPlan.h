// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "GapsPlan.h"

#include <string>

class CReadingPlanDoc;

// The file the unread chapters' import is written to: beside the reader's
// plan, so that the reader can find it and use it again.
std::string UnreadPlanPath(const std::string& baseDirectory, const std::string& stem);

// New Plan from Unread Chapters: writes the import of every chapter never
// read to path and makes it the new plan, as New Plan does with a chosen
// file. Says so and changes nothing when there is nothing unread or no
// reading day; asks New Plan's question first. True when a new plan was made.
bool NewPlanFromUnreadChapters(CReadingPlanDoc& doc, const GapsPlanRequest& request, const std::string& path);
