// SPDX-License-Identifier: GPL-3.0-or-later
// Command routing. Every user action is a command number. Objects on the routing chain derive
// from CCmdTarget and list the numbers they handle in a static command table: entries of
// {id range, handler, update handler}. The same table answers two questions: "do it" (no
// CCmdUI) and "may it be done, is it checked" (with a CCmdUI).
#pragma once

#include <functional>
#include <vector>

// Receives the enable and check state of one command from its update handler.
class CCmdUI {
public:
    explicit CCmdUI(int id)
        : m_nID(id)
    {
    }
    void Enable(bool on = true) { m_bEnabled = on; }
    void SetCheck(int check = 1) { m_nCheck = check; }

    int m_nID;
    bool m_bEnabled = false;
    int m_nCheck = 0;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    // Executes (pCmdUI null) or updates (pCmdUI set) command id; false when not handled here.
    virtual bool OnCmdMsg(int id, CCmdUI* pCmdUI);
};

// One entry of a class's command table.
template <class T> struct CommandEntry {
    int first;
    int last;
    std::function<void(T&, int)> handler;
    std::function<void(T&, CCmdUI*)> update;
};

template <class T> using CommandMap = std::vector<CommandEntry<T>>;

// A command with a handler and, optionally, an update handler. Without an update handler the
// command is always enabled.
template <class T>
CommandEntry<T> OnCommand(int id, void (T::*handler)(), void (T::*update)(CCmdUI*) = nullptr)
{
    CommandEntry<T> entry { id, id, [handler](T& self, int) { (self.*handler)(); }, {} };
    if (update)
        entry.update = [update](T& self, CCmdUI* ui) { (self.*update)(ui); };
    return entry;
}

// A contiguous range of commands sharing one handler that receives the id.
template <class T>
CommandEntry<T> OnCommandRange(
    int first, int last, void (T::*handler)(int), void (T::*update)(CCmdUI*) = nullptr)
{
    CommandEntry<T> entry { first, last, [handler](T& self, int id) { (self.*handler)(id); }, {} };
    if (update)
        entry.update = [update](T& self, CCmdUI* ui) { (self.*update)(ui); };
    return entry;
}

// Looks id up in map and runs the handler or update handler; true when the map handled it.
template <class T> bool DispatchCommand(T& self, const CommandMap<T>& map, int id, CCmdUI* ui)
{
    for (const auto& entry : map) {
        if (id < entry.first || id > entry.last)
            continue;
        if (ui) {
            if (!entry.handler && !entry.update)
                continue;
            ui->Enable(true);
            if (entry.update)
                entry.update(self, ui);
            return true;
        }
        if (!entry.handler)
            continue;
        entry.handler(self, id);
        return true;
    }
    return false;
}
