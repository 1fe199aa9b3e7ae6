#pragma once

#include "editor/LocationEditor.h"
#include "view/CoordinatePicker.h"

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvd {

class ChoiceListBox;
class EditorWindowHost;

// The location editor dialog: modeless, created hidden at start-up right after the main window,
// alive until the program ends, hidden between uses. A thin window over LocationEditor: it
// shows the core's state and forwards every event to it. It keeps the "AskBackup" setting:
// read at creation, written at destruction, in the settings file of the main window.
class TForm3 : public QDialog, public CoordinatePicker {
    Q_OBJECT
public:
    // `host` is the main window, which owns the dialog.
    TForm3(std::string settingsPath, EditorWindowHost& host);
    ~TForm3() override; // runs FormDestroy

    bool AskBackup() const { return editor_.AskBackup; }
    void SetAskBackup(bool ask) { editor_.AskBackup = ask; }

    // Set by File > Edit... and File > New... before the dialog is shown.
    void SetNewFile(bool newFile) { editor_.NewFile = newFile; }
    void SetDataFileName(std::string name) { editor_.DataFileName = std::move(name); }

    const LocationEditor& Editor() const { return editor_; }

    // The main view's click while PickMode is set: the point goes into the X and Y fields.
    void PickPoint(Point map) override;

protected:
    void showEvent(QShowEvent* event) override;
    // Every way of closing (Done, Cancel, Escape, the close button) ends here.
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Prompts;

    void BuildControls();
    void FormCreate();
    void FormShow();
    void FormDestroy();
    void BitBtn1Click();
    // Runs a handler of the core and shows its result.
    void Forward(const std::function<void()>& handler);
    void Refresh();

    std::string settingsPath_;
    EditorWindowHost& host_;
    LocationEditor editor_;
    bool destroyed_ = false;
    std::vector<std::string> shownNames_;

    // Controls, named as in the dialog's definition.
    QLabel* Label4 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button2 = nullptr;
    ChoiceListBox* ListBox1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
};

} // namespace orvd
