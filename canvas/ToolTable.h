// SPDX-License-Identifier: GPL-3.0-or-later
// Every drawing tool, registered once and keyed by its command id: the id is the tool's
// identity everywhere (in the tool state, on the palette, in the menus).
#pragma once

#include "canvas/Tool.h"

#include <memory>
#include <span>

struct ToolEntry {
    int id;
    std::shared_ptr<const Tool> tool;
};

std::span<const ToolEntry> ToolTable();

// The tool of command id, or null: the stored current tool may hold any number, and an id
// with no tool does nothing.
const Tool* FindTool(int id);
