// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What reading one document's text came to. Read: the text went to the sink
// (all of it, or until the sink had what it wanted). NotDocument: not a
// format read here (a zip of other files). The rest say why it was skipped.
enum class DocumentOutcome { Read, NotDocument, Encrypted, Damaged, TooLarge, NoText, TooSlow, Unreadable };
