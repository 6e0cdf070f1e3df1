// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "windows/SearchWindowDescription.h"

// Files With Containing Text: files whose name passes the name test and whose
// content holds a text.
namespace ContainingTextWindow {
SearchWindowDescription description();
}
