// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "windows/SearchWindowDescription.h"

// The All Files search: files whose name contains the text.
namespace AllFilesWindow {
SearchWindowDescription description();
}
