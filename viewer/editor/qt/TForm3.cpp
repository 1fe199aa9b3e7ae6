#include "editor/qt/TForm3.h"

#include "base/ErrorMessage.h"
#include "base/profile/ProfileFile.h"
#include "base/qt/ContextMenuRoute.h"
#include "base/qt/Dialogs.h"
#include "base/qt/HelpViewer.h"
#include "base/qt/QtText.h"
#include "base/qt/WindowParts.h"
#include "editor/AskBackupSetting.h"
#include "editor/EditorPrompts.h"
#include "editor/qt/ChoiceListBox.h"
#include "editor/qt/EditorWindowHost.h"
#include "editor/qt/LocationsSaveDialog.h"
#include "editor/qt/TForm4.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMoveEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>

namespace orvd {

namespace {

void ShowText(QLineEdit* edit, const std::string& text) {
    const QString shown = FromAnsi(text);
    const QString typed = edit->text();
    if (typed == shown)
        return;
    // The user's own text with the characters the code page lacks turned into "?": the cursor
    // stays where it was.
    const bool sameText = FromAnsi(ToAnsi(typed)) == shown;
    const int cursor = int(ToAnsi(typed.left(edit->cursorPosition())).size());
    edit->setText(shown);
    if (sameText)
        edit->setCursorPosition(cursor);
}

} // namespace

// The modal windows of Done, each through the dialog seam.
class TForm3::Prompts final : public EditorPrompts {
public:
    explicit Prompts(TForm3* form) : form_(form) {}

    void ShowMessage(const std::string& text) override {
        QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), FromAnsi(text),
                        QMessageBox::Ok, form_);
        box.setObjectName("MessageBox");
        Dialogs().ExecModal(box);
    }

    std::optional<std::string> AskSavePath(const std::string& proposedPath) override {
        LocationsSaveDialog dialog(form_->host_.ProgramDirectory(), proposedPath, form_);
        if (Dialogs().ExecModal(dialog) != QDialog::Accepted)
            return std::nullopt;
        return dialog.ChosenPath();
    }

    bool ShowBackupNotice(const std::string& backupFileName) override {
        TForm4 notice(backupFileName, form_);
        Dialogs().ExecModal(notice);
        return notice.Result();
    }

private:
    TForm3* form_;
};

TForm3::TForm3(std::string settingsPath, EditorWindowHost& host)
    : QDialog(host.Window(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint),
      settingsPath_(std::move(settingsPath)), host_(host), editor_(host_) {
    setObjectName("Form3");
    setWindowTitle(QStringLiteral("Edit"));
    setModal(false);
    setFont(DialogFont());
    setFixedSize(360, 200);
    BuildControls();
    RunHandler(this, [this] { FormCreate(); });
}

TForm3::~TForm3() {
    FormDestroy();
}

void TForm3::BuildControls() {
    const auto label = [this](const char* name, const char* text, int x, int y) {
        return MakeLabel(this, name, QString::fromLatin1(text), x, y);
    };
    const auto edit = [this](const char* name, const QRect& geometry, int context) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        e->setGeometry(geometry);
        SetHelpContext(e, context);
        return e;
    };
    const auto button = [this](const char* name, const char* text, const char* hint,
                               const QRect& geometry, int context) {
        QPushButton* b = MakeButton(this, name, QString::fromLatin1(text), geometry);
        b->setToolTip(QString::fromLatin1(hint));
        SetHelpContext(b, context);
        b->setAutoDefault(false); // Enter in a field presses nothing
        return b;
    };

    Label4 = label("Label4", "Language:", 8, 6);
    Edit4 = edit("Edit4", QRect(8, 20, 169, 21), 301);
    Label1 = label("Label1", "Name:", 8, 46);
    Edit1 = edit("Edit1", QRect(8, 60, 169, 21), 302);
    Label2 = label("Label2", "X:", 184, 46);
    Edit2 = edit("Edit2", QRect(184, 60, 41, 21), 303);
    Label3 = label("Label3", "Y:", 230, 46);
    Edit3 = edit("Edit3", QRect(230, 60, 41, 21), 303);
    ListBox1 = new ChoiceListBox(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setGeometry(8, 88, 263, 104);
    SetHelpContext(ListBox1, 304);
    Button1 = button("Button1", "&New", "Create a new location.", QRect(280, 8, 73, 25), 305);
    Button4 = button("Button4", "A&pply", "Apply changes.", QRect(280, 36, 73, 25), 306);
    Button3 = button("Button3", "&Add", "Add this location.", QRect(280, 64, 73, 25), 307);
    Button2 =
        button("Button2", "&Delete", "Delete the selected location.", QRect(280, 92, 73, 25), 308);
    auto* Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel1->setGeometry(280, 129, 73, 2);
    BitBtn1 = button("BitBtn1", "Do&ne", "Quit and save.", QRect(280, 138, 73, 25), 309);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    BitBtn2 = button("BitBtn2", "&Cancel", "Quit and don't save.", QRect(280, 167, 73, 25), 310);
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    // Screen readers name the fields by their labels, without the colon; buttons by caption.
    for (const auto& [field, caption] :
         {std::pair{Edit4, Label4}, {Edit1, Label1}, {Edit2, Label2}, {Edit3, Label3}}) {
        field->setAccessibleName(caption->text().chopped(1));
        caption->setBuddy(field);
    }
    ListBox1->setAccessibleName(QStringLiteral("Locations"));

    const QList<QWidget*> order{Edit4,   Edit1,   Edit2,    Edit3,   Button1, Button4,
                                Button3, Button2, ListBox1, BitBtn1, BitBtn2};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    for (QWidget* control : order) {
        // The main window's "What's this?" menu (the right button, the Menu key, Shift+F10),
        // and the title bar's help button.
        RouteContextMenu(control, [this](QWidget* c, QPoint at) { host_.PopupWhatsThis(c, at); });
        control->installEventFilter(this);
    }

    connect(Edit4, &QLineEdit::textChanged, this,
            [this](const QString& text) { Forward([&] { editor_.Edit4Change(ToAnsi(text)); }); });
    connect(Edit1, &QLineEdit::textChanged, this,
            [this](const QString& text) { Forward([&] { editor_.Edit1Change(ToAnsi(text)); }); });
    for (QLineEdit* coordinate : {Edit2, Edit3}) {
        connect(coordinate, &QLineEdit::textChanged, this, [this] {
            Forward([&] { editor_.Edit2Change(ToAnsi(Edit2->text()), ToAnsi(Edit3->text())); });
        });
    }
    // Only the user's choice selects a location: not the focus, nor the program's own changes.
    connect(ListBox1, &ChoiceListBox::Chosen, this,
            [this](int row) { Forward([&] { editor_.ListBox1Click(row); }); });
    connect(Button1, &QPushButton::clicked, this,
            [this] { Forward([&] { editor_.Button1Click(); }); });
    connect(Button4, &QPushButton::clicked, this,
            [this] { Forward([&] { editor_.Button4Click(); }); });
    connect(Button3, &QPushButton::clicked, this,
            [this] { Forward([&] { editor_.Button3Click(); }); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { Forward([&] { editor_.Button2Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit2 || watched == Edit3) {
        if (event->type() == QEvent::FocusIn) {
            Forward([&] { editor_.Edit2Enter(); });
        } else if (event->type() == QEvent::FocusOut) {
            // Going to the main window, or to a menu, is not leaving the field.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                Forward([&] { editor_.Edit2Exit(); });
        }
    }
    if (event->type() == QEvent::QueryWhatsThis) {
        return true;
    }
    if (event->type() == QEvent::WhatsThis) {
        auto* control = qobject_cast<QWidget*>(watched);
        if (control && HelpContextOf(control) > 0) {
            HelpViewer::Instance().ShowPopup(HelpContextOf(control), control);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm3::FormCreate() {
    editor_.AskBackup = ReadAskBackup(ProfileFile(settingsPath_));
}

void TForm3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Forward([this] { FormShow(); });
}

void TForm3::PlaceTopRight() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const int outerWidth = std::max(frameGeometry().width(), width());
        move(screen->geometry().width() - outerWidth - 4, 4);
    }
}

void TForm3::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    if (placeWithFrame_ && frameGeometry() != geometry()) {
        placeWithFrame_ = false;
        PlaceTopRight();
    }
}

void TForm3::FormShow() {
    PlaceTopRight();
    placeWithFrame_ = frameGeometry() == geometry();
    editor_.FormShow();
    // Set here only: a failed Done keeps the caption the dialog was opened with.
    SetCaption(*this, FromAnsi(editor_.Caption()));
    Edit4->setFocus(Qt::OtherFocusReason);
}

void TForm3::BitBtn1Click() {
    Prompts prompts(this);
    bool closing = false;
    Forward([&] { closing = editor_.BitBtn1Click(prompts); });
    if (closing)
        accept();
}

void TForm3::PickPoint(Point map) {
    Forward([&] { editor_.PickPoint(map); });
}

void TForm3::done(int result) {
    if (isVisible()) {
        Forward([this] { editor_.FormClose(); });
    }
    QDialog::done(result);
}

void TForm3::FormDestroy() {
    if (destroyed_)
        return;
    destroyed_ = true;
    RunHandler(this, [this] { SaveAskBackupAtExit(settingsPath_, editor_.AskBackup); });
}

void TForm3::Forward(const std::function<void()>& handler) {
    RunHandler(this, handler);
    Refresh();
}

// The widgets are set with their signals held back: the core's IgnoreChanges already says that
// these are not the user's changes.
void TForm3::Refresh() {
    const QSignalBlocker b4(Edit4), b1(Edit1), b2(Edit2), b3(Edit3), bl(ListBox1);
    ShowText(Edit4, editor_.LanguageText());
    ShowText(Edit1, editor_.NameText());
    ShowText(Edit2, editor_.XText());
    ShowText(Edit3, editor_.YText());
    if (shownNames_ != editor_.Names()) {
        shownNames_ = editor_.Names();
        QStringList items;
        items.reserve(qsizetype(shownNames_.size()));
        for (const std::string& name : shownNames_)
            items << FromAnsi(name);
        ListBox1->clear();
        ListBox1->addItems(items);
    }
    if (ListBox1->currentRow() != editor_.Selected()) {
        ListBox1->setCurrentRow(editor_.Selected());
        if (editor_.Selected() < 0)
            ListBox1->clearSelection();
    }
    Button4->setEnabled(editor_.ApplyEnabled());
    Button3->setEnabled(editor_.AddEnabled());
    Button2->setEnabled(editor_.DeleteEnabled());
}

} // namespace orvd
