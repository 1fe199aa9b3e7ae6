#pragma once

#include <QDialog>
#include <string>

namespace orvd {

// The location editor dialog: created hidden at start-up right after the main window, alive
// until the program ends. It keeps the "AskBackup" setting: read at creation, written at
// destruction, in the settings file of the main window.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    TForm3(std::string settingsPath, QWidget* owner = nullptr);
    ~TForm3() override; // runs FormDestroy

    bool AskBackup() const { return askBackup_; }
    void SetAskBackup(bool ask) { askBackup_ = ask; }

private:
    void FormCreate();
    void FormDestroy();

    std::string settingsPath_;
    bool askBackup_ = true;
    bool destroyed_ = false;
};

// The editor dialog of the running program, or null.
extern TForm3* Form3;

} // namespace orvd
