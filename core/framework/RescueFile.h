#pragma once
#include <string>
#include <string_view>

class IUiServices;

// The last chance for changes whose file could not be written when their
// document closed: they are written beside it (path + ".unsaved"), or into the
// home or temporary directory, and the user is told where. False when no place
// would take them; the user is told that too.
bool RescueUnsavedBytes(IUiServices& ui, const std::string& path, std::string_view bytes);
