// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "rhythm/RhythmHost.h"

#include <memory>

class CScrivaneApp;

// The application as the daily rhythm's host.
std::unique_ptr<CRhythmHost> MakeRhythmHost(CScrivaneApp& app);
