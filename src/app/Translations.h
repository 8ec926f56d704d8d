#pragma once
// Qt's own texts (the file dialog, the colour dialog, message-box buttons) in Japanese,
// whatever the system's locale says: the whole window speaks Japanese.

class QCoreApplication;

// Loads qtbase_ja from Qt's translation folder; false when it is not installed.
bool InstallJapaneseQtTexts(QCoreApplication& application);
