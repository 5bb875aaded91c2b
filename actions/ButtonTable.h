// The menu's buttons as one table, in the order of a full refresh: one row
// per button says everything the menu knows about it. It needs no window,
// so a tool can list from it every file the menu looks for on a disc.
#pragma once

#include "actions/ButtonRow.h"

#include <cstddef>

// The rows, to be walked in order; a row's place is its index.
struct CButtonRows
{
    const ButtonRow* pBegin;
    const ButtonRow* pEnd;

    const ButtonRow* begin() const noexcept { return pBegin; }
    const ButtonRow* end() const noexcept { return pEnd; }
    size_t size() const noexcept { return static_cast<size_t>(pEnd - pBegin); }
    size_t IndexOf(const ButtonRow& row) const noexcept { return static_cast<size_t>(&row - pBegin); }
};

CButtonRows MenuButtonTable();
// The row of dialog item nId, or null.
const ButtonRow* FindButtonRow(UINT nId);
