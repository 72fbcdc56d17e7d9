#pragma once
#include <string>

class IUiServices;
struct CReaderContext;

// A document file that failed to load: the user is told why (message) and
// what follows (afterwards, e.g. "the notes start empty"), and the file is
// moved aside (NAME.damaged), so that nothing written later replaces it.
// Returns false when the file could not be moved; the caller must then not
// write over it.
bool ReportAndKeepAside(IUiServices& ui, const std::string& message, const std::string& path,
                        const std::string& afterwards);

// Before a document writes over a file that once failed to load and could
// not be moved then: tries again. False (with the save message shown) when
// the file is still in the way.
bool MoveDamagedFileBeforeWriting(IUiServices& ui, const std::string& path);

// Makes the reader's directory again when it went away while the environment
// was open and path lies in it, so that the notes can still be written.
void RemakeReaderDirectory(const CReaderContext& context, const std::string& path);
