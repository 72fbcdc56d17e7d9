// SPDX-License-Identifier: GPL-3.0-or-later
// The general notes file reader and its text conversion: any bytes open as
// notes, the editor gets valid UTF-8, and a save and reload of that text
// gives it back exactly.
#include "foundation/FileAccess.h"
#include "foundation/TextCodec.h"
#include "framework/ReaderContext.h"
#include "framework/ScriptedUiServices.h"
#include "notes/GeneralNoteDoc.h"
#include "notes/NoteText.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// One directory for the whole run, removed when the run ends.
struct FuzzDir {
    std::string path;
    FuzzDir() {
        char tmpl[] = "/tmp/scrivane-fuzz-general-XXXXXX";
        const char* made = ::mkdtemp(tmpl);
        if (!made) std::abort();
        path = made;
    }
    ~FuzzDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzDir dir;
    const std::string stored(reinterpret_cast<const char*>(data), size);
    const std::string file = dir.path + "/Anna.txt";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << stored;

    CScriptedUiServices ui;
    CReaderContext context{dir.path, "Anna", "\\Anna (A B)\\Anna", file};
    CGeneralNoteDoc doc(ui, context);
    if (!doc.OpenForEnvironment()) std::abort(); // a regular file of this size is always read
    const std::string text = doc.TakeHeldText();
    if (text != EditorTextFromStored(stored) || !IsValidUtf8(text)) std::abort();
    // Saved and read back, the text comes back exactly.
    if (EditorTextFromStored(StoredTextFromEditor(text)) != text) std::abort();
    if (!ui.messageBoxes.empty()) std::abort();
    return 0;
}
