#include "app/qt/TfSplash.h"

#include "base/qt/BevelPanel.h"
#include "base/qt/ScreenPlacement.h"
#include "base/qt/WindowFonts.h"
#include "base/qt/WindowParts.h"
#include "mapdata/JpegDecoder.h"

#include <QBitmap>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <functional>

namespace orvd {

TfSplash* fSplash = nullptr;

namespace {

constexpr int kWidth = 354;
constexpr int kHeight = 275;

// Forwards a left click to the splash: a press and a release on the same element, the
// release inside it. The version and loading labels take none.
class ClickFilter : public QObject {
public:
    explicit ClickFilter(TfSplash* splash) : QObject(splash), splash_(splash) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
            return QObject::eventFilter(watched, event);
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return true;
        if (type == QEvent::MouseButtonPress) {
            pressed_ = watched;
        } else {
            auto* widget = qobject_cast<QWidget*>(watched);
            const bool click = watched == pressed_ && widget &&
                               widget->rect().contains(mouse->position().toPoint());
            pressed_ = nullptr;
            if (click)
                splash_->Panel1Click();
        }
        return true;
    }

private:
    TfSplash* splash_;
    QObject* pressed_ = nullptr;
};

// The version and loading texts take clicks without passing them on to the panel below.
class IgnoreClicks : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
            type == QEvent::MouseButtonDblClick)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

// The picture's surface; painting goes back to the splash's DrawGoldJPG.
class GoldBox : public QWidget {
public:
    GoldBox(QWidget* parent, std::function<void(QWidget*)> paint)
        : QWidget(parent), paint_(std::move(paint)) {}

protected:
    void paintEvent(QPaintEvent*) override { paint_(this); }

private:
    std::function<void(QWidget*)> paint_;
};

QFont TimesFont(int pixels, bool italic = false) {
    return WindowFonts::Instance().Font(QStringLiteral("Times New Roman"), pixels, italic);
}

QFont SansFont(int pixels) {
    return WindowFonts::Instance().Font(QStringLiteral("MS Sans Serif"), pixels);
}

} // namespace

TfSplash::TfSplash(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("fSplash");
    setFixedSize(kWidth, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(CentredOn(screen->geometry(), QSize(kWidth, kHeight)));

    clicks_ = new ClickFilter(this);
    ignoreClicks_ = new IgnoreClicks(this);
    QObject* clicks = clicks_;
    panel1_ = new BevelPanel(this, BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered, 2);
    panel1_->setObjectName("Panel1");
    panel1_->setGeometry(0, 0, kWidth, kHeight);
    QPalette palette = panel1_->palette();
    palette.setColor(QPalette::Window, QColor(209, 206, 64));
    panel1_->setPalette(palette);
    panel1_->installEventFilter(clicks);

    paintBox1_ = new GoldBox(panel1_, [this](QWidget* surface) { DrawGoldJPG(surface); });
    paintBox1_->setObjectName("PaintBox1");
    paintBox1_->setGeometry(4, 4, 346, 267);
    paintBox1_->installEventFilter(clicks);

    // Positions are in the window's client area; the labels lie on the panel.
    const QColor windowText = palette.color(QPalette::WindowText);
    const QColor darkRed(136, 0, 0);
    AddLabel("Label2", QStringLiteral("Realm of"), {104, 16}, TimesFont(40), windowText, true);
    AddLabel("Label5", QStringLiteral("Orvandel"), {80, 56}, TimesFont(40), windowText, true);
    AddLabel("Label3", QStringLiteral("Map"), {147, 104}, TimesFont(32), windowText, true);

    auto* image1 = new QLabel(panel1_);
    image1->setObjectName("Image1");
    image1->setGeometry(28, 144, 297, 25);
    QPixmap lettering(QStringLiteral(":/lettering.png"));
    if (!lettering.isNull()) {
        // Drawn transparent: the colour of its bottom-left pixel is left out.
        const QImage picture = lettering.toImage();
        lettering.setMask(QBitmap::fromImage(
            picture.createMaskFromColor(picture.pixel(0, picture.height() - 1))));
    }
    image1->setPixmap(lettering);
    image1->installEventFilter(clicks);

    AddLabel("Label1", QStringLiteral("Drawn by the Orvandel guild"), {40, 182},
             TimesFont(21, true), darkRed, true);
    AddLabel("Label4", QStringLiteral("Corrections: maps@orvandel.example"), {40, 206},
             TimesFont(13, true), darkRed, true);
    AddLabel("Label8", QStringLiteral("News and updates: www.orvandel.example"), {40, 223},
             TimesFont(13, true), darkRed, true);
    label6_ = AddLabel("Label6", QString(), {48, 249}, SansFont(11), QColor(102, 0, 0), false);
    label7_ = AddLabel("Label7", QString(), {208, 249}, SansFont(11), QColor(102, 0, 0), false);
    label7_->hide();

    FormCreate();
}

TfSplash::~TfSplash() {
    if (fSplash == this)
        fSplash = nullptr;
}

QLabel* TfSplash::AddLabel(const char* name, const QString& text, QPoint at, const QFont& font,
                           QColor colour, bool clickable) {
    auto* label = new QLabel(panel1_);
    label->setObjectName(name);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->move(at);
    SetText(label, text);
    if (clickable)
        label->installEventFilter(clicks_);
    else
        label->installEventFilter(ignoreClicks_);
    return label;
}

void TfSplash::SetText(QLabel* label, const QString& text) {
    // The lettering keeps clear of the inner bevel, which ends 4 pixels in from the edge.
    SetLabelText(label, text, kWidth - 8, Overflow::ShrinkFont);
}

void TfSplash::FormCreate() {
    SetText(label6_, QStringLiteral("v " ORVD_VERSION));
    LoadJPEGfromEXE();
}

void TfSplash::LoadJPEGfromEXE() {
    QFile resource(QStringLiteral(":/gold.jpg"));
    if (!resource.open(QIODevice::ReadOnly))
        return; // the panel colour shows instead
    const QByteArray bytes = resource.readAll();
    try {
        DecodeJpeg(std::string_view(bytes.constData(), std::size_t(bytes.size())), goldImage_);
    } catch (const std::exception&) {
        goldImage_.Clear();
    }
}

void TfSplash::DrawGoldJPG(QWidget* surface) {
    if (goldImage_.IsEmpty())
        return;
    // Unscaled at (0, 0): the 354 x 275 picture is cut to the 346 x 267 box.
    const QImage view(reinterpret_cast<const uchar*>(goldImage_.Data()), goldImage_.Width(),
                      goldImage_.Height(), qsizetype(goldImage_.BytesPerLine()),
                      QImage::Format_RGB32);
    QPainter painter(surface);
    painter.drawImage(0, 0, view);
}

void TfSplash::keyPressEvent(QKeyEvent* event) {
    // Esc does not end it: only a click on it or the window system's close command do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfSplash::Panel1Click() {
    modalResult_ = 1;
    if (isModal() && isVisible())
        done(1);
}

} // namespace orvd
