#pragma once

class CReadingPlanDoc;
struct CReaderContext;
class QMdiArea;
class QWidget;

// View > Bible Coverage.
void ShowBibleCoverage(QMdiArea* area, CReadingPlanDoc& doc);
// Reading Plan > New Plan from Unread Chapters: the dialog, then New Plan on
// the import it makes; the plan windows then show the first unfinished reading.
bool RunNewPlanFromUnreadChapters(QWidget* parent, CReadingPlanDoc& doc, const CReaderContext& reader);
