#pragma once

#include <QFileDialog>
#include <optional>
#include <string>

namespace orvd {

// The editor's file-save dialog (SaveDialog1): "Data files (*.dat)" and "All files (*.*)", no
// default extension, opened in `folder` on `proposedPath` (both the program's 8-bit paths).
// Qt can only name files in UTF-8, and the program names its files in Windows-1252, so the
// dialog asks before replacing a file by the program's own check of the chosen path, not Qt's.
class LocationsSaveDialog : public QFileDialog {
    Q_OBJECT
public:
    LocationsSaveDialog(const std::string& folder, const std::string& proposedPath,
                        QWidget* parent);

    // The accepted path as the program names it, or nothing.
    std::optional<std::string> ChosenPath() const;

    static QString ReplaceQuestion(const QString& fileName);

public slots:
    void accept() override;
};

} // namespace orvd
