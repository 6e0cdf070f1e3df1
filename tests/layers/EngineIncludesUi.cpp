// SPDX-License-Identifier: GPL-3.0-or-later
// An engine file that reaches up to ui: it must not compile (check_fence).
#include "ui/Context.h"
