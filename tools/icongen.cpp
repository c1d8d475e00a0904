// Draws the application icon and writes it as a Windows icon file with 16,
// 24, 32, 48 and 64 pixel images in 32-bit colour (BMP entries with an AND mask),
// or with --png SIZE as one PNG of that size (the desktop's icon theme).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {
QImage Draw(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // A rounded accent square with a magnifier over three rising bars.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x6f, 0xd1));
    p.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), s * 0.18, s * 0.18);
    p.setBrush(QColor(255, 255, 255, 220));
    const qreal bw = s * 0.12;
    for (int i = 0; i < 3; ++i) {
        const qreal h = s * (0.22 + 0.14 * i);
        p.drawRect(QRectF(s * 0.16 + i * bw * 1.4, s * 0.82 - h, bw, h));
    }
    QPen lens(QColor(255, 196, 0), std::max(1.5, s * 0.08));
    lens.setCapStyle(Qt::RoundCap);
    p.setPen(lens);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(s * 0.62, s * 0.40), s * 0.17, s * 0.17);
    p.drawLine(QPointF(s * 0.74, s * 0.52), QPointF(s * 0.88, s * 0.66));
    return image;
}

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(v & 0xff);
    out.push_back((v >> 8) & 0xff);
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

std::vector<std::uint8_t> Dib(const QImage& image) {
    const int n = image.width();
    std::vector<std::uint8_t> dib;
    Put32(dib, 40);
    Put32(dib, n);
    Put32(dib, n * 2); // colour and mask
    Put16(dib, 1);
    Put16(dib, 32);
    for (int i = 0; i < 6; ++i)
        Put32(dib, 0);
    for (int y = n - 1; y >= 0; --y)
        for (int x = 0; x < n; ++x) {
            const QRgb px = image.pixel(x, y);
            dib.push_back(qBlue(px));
            dib.push_back(qGreen(px));
            dib.push_back(qRed(px));
            dib.push_back(qAlpha(px));
        }
    const int maskRow = ((n + 31) / 32) * 4;
    for (int y = n - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskRow, 0);
        for (int x = 0; x < n; ++x)
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] |= 0x80 >> (x % 8);
        dib.insert(dib.end(), row.begin(), row.end());
    }
    return dib;
}
} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string_view(argv[1]) == "--png") {
        const int size = std::atoi(argv[2]);
        if (size < 16 || size > 1024) {
            std::fprintf(stderr, "icongen: size out of range: %s\n", argv[2]);
            return 2;
        }
        return Draw(size).save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen out.ico | icongen --png SIZE out.png\n");
        return 2;
    }
    const int sizes[] = {16, 24, 32, 48, 64};
    std::vector<std::vector<std::uint8_t>> images;
    for (int s : sizes)
        images.push_back(Dib(Draw(s)));
    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, 5);
    std::uint32_t offset = 6 + 16 * 5;
    for (int i = 0; i < 5; ++i) {
        out.push_back(sizes[i]);
        out.push_back(sizes[i]);
        out.push_back(0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, images[i].size());
        Put32(out, offset);
        offset += images[i].size();
    }
    for (auto& img : images)
        out.insert(out.end(), img.begin(), img.end());
    FILE* f = std::fopen(argv[1], "wb");
    if (!f || std::fwrite(out.data(), 1, out.size(), f) != out.size())
        return 1;
    return std::fclose(f) == 0 ? 0 : 1;
}
