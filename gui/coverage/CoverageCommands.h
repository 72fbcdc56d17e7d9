// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CReadingPlanDoc;
struct CReaderContext;
class QMdiArea;
class QSettings;
class QWidget;

// View > Bible Coverage.
void ShowBibleCoverage(QMdiArea* area, CReadingPlanDoc& doc);
// Reading Plan > New Plan from Unread Chapters: the dialog, then New Plan on
// the import it makes; the plan windows then show the first unfinished reading.
// The dialog offers the reader's last length and weekdays, kept in settings.
bool RunNewPlanFromUnreadChapters(QWidget* parent, CReadingPlanDoc& doc, const CReaderContext& reader,
                                  QSettings& settings);
