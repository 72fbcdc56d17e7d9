#include "CoverageCommands.h"

#include "CoverageFrame.h"
#include "UnreadPlanDialog.h"
#include "coverage/UnreadPlan.h"
#include "framework/ReaderContext.h"
#include "framework/UiServices.h"
#include "plan/ReadingPlanDoc.h"
#include "planview/ReadingPlanView.h"

void ShowBibleCoverage(QMdiArea* area, CReadingPlanDoc& doc) {
    CCoverageFrame::Open(area, doc);
}

bool RunNewPlanFromUnreadChapters(QWidget* parent, CReadingPlanDoc& doc, const CReaderContext& reader) {
    const size_t unread = CCoverage::FromDocument(doc).UnreadChapters().size();
    if (unread == 0) {
        doc.Ui().MessageBox({kNothingUnread, MbButtons::ok, MbIcon::information, 0});
        return false;
    }
    CUnreadPlanDialog dialog(unread, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (!NewPlanFromUnreadChapters(doc, dialog.Request(),
                                   UnreadPlanPath(reader.baseDirectory, reader.fileStem)))
        return false;
    for (CView* v : doc.GetViews())
        if (auto* planView = dynamic_cast<CReadingPlanView*>(v)) planView->Navigator().GoToFirstUnfinished();
    doc.UpdateAllViews(nullptr);
    return true;
}
