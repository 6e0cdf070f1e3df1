// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "windows/SearchWindowDescription.h"

// Files by when they were modified, created or accessed, and by their size;
// the name text is optional. The results show the chosen time.
namespace DateSearchWindow {
SearchWindowDescription description();
}
