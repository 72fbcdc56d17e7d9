// SPDX-License-Identifier: GPL-3.0-or-later
#include "Resources.h"

#include <QtGlobal>

void InitScrivaneResources() {
    static bool done = false;
    if (done) return;
    done = true;
    Q_INIT_RESOURCE(resources);
}
