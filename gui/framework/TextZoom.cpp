// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextZoom.h"

#include "ReaderSettings.h"
#include "framework/CommandIds.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>

namespace {
constexpr int kSmallest = kZoomSteps[0];
constexpr int kLargest = kZoomSteps[std::size(kZoomSteps) - 1];
} // namespace

int ZoomStep(int percent, int direction) {
    const int* steps = std::begin(kZoomSteps);
    const int count = static_cast<int>(std::size(kZoomSteps));
    // The nearest step at or above percent, then one on.
    int i = static_cast<int>(std::lower_bound(steps, steps + count, percent) - steps);
    if (direction > 0 && i < count && steps[i] == percent) ++i;
    if (direction < 0) --i;
    return steps[std::clamp(i, 0, count - 1)];
}

std::vector<ZoomCommand> ZoomCommands(std::function<void(int)> apply, std::function<std::string()> fileStem,
                                      const QString& key, std::function<bool(int)> mayShrinkTo) {
    auto percent = std::make_shared<int>(100);
    auto set = [apply, percent](int value) {
        *percent = std::clamp(value, kSmallest, kLargest);
        apply(*percent);
    };
    auto remember = [fileStem, key, set](int value) {
        set(value);
        const QString group = ReaderSettingsGroup(fileStem());
        if (group.isEmpty()) return;
        QSettings settings = UserSettings();
        settings.setValue(group + "/" + key, value);
    };
    if (const QString group = ReaderSettingsGroup(fileStem()); !group.isEmpty())
        set(UserSettings().value(group + "/" + key, 100).toInt());
    return {{Cmd::ViewZoomIn, [percent, remember] { remember(ZoomStep(*percent, +1)); },
             [percent] { return *percent < kLargest; }},
            {Cmd::ViewZoomOut,
             [percent, remember, mayShrinkTo] {
                 const int next = ZoomStep(*percent, -1);
                 if (!mayShrinkTo || mayShrinkTo(next)) remember(next);
             },
             [percent, mayShrinkTo] {
                 return *percent > kSmallest && (!mayShrinkTo || mayShrinkTo(ZoomStep(*percent, -1)));
             }},
            {Cmd::ViewActualSize, [remember] { remember(100); }, [percent] { return *percent != 100; }}};
}

std::vector<ZoomCommand> TextZoomCommands(QWidget& widget, std::function<std::string()> fileStem,
                                          const QString& key) {
    auto apply = [&widget](int percent) {
        QFont font = QApplication::font(&widget);
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * percent / 100.0);
        else
            font.setPixelSize(std::max(1, font.pixelSize() * percent / 100));
        widget.setFont(font);
    };
    return ZoomCommands(apply, std::move(fileStem), key);
}
