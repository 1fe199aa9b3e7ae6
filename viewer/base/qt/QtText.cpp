#include "base/qt/QtText.h"

#include "base/Cp1252.h"

#include <QFile>
#include <QWidget>

namespace orvd {

QString FromAnsi(std::string_view bytes) {
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[i] = QChar(Cp1252ToUnicode(static_cast<unsigned char>(bytes[i])));
    return text;
}

QStringList FromAnsiList(const std::vector<std::string>& texts) {
    QStringList list;
    list.reserve(qsizetype(texts.size()));
    for (const std::string& text : texts)
        list << FromAnsi(text);
    return list;
}

std::string ToAnsi(const QString& text) {
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one character outside the code page, one "?"
        const auto byte = UnicodeToCp1252(unit);
        bytes.push_back(byte ? char(*byte) : '?');
    }
    return bytes;
}

QString PathToQt(std::string_view path) {
    const std::size_t name = path.find_last_of('/') + 1; // 0 without a folder
    const std::string folder(path.substr(0, name));
    return QFile::decodeName(QByteArray(folder.data(), qsizetype(folder.size()))) +
           FromAnsi(path.substr(name));
}

std::string PathFromQt(const QString& path) {
    const qsizetype name = path.lastIndexOf(QLatin1Char('/')) + 1;
    return QFile::encodeName(path.left(name)).toStdString() + ToAnsi(path.mid(name));
}

void SetCaption(QWidget& window, const QString& caption) {
    QString escaped = caption;
    escaped.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    window.setWindowTitle(escaped);
}

} // namespace orvd
