#pragma once

#include "base/win32/WinApi.h"

#include <string>

namespace orvd {

class HelpFile;

// Stands in for WinHelp, which current Windows lacks: opens the help file's contents in a help
// window and shows a topic by context number as a pop-up beside a control. A missing or
// unreadable help file shows nothing. The file is read afresh on every request, as the help
// system would. Help context numbers are the controls' own (SetWindowContextHelpId).
class HelpViewer {
public:
    static HelpViewer& Instance();
    // A bare file name is looked up in the program's folder; a full path is taken as it is.
    void SetHelpFile(const std::string& fileName) { fileName_ = fileName; }
    std::string HelpFilePath() const;
    // Help > Help: the contents page, and the topics after it, in a help window.
    void ShowContents(HWND owner);
    // "What's this?": the topic of `context` as a pop-up beside `control`. Context <= 0 or a
    // topic the file lacks shows nothing. A click, a key or another window ends it.
    void ShowPopup(int context, HWND control);
    // What is on the screen now, for tests: null when nothing is shown.
    HWND ContentsWindow() const { return IsWindow(contents_) ? contents_ : nullptr; }
    HWND Popup() const { return IsWindow(popup_) ? popup_ : nullptr; }
    int PopupContext() const { return popupContext_; }

private:
    bool Load(HelpFile& file) const;

    std::string fileName_ = "orvd.hlp";
    HWND contents_ = nullptr;
    HWND popup_ = nullptr;
    int popupContext_ = 0;
};

} // namespace orvd
