// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

// Clean-up around SWORD's own rendering, kept free of SWORD so that it can be
// tested and fuzzed on its own.

// OSIS text with a space put in front of each <note> that sits between two
// words with no blank of its own: removing the note must not glue the words
// ("God<note>…</note>created" reads "God created"). Everything else is kept.
std::string KeepWordBreaksAroundNotes(std::string_view osis);

// Rendered plain text tidied for showing: runs of blanks become one blank,
// lines lose their leading and trailing blanks, empty lines go, and the text
// is trimmed. Poetry lines stay apart with '\n'.
std::string NormalizePlainText(std::string_view rendered);
