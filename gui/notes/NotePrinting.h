// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <functional>

class QFont;
class QPrinter;

// Prints a note: the header at the top of every page, the text wrapped
// inside the margins, and the page number at the foot.
void PrintNotePages(QPrinter& printer, const QFont& font, const QString& header, const QString& text);
