#include "tools/demo-service/CaptchaImage.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <random>

namespace tw::demo {

std::string DrawSecurityImage(std::string_view characters, std::uint64_t noise) {
    std::mt19937_64 rng(noise);
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };

    QImage image(kImageWidth, kImageHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, kImageWidth, kImageHeight);
    background.setColorAt(0, QColor(between(225, 250), between(225, 250), between(200, 240)));
    background.setColorAt(1, QColor(between(200, 240), between(225, 250), between(225, 250)));
    p.fillRect(image.rect(), background);

    for (int i = 0; i < 120; ++i) { // speckles
        p.setPen(QColor(between(120, 200), between(120, 200), between(120, 200)));
        p.drawPoint(between(0, kImageWidth - 1), between(0, kImageHeight - 1));
    }

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(34);
    font.setBold(true);
    p.setFont(font);
    const int count = static_cast<int>(characters.size());
    const qreal step = count > 0 ? (kImageWidth - 24.0) / count : 0;
    for (int i = 0; i < count; ++i) {
        p.save();
        p.translate(14 + step * i + step / 2, kImageHeight / 2.0 + between(-6, 6));
        p.rotate(between(-22, 22));
        p.setPen(QColor(between(10, 90), between(10, 90), between(40, 140)));
        const QRectF cell(-step / 2 - 4, -26, step + 8, 52);
        p.drawText(cell, Qt::AlignCenter, QString(QChar::fromLatin1(characters[i])));
        p.restore();
    }

    for (int i = 0; i < 4; ++i) { // lines across the characters
        p.setPen(QPen(QColor(between(60, 160), between(60, 160), between(60, 160)), between(1, 2)));
        p.drawLine(between(0, 40), between(5, kImageHeight - 5), between(kImageWidth - 40, kImageWidth),
                   between(5, kImageHeight - 5));
    }
    p.end();

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return std::string(png.constData(), static_cast<std::size_t>(png.size()));
}

} // namespace tw::demo
