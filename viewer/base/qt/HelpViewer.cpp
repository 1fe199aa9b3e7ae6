#include "base/qt/HelpViewer.h"

#include "base/FileSystem.h"
#include "base/help/HelpFile.h"
#include "base/qt/QtText.h"
#include "base/qt/ScreenPlacement.h"
#include "base/qt/WindowFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace orvd {
namespace {

// A help pop-up: a frameless window that the next click anywhere or Esc closes. As a pop-up it
// receives the clicks outside it too, so it must close on them or the program stays blocked.
class HelpPopup final : public QLabel {
public:
    HelpPopup() : QLabel(nullptr, Qt::Popup | Qt::FramelessWindowHint) {
        setObjectName("HelpPopup");
        setAttribute(Qt::WA_DeleteOnClose);
    }

protected:
    void mousePressEvent(QMouseEvent*) override { close(); }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape)
            close();
        else
            QLabel::keyPressEvent(event);
    }
};

// Paragraphs that wrap to the window; the file's line breaks only mark its blocks.
QString TopicHtml(const HelpTopic& topic) {
    QString html = QStringLiteral("<h3>%1</h3>").arg(FromAnsi(topic.Title).toHtmlEscaped());
    for (const HelpBlock& block : HelpBlocks(topic.Text))
        html += QStringLiteral("<p style='margin-top:%1px; margin-bottom:0; margin-left:%2px'>"
                               "%3</p>")
                    .arg(block.Spaced ? 8 : 0)
                    .arg(block.Indent * 6)
                    .arg(FromAnsi(block.Text).toHtmlEscaped());
    return html;
}

// The help system's own face, not the windows' bitmap one: headings are bold.
QFont HelpFont() {
    return WindowFonts::Instance().Font(QStringLiteral("Arial"), 12);
}

} // namespace

void SetHelpContext(QWidget* control, int context) {
    control->setProperty("helpContext", context);
}

int HelpContextOf(const QWidget* control) {
    return control->property("helpContext").toInt();
}

HelpViewer& HelpViewer::Instance() {
    static HelpViewer viewer;
    return viewer;
}

QString HelpViewer::HelpFilePath() const {
    if (QFileInfo(fileName_).isAbsolute())
        return fileName_;
    const QString dir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    return QFile::decodeName(ResolveFileName(QFile::encodeName(dir).toStdString(),
                                             QFile::encodeName(fileName_).toStdString())
                                 .c_str());
}

bool HelpViewer::Load(HelpFile& file) const {
    const auto bytes = ReadWholeFile(QFile::encodeName(HelpFilePath()).toStdString(), 1 << 20);
    if (!bytes)
        return false;
    file = HelpFile::Parse(*bytes);
    return true;
}

void HelpViewer::ShowContents(QWidget* owner) {
    HelpFile file;
    if (!Load(file) || !file.Contents())
        return;
    if (!contents_) {
        auto* window = new QWidget(owner, Qt::Window);
        window->setObjectName("HelpWindow");
        window->setAttribute(Qt::WA_DeleteOnClose);
        auto* layout = new QVBoxLayout(window);
        auto* browser = new QTextBrowser(window);
        browser->setObjectName("HelpText");
        browser->setFont(HelpFont());
        layout->addWidget(browser);
        new QShortcut(QKeySequence(Qt::Key_Escape), window, window, &QWidget::close);
        // Centred on the screen, as the program's windows open; its frame is not known yet.
        const QSize size(480, 420);
        window->resize(size);
        if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
            window->setGeometry(QRect(CentredOn(screen->geometry(), size), size));
        contents_ = window;
    }
    QString html = TopicHtml(*file.Contents());
    for (const auto& [context, topic] : file.Topics())
        html += TopicHtml(topic);
    contents_->setWindowTitle(FromAnsi(file.Contents()->Title));
    contents_->findChild<QTextBrowser*>("HelpText")->setHtml(html);
    contents_->show();
    contents_->raise();
    contents_->activateWindow(); // Esc and the keys go to the help at once
}

void HelpViewer::ShowPopup(int context, QWidget* control) {
    if (context <= 0 || !control)
        return;
    HelpFile file;
    const HelpTopic* topic = Load(file) ? file.Find(context) : nullptr;
    if (!topic)
        return;
    if (popup_)
        popup_->close();
    auto* label = new HelpPopup();
    label->setFont(HelpFont());
    label->setWordWrap(true);
    label->setMargin(6);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setStyleSheet("background: #FFFFE1; color: black;");
    label->setText(QStringLiteral("<b>%1</b><br>%2")
                       .arg(FromAnsi(topic->Title).toHtmlEscaped(),
                            FromAnsi(topic->Text).toHtmlEscaped().replace('\n', ' ')));
    label->setFixedWidth(300);
    label->adjustSize();
    label->move(PopupBeside(*control, label->size()));
    label->show();
    popup_ = label;
    popupContext_ = context;
}

} // namespace orvd
