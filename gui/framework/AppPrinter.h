// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>

class QPrinter;

// The printer every window prints on: the one Print Setup works on, once the
// application has said which that is (a plain one before).
QPrinter& ApplicationPrinter();
void SetApplicationPrinter(std::function<QPrinter&()> printer);
