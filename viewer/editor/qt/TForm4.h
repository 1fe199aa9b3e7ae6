#pragma once

#include <QDialog>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;

namespace orvd {

// The backup notice: "ORVD Map has saved the original file as" and the backup's file name,
// with the box "Show this message next time." ticked when it opens. Created for one notice,
// shown modally through the dialog seam and released afterwards.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    // `backupFileName` is the backup's file name without directory (8-bit text).
    explicit TForm4(const std::string& backupFileName, QWidget* owner = nullptr);

    // Whether the box was ticked; read after the notice has closed, however it was closed.
    bool Result() const;

private:
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button1 = nullptr;
};

} // namespace orvd
