#pragma once

#include <exception>
#include <functional>
#include <string>

class QDialog;
class QWidget;

namespace orvd {

// The one seam through which every modal window of the viewer is shown: message boxes, the
// About box, the colour chooser, the border dialog, the save dialog. Tests install their own
// seam that answers without blocking.
class DialogSeam {
public:
    virtual ~DialogSeam() = default;
    // Shows `dialog` modally and returns its result code (QDialog::Accepted, a button, ...).
    virtual int ExecModal(QDialog& dialog) = 0;
};

// The seam in use: by default one that runs the dialog's own modal loop.
DialogSeam& Dialogs();
// Installs `seam` (not owned) until it is replaced; nullptr restores the default.
void SetDialogs(DialogSeam* seam);

// The standard error box: caption "Orvandel Map", error icon, OK, and the message with the
// full stop rule of ErrorBoxText. `message` is 8-bit text.
void ShowErrorBox(QWidget* parent, const std::string& message);

// A notice with the application's caption, an information icon and OK; `message` is 8-bit text.
void ShowInformationBox(QWidget* parent, const std::string& message);

// Runs an event handler's body; an error that leaves it is shown in the standard error box and
// the program goes on.
void RunHandler(QWidget* parent, const std::function<void()>& body);

} // namespace orvd
