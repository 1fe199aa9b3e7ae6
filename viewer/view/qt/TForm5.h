#pragma once

#include "view/BorderStyleChoice.h"
#include "view/SystemColors.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace orvd {

class MapBox;

// The border style dialog: pattern list, colour button, live example, OK and Cancel. Made for
// one use of the command. Only OK writes the working copies to `borderColor` and `borderStyle`,
// which must outlive the dialog.
class TForm5 : public QDialog {
    Q_OBJECT
public:
    TForm5(QWidget* owner, ColorValue& borderColor, BorderPattern& borderStyle,
           const SystemColorTable& colors);

    // Shows the dialog modally through the dialog seam and gives its result. The dialog is
    // closed afterwards, also when an error leaves the modal run (the error goes on).
    int ShowModal();

    const BorderStyleChoice& Choice() const { return choice_; }

    // Handlers, named after the controls of the window's definition.
    void DrawExample();
    void PaintBox1Paint();
    void ComboBox1Change();
    void Button1Click();
    void BitBtn1Click();

private:
    void FormCreate();
    // Shows the example as it is now, without repainting it from the background.
    void PresentExample();

    ColorValue& borderColor_;
    BorderPattern& borderStyle_;
    SystemColorTable colors_;
    BorderStyleChoice choice_;
    bool presenting_ = false;

    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Label3 = nullptr;
    MapBox* PaintBox1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
};

} // namespace orvd
