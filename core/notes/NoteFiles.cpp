// SPDX-License-Identifier: GPL-3.0-or-later
#include "NoteFiles.h"

#include "foundation/ErrorMessages.h"
#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"
#include "framework/ReaderContext.h"
#include "framework/UiServices.h"

#include <filesystem>

bool MoveDamagedFileBeforeWriting(IUiServices& ui, const std::string& path) {
    if (!FileExists(path) || !KeepAside(path).empty()) return true;
    ReportError(ui, SaveErrorMessage(CFileException(CFileException::accessDenied, path), path));
    return false;
}

void RemakeReaderDirectory(const CReaderContext& context, const std::string& path) {
    if (context.fileStem.empty()) return;
    const std::filesystem::path readerDir =
        std::filesystem::path(JoinStem(context.baseDirectory, context.fileStem)).parent_path();
    if (readerDir.empty() || std::filesystem::path(path).parent_path() != readerDir) return;
    std::error_code ec;
    if (!std::filesystem::exists(readerDir, ec)) std::filesystem::create_directory(readerDir, ec);
}
