// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

// The folder the process was started in, for paths given relative to it.
namespace WorkingFolder {
// The path made absolute against the working folder, its own bytes kept as
// they are ("." and ".." too: cutting "x/.." lexically would be wrong where
// x is a link, and nothing here resolves one). The working folder is as the
// starting shell spells it ($PWD) when that still names it, through the
// links the user went through, else the system's. An absolute path, or any
// path when the working folder is gone, comes back unchanged.
std::string absolute(std::string_view path);
}  // namespace WorkingFolder
