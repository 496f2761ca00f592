// Draws the program icon from its SVG into the icon files Windows and macOS
// want: an .ico for the executable, an .icns for the application bundle. Both
// hold PNG pictures, which both systems read.
// Usage: iconfile <icon.svg> <output.ico|output.icns>
//        iconfile <picture.svg> <output.png> <scale>   (a build without Qt Svg draws its pictures from PNGs)

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

QByteArray png(QSvgRenderer& renderer, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

template<typename Number> void appendLittleEndian(QByteArray& out, Number value)
{
    const Number little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

template<typename Number> void appendBigEndian(QByteArray& out, Number value)
{
    const Number big = qToBigEndian(value);
    out.append(reinterpret_cast<const char*>(&big), sizeof big);
}

QByteArray ico(QSvgRenderer& renderer)
{
    const std::vector<int> sides = {16, 24, 32, 48, 64, 128, 256};
    QByteArray header;
    QByteArray pictures;
    appendLittleEndian<quint16>(header, 0);
    appendLittleEndian<quint16>(header, 1); // an icon
    appendLittleEndian<quint16>(header, static_cast<quint16>(sides.size()));
    const auto firstPicture = static_cast<quint32>(6 + 16 * sides.size());
    for (const int side : sides) {
        const QByteArray picture = png(renderer, side);
        header.append(static_cast<char>(side == 256 ? 0 : side)); // 0 stands for 256
        header.append(static_cast<char>(side == 256 ? 0 : side));
        header.append('\0'); // no palette
        header.append('\0');
        appendLittleEndian<quint16>(header, 1); // planes
        appendLittleEndian<quint16>(header, 32); // bits per pixel
        appendLittleEndian<quint32>(header, static_cast<quint32>(picture.size()));
        appendLittleEndian<quint32>(header, firstPicture + static_cast<quint32>(pictures.size()));
        pictures += picture;
    }
    return header + pictures;
}

QByteArray icns(QSvgRenderer& renderer)
{
    const std::vector<std::pair<const char*, int>> types = {{"icp4", 16},  {"icp5", 32},  {"icp6", 64},   {"ic07", 128},
                                                            {"ic08", 256}, {"ic09", 512}, {"ic10", 1024}, {"ic11", 32},
                                                            {"ic12", 64},  {"ic13", 256}, {"ic14", 512}};
    QByteArray pictures;
    for (const auto& [type, side] : types) {
        const QByteArray picture = png(renderer, side);
        pictures.append(type, 4);
        appendBigEndian<quint32>(pictures, static_cast<quint32>(8 + picture.size()));
        pictures += picture;
    }
    QByteArray file("icns", 4);
    appendBigEndian<quint32>(file, static_cast<quint32>(8 + pictures.size()));
    return file + pictures;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool picture = argc == 4;
    if (argc != 3 && !picture) {
        std::fprintf(stderr,
                     "usage: iconfile <icon.svg> <output.ico|output.icns>\n"
                     "       iconfile <picture.svg> <output.png> <scale>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);

    QSvgRenderer renderer(input);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "iconfile: cannot draw %s\n", argv[1]);
        return 1;
    }
    QByteArray bytes;
    if (picture) {
        const QSize size = renderer.defaultSize() * QByteArray(argv[3]).toInt();
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    } else {
        bytes = output.endsWith(QLatin1String(".icns")) ? icns(renderer) : ico(renderer);
    }
    QFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        std::fprintf(stderr, "iconfile: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
