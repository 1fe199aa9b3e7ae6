#pragma once

#include <optional>
#include <string>

namespace orvd {

// The modal windows of the editor's Done, shown by the window layer.
class EditorPrompts {
public:
    virtual ~EditorPrompts() = default;

    // A message box with an OK button, titled with the application title.
    virtual void ShowMessage(const std::string& text) = 0;
    // The save dialog, opened on `proposedPath`; the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> AskSavePath(const std::string& proposedPath) = 0;
    // The backup notice naming `backupFileName` (no directory); returns whether its box
    // "Show this message next time." was ticked when it closed.
    virtual bool ShowBackupNotice(const std::string& backupFileName) = 0;
};

} // namespace orvd
