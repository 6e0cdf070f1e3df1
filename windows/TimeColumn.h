// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Context;
class QTableView;

// The results' time column. A window that searches by time always shows it,
// headed by the chosen time; the others hide their "Modified" column until
// the header's menu shows it, and remember the choice per window.
namespace TimeColumn {
void setUp(Context& context, QTableView& view, const char* window, bool always);
}
