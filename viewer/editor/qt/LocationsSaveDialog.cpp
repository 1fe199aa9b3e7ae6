#include "editor/qt/LocationsSaveDialog.h"

#include "base/FileSystem.h"
#include "base/qt/Dialogs.h"
#include "base/qt/QtText.h"
#include "editor/qt/NameOnlyIconProvider.h"

#include <QMessageBox>

namespace orvd {

LocationsSaveDialog::LocationsSaveDialog(const std::string& folder, const std::string& proposedPath,
                                         QWidget* parent)
    : QFileDialog(parent) {
    setObjectName("SaveDialog1");
    setOption(QFileDialog::DontUseNativeDialog);
    setIconProvider(&NameOnlyIconProvider::Instance());
    setOption(QFileDialog::DontConfirmOverwrite); // asked in accept()
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters({QStringLiteral("Data files (*.dat)"), QStringLiteral("All files (*.*)")});
    setDefaultSuffix(QString());
    setDirectory(PathToQt(folder));
    selectFile(PathToQt(proposedPath));
}

std::optional<std::string> LocationsSaveDialog::ChosenPath() const {
    const QStringList files = selectedFiles();
    if (files.isEmpty() || files.first().isEmpty())
        return std::nullopt;
    return PathFromQt(files.first());
}

QString LocationsSaveDialog::ReplaceQuestion(const QString& fileName) {
    return QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(fileName);
}

void LocationsSaveDialog::accept() {
    const QStringList files = selectedFiles();
    if (!files.isEmpty() && !files.first().isEmpty()) {
        const std::string path = PathFromQt(files.first());
        if (FileExists(path)) {
            QMessageBox box(QMessageBox::Warning, windowTitle(),
                            ReplaceQuestion(FromAnsi(FileNamePart(path))),
                            QMessageBox::Yes | QMessageBox::No, this);
            box.setObjectName("ReplaceQuestion");
            box.setDefaultButton(QMessageBox::No);
            if (Dialogs().ExecModal(box) != QMessageBox::Yes)
                return;
        }
    }
    QFileDialog::accept();
}

} // namespace orvd
