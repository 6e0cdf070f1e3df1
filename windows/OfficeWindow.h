// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "windows/SearchWindowDescription.h"

// Office Documents: files of a chosen document or project kind, optionally
// filtered by name.
namespace OfficeWindow {
SearchWindowDescription description();
}
