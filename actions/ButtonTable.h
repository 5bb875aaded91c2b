// The menu's buttons as one table, in the order of a full refresh: what the
// dialog binds, loads, hides while the language chooser is open, refreshes
// and runs on a click. It needs no window, so a tool can list from it every
// file the menu looks for on a disc.
#pragma once

#include "actions/ButtonRow.h"

#include <array>

constexpr size_t kMenuButtonCount = 14;

const std::array<ButtonRow, kMenuButtonCount>& MenuButtonTable();
// The row of dialog item nId, or null.
const ButtonRow* FindButtonRow(UINT nId);
