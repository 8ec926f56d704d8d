// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language of the whole interface: Qt's own texts (the file dialog, the colour dialog,
// message-box buttons), the window's texts and the engine's, Japanese unless English is
// chosen, whatever the system's locale says.

#include "common/Messages.h"

// Installs the translators of language in place of those of the one before, and sets the
// engine's language. Where a translation file is missing, the texts stay in Japanese, or
// Qt's own in English: a missing file is a fault of the installation, not of the user's.
void InstallLanguage(TLanguage language);
