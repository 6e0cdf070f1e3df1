// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "windows/SearchWindowDescription.h"

// Multimedia Search: files of a chosen kind (music, pictures, videos, mobile
// content), optionally filtered by name.
namespace MultimediaWindow {
SearchWindowDescription description();
}
