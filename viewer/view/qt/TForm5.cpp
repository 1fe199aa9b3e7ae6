#include "view/qt/TForm5.h"

#include "base/qt/Dialogs.h"
#include "base/qt/OnSignal.h"
#include "base/qt/WindowParts.h"
#include "view/qt/ColorChooser.h"
#include "view/qt/MapBox.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace orvd {
namespace {

constexpr int kClientWidth = 301;
constexpr int kClientHeight = 156;
constexpr QPoint kScreenPosition(367, 197);

} // namespace

TForm5::TForm5(QWidget* owner, ColorValue& borderColor, BorderPattern& borderStyle,
               const SystemColorTable& colors)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      borderColor_(borderColor), borderStyle_(borderStyle), colors_(colors),
      choice_(borderColor, borderStyle, colors.Get(SystemColorTable::kButtonFace)) {
    setObjectName("Form5");
    setWindowTitle(QStringLiteral("Borderstyle"));
    setFont(DialogFont());
    setFixedSize(kClientWidth, kClientHeight);
    move(kScreenPosition);

    Label1 = MakeLabel(this, "Label1", QStringLiteral("Style"), 16, 8);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setEditable(false);
    ComboBox1->setGeometry(16, 32, 137, 21);
    ComboBox1->setAccessibleName(QStringLiteral("Style"));
    Label1->setBuddy(ComboBox1); // on Unix screen readers name a list by its label
    DropListBelowBox(ComboBox1);
    for (std::string_view caption : kBorderStyleCaptions)
        ComboBox1->addItem(QString::fromLatin1(caption.data(), qsizetype(caption.size())));
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Color"), 16, 60);
    Button1 = MakeButton(this, "Button1", QStringLiteral("&Color"), QRect(16, 76, 75, 25));
    Label3 = MakeLabel(this, "Label3", QStringLiteral("Example"), 192, 8);

    // Only a paint request repaints the box from its background; direct draws are presented.
    PaintBox1 =
        MakeMapBox(this, "PaintBox1",
                   QRect(192, 32, BorderStyleChoice::kExampleSize, BorderStyleChoice::kExampleSize),
                   &choice_.Example(), [this](MapBox*) {
                       if (!presenting_)
                           RunHandler(this, [this] { PaintBox1Paint(); });
                   });
    PaintBox1->setAccessibleName(QStringLiteral("Example"));

    BitBtn1 = MakeButton(this, "BitBtn1", QStringLiteral("OK"), QRect(16, 119, 75, 25));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    BitBtn2 = MakeButton(this, "BitBtn2", QStringLiteral("Cancel"), QRect(96, 119, 75, 25));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    setTabOrder(ComboBox1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    setTabOrder(BitBtn2, Button1);

    FormCreate();

    OnSignal(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
    OnSignal(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        RunHandler(this, [this] { BitBtn1Click(); });
        accept();
    });
    // Esc and the close box reject the dialog as Cancel does.
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm5::FormCreate() {
    ComboBox1->setCurrentIndex(choice_.SelectedItem());
    DrawExample();
}

int TForm5::ShowModal() {
    struct CloseAtEnd {
        QDialog& dialog;
        ~CloseAtEnd() { dialog.hide(); }
    } closer{*this};
    return Dialogs().ExecModal(*this);
}

void TForm5::DrawExample() {
    // The dialog's client rectangle in the box's coordinates, cut to the box by the fill.
    choice_.DrawExample(Rect{0, 0, width(), height()}, colors_);
    PresentExample();
}

void TForm5::PresentExample() {
    presenting_ = true;
    PaintBox1->Present();
    presenting_ = false;
}

void TForm5::PaintBox1Paint() {
    choice_.RepaintExample(Rect{0, 0, width(), height()},
                           colors_.Get(SystemColorTable::kButtonFace), colors_);
}

void TForm5::ComboBox1Change() {
    choice_.SelectItem(ComboBox1->currentIndex());
    DrawExample();
}

void TForm5::Button1Click() {
    if (const auto chosen = ChooseColor(this, choice_.ChosenColor(), colors_))
        choice_.SetChosenColor(*chosen);
    DrawExample();
}

void TForm5::BitBtn1Click() {
    choice_.CopyBack(borderColor_, borderStyle_);
}

} // namespace orvd
