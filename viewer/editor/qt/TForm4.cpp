#include "editor/qt/TForm4.h"

#include "base/qt/CheckBox.h"
#include "base/qt/QtText.h"
#include "base/qt/WindowParts.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace orvd {

TForm4::TForm4(const std::string& backupFileName, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("Form4");
    setWindowTitle(QStringLiteral("Question"));
    setFixedSize(231, 120);
    setModal(true);
    if (owner)
        setFont(owner->font());

    Label1 = new QLabel(QStringLiteral("ORVD Map has saved the original file as"), this);
    Label1->setObjectName("Label1");
    // A font wider than the classic one takes a second line rather than cutting the text.
    Label1->setWordWrap(true);
    const int height1 = Label1->heightForWidth(215);
    Label1->setGeometry(8, 6, 215, height1);
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label2->move(8, 8 + height1);
    // A long name keeps its start and its extension.
    SetLabelText(Label2, FromAnsi(backupFileName), 8 + 215, Overflow::ElideMiddle);
    auto* Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel1->setGeometry(8, 58, 215, 2);
    CheckBox1 = new CheckBox(QStringLiteral("Show this message next time."), this);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setGeometry(8, 64, 215, 17);
    CheckBox1->setChecked(true);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(78, 88, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

bool TForm4::Result() const {
    return CheckBox1->isChecked();
}

} // namespace orvd
