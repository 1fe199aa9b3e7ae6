#pragma once

#include <QPointer>
#include <QString>

class QWidget;
class QTextBrowser;
class QLabel;

namespace orvd {

class HelpFile;

// A control's help context number, read by "What's this?"; 0 when it has none.
void SetHelpContext(QWidget* control, int context);
int HelpContextOf(const QWidget* control);

// Stands in for the platform's help system: opens the help file's contents in a help window and
// shows a topic by context number as a pop-up beside a control. A missing or unreadable help
// file shows nothing. The file is read afresh on every request, as the help system would.
class HelpViewer {
public:
    static HelpViewer& Instance();

    // A bare file name is looked up in the program's folder.
    void SetHelpFile(const QString& fileName) { fileName_ = fileName; }
    QString HelpFilePath() const;

    // Help > Help: the contents page in a help window owned by `owner`.
    void ShowContents(QWidget* owner);
    // "What's this?": the topic of `context` as a pop-up beside `control`. Context <= 0 or a
    // topic the file lacks shows nothing.
    void ShowPopup(int context, QWidget* control);

    // What is on the screen now, for tests: null when nothing is shown.
    QWidget* ContentsWindow() const { return contents_; }
    QLabel* Popup() const { return popup_; }
    int PopupContext() const { return popupContext_; }

private:
    bool Load(HelpFile& file) const;

    QString fileName_ = QStringLiteral("orvd.hlp");
    QPointer<QWidget> contents_;
    QPointer<QLabel> popup_;
    int popupContext_ = 0;
};

} // namespace orvd
