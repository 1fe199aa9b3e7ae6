#pragma once

#include "base/Image.h"

#include <QDialog>
#include <QImage>

class QLabel;
class QFrame;

namespace orvd {

class BevelPanel;

// The borderless splash window (354 x 275, centred), shown during start-up and again, modally,
// as the About box. A click on the picture, the panel, the title, the lettering or the
// authorship lines sets the modal result to 1, which ends a modal showing; at start-up the
// window is not modal, so a click there changes nothing that shows.
class TfSplash : public QDialog {
    Q_OBJECT
public:
    explicit TfSplash(QWidget* owner = nullptr);
    ~TfSplash() override;

    int ModalResult() const { return modalResult_; }

    QLabel* Label7() const { return label7_; } // "Loading..." during start-up
    // Sets the text of one of its labels; a text too wide for the window is drawn smaller or
    // shortened rather than run into the bevel.
    void SetText(QLabel* label, const QString& text);

    void Panel1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void LoadJPEGfromEXE();
    void DrawGoldJPG(QWidget* surface);
    QLabel* AddLabel(const char* name, const QString& text, QPoint at, const QFont& font,
                     QColor colour, bool clickable);

    int modalResult_ = 0;
    Image goldImage_; // decoded by libjpeg from the program's resources
    QObject* clicks_ = nullptr;
    QObject* ignoreClicks_ = nullptr;
    BevelPanel* panel1_ = nullptr;
    QWidget* paintBox1_ = nullptr;
    QLabel* label6_ = nullptr;
    QLabel* label7_ = nullptr;
};

// The splash window that exists now (at start-up, or while the About box is open), or null.
extern TfSplash* fSplash;

} // namespace orvd
