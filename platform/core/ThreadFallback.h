// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether this process can start a thread, asked once at start-up, before
// any window paints. Where none can start, the work Qt hands its thread pool
// runs at once on the thread that hands it (see ThreadFallback.cpp).
namespace ThreadFallback {
bool install();  // true where a thread could start
}  // namespace ThreadFallback
