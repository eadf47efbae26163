#include "ui/qt/qt_looks.hpp"

#include <QApplication>
#include <QStringList>
#include <QStyle>
#include <QStyleFactory>

namespace pixtallo::ui::qt {

QFont song_font(const FontStyle& layout) {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"),
                      QStringLiteral("Noto Serif CJK SC")});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(layout.pixel_size);
    font.setWeight(layout.bold ? QFont::Bold : QFont::Normal);
    return font;
}

QFont default_font() {
    return song_font({12, false});
}

void apply_application_look() {
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
        QApplication::setStyle(classic);
        QApplication::setPalette(classic->standardPalette());
    }
    QApplication::setFont(default_font());
}

QColor text_colour(const std::optional<Rgb>& colour) {
    return colour ? QColor(colour->red(), colour->green(), colour->blue()) : QColor(Qt::black);
}

QString from_utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string to_utf8(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace pixtallo::ui::qt
