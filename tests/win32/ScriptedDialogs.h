#pragma once

#include "base/win32/Dialogs.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvd::testing {

// Answers every modal window of the Windows viewer without blocking and records what was shown.
// Installed for its lifetime.
class ScriptedDialogs final : public DialogSeam {
public:
    ScriptedDialogs() { SetDialogs(this); }
    ~ScriptedDialogs() override { SetDialogs(nullptr); }

    std::vector<std::string> messages; // the texts of the message boxes, in order
    // The colour the chooser answers with; nothing: cancelled.
    std::optional<COLORREF> colour;
    // The path the save dialog answers with; empty: cancelled. The path it was opened on.
    std::string savePath;
    std::string proposedPath;
    // Plays the user in a modal window of ours: called with the window while it "is shown",
    // before the seam asks whether it has finished.
    std::function<void(HWND)> inModal;
    std::vector<std::string> modalCaptions;
    int closedUnplayed = 0; // modal windows that inModal left open, closed with WM_CLOSE

    int Message(HWND, const std::string& text, const std::string&, UINT) override {
        messages.push_back(text);
        return IDOK;
    }
    bool ChooseColour(CHOOSECOLORA& choice) override {
        if (!colour)
            return false;
        choice.rgbResult = *colour;
        return true;
    }
    bool SaveFileName(OPENFILENAMEA& file) override {
        proposedPath = file.lpstrFile;
        if (savePath.empty() || savePath.size() >= file.nMaxFile)
            return false;
        savePath.copy(file.lpstrFile, savePath.size());
        file.lpstrFile[savePath.size()] = '\0';
        return true;
    }
    int RunModal(HWND, HWND window, const std::function<bool()>& done,
                 const std::function<int()>& result) override {
        char caption[256] = {};
        GetWindowTextA(window, caption, sizeof caption);
        modalCaptions.emplace_back(caption);
        if (inModal)
            inModal(window);
        if (!done()) {
            ++closedUnplayed;
            SendMessageA(window, WM_CLOSE, 0, 0);
        }
        return result();
    }
};

} // namespace orvd::testing
