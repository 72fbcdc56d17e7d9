// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a text that the windows show in the reader's language. The core keeps, compares and writes
// the English; the GUI looks the translation up under the same context where the text reaches the
// screen. The translation tools read this macro as Qt's QT_TRANSLATE_NOOP.
#define TR_NOOP(context, text) text
