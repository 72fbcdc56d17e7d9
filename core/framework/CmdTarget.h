// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <initializer_list>
#include <string>
#include <unordered_map>

// What a command's user interface shows: enabled, checked, and a text where
// the item's own changes with the state (Undo names what it undoes).
struct CCmdUI {
    bool enabled = true;
    bool checked = false;
    std::string text{};
    void Enable(bool on = true) { enabled = on; }
    void SetCheck(bool on = true) { checked = on; }
    void SetText(std::string t) { text = std::move(t); }
};

// An object in the command route. Each target keeps a map from command id to
// a handler and an optional enable query; the route asks targets in turn and
// the first that maps the id wins.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // True when this target maps id (the handler ran).
    virtual bool OnCmdMsg(int id);
    // True when this target maps id; ui then holds its state.
    virtual bool OnUpdateCmdUI(int id, CCmdUI& ui) const;
    bool HandlesCommand(int id) const { return map_.count(id) != 0; }

protected:
    using Handler = std::function<void()>;
    using Enabler = std::function<bool()>;
    void MapCommand(int id, Handler handler, Enabler enabled = {});
    void MapUpdate(int id, std::function<void(CCmdUI&)> update);

private:
    struct Entry {
        Handler handler;
        std::function<void(CCmdUI&)> update;
    };
    std::unordered_map<int, Entry> map_;
};

// The route of a command: view, document, frame, application. The first
// target that maps the id handles it; false when none does.
bool RouteCommand(std::initializer_list<CCmdTarget*> route, int id);
// The enabled state along the same route; false (ui untouched) when none maps id.
bool RouteUpdate(std::initializer_list<const CCmdTarget*> route, int id, CCmdUI& ui);
