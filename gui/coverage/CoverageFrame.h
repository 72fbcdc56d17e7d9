// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "SideFrame.h"
#include "resources/CommandTable.h"

class CCoverageMap;
class CReadingPlanDoc;

// The Bible Coverage window's resource: its menu bar and its help topic.
inline constexpr int kCoverageResource = kCoverageMenu;

// The Bible Coverage window: no document of its own, it shows the plan
// document's history and follows its updates as its views do.
class CCoverageFrame : public CSideFrame {
    Q_OBJECT
public:
    explicit CCoverageFrame(CReadingPlanDoc& doc);
    ~CCoverageFrame() override;

    CCoverageMap* Map() const { return map_; }
    void Detach() override;

    // The open coverage window of area, if any.
    static CCoverageFrame* Find(QMdiArea* area) { return FindIn<CCoverageFrame>(area); }
    // Brings the window up, making it when there is none.
    static CCoverageFrame* Open(QMdiArea* area, CReadingPlanDoc& doc);
    // The environment is closing: every coverage window goes, at once.
    static void CloseAll(QMdiArea* area) { CloseAllIn<CCoverageFrame>(area); }

protected:
    // The map scrolls when the window is smaller than its readable size.
    QWidget* WrapView(QWidget* view) override;

private:
    CCoverageMap* map_;
};
