// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes the pictures and help pages linked into the program available; the
// library's resource data is not pulled in by the linker otherwise.
void InitScrivaneResources();
