// SPDX-License-Identifier: GPL-3.0-or-later
#include "CmdTarget.h"

bool CCmdTarget::OnCmdMsg(int id) {
    auto it = map_.find(id);
    if (it == map_.end() || !it->second.handler) return false;
    CCmdUI ui;
    if (it->second.update) it->second.update(ui);
    // A disabled command is not run even when it arrives by a shortcut.
    if (ui.enabled) it->second.handler();
    return true;
}

bool CCmdTarget::OnUpdateCmdUI(int id, CCmdUI& ui) const {
    auto it = map_.find(id);
    if (it == map_.end()) return false;
    if (it->second.update) it->second.update(ui);
    return true;
}

void CCmdTarget::MapCommand(int id, Handler handler, Enabler enabled) {
    Entry& e = map_[id];
    e.handler = std::move(handler);
    if (enabled) e.update = [enabled](CCmdUI& ui) { ui.Enable(enabled()); };
}

void CCmdTarget::MapUpdate(int id, std::function<void(CCmdUI&)> update) {
    map_[id].update = std::move(update);
}

bool RouteCommand(std::initializer_list<CCmdTarget*> route, int id) {
    for (CCmdTarget* t : route)
        if (t && t->OnCmdMsg(id)) return true;
    return false;
}

bool RouteUpdate(std::initializer_list<const CCmdTarget*> route, int id, CCmdUI& ui) {
    for (const CCmdTarget* t : route)
        if (t && t->OnUpdateCmdUI(id, ui)) return true;
    return false;
}
