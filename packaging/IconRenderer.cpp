// Renders the window icon's drawing for installation: PNG copies at whole multiples of its
// size, drawn pixel for pixel so they stay sharp, and a Windows icon file with a 256-colour
// image and a transparency mask. Usage: IconRenderer SOURCE OUTPUT_DIRECTORY NAME
#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QImage>

#include <cstdio>

namespace {

// One 8-bit image with a 256-entry palette and a 1-bit AND mask, as Windows reads icons.
bool writeWindowsIcon(const QImage &source, const QString &path)
{
    const QImage image = source.convertToFormat(QImage::Format_Indexed8);
    if (image.colorCount() > 256 || image.width() > 255 || image.height() > 255)
        return false;
    const int width = image.width();
    const int height = image.height();
    const int maskStride = ((width + 31) / 32) * 4;
    const quint32 bitmapSize = 40 + 256 * 4 + width * height + maskStride * height;

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(1); // icon directory with one image
    out << quint8(width) << quint8(height) << quint8(0) << quint8(0) << quint16(1) << quint16(8)
        << bitmapSize << quint32(6 + 16);
    // Bitmap header; its height counts the colour rows and the mask rows.
    out << quint32(40) << qint32(width) << qint32(2 * height) << quint16(1) << quint16(8)
        << quint32(0) << quint32(width * height + maskStride * height) << qint32(0) << qint32(0)
        << quint32(256) << quint32(0);
    for (int index = 0; index < 256; ++index) {
        // Transparent pixels must be black here, or Windows would blend their colour in.
        const QRgb colour = index < image.colorCount() && qAlpha(image.color(index)) >= 128
                                ? image.color(index)
                                : 0;
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);
    }
    for (int y = height - 1; y >= 0; --y) // rows go bottom up
        out.writeRawData(reinterpret_cast<const char *>(image.constScanLine(y)), width);
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < width; ++x)
            if (qAlpha(image.color(image.pixelIndex(x, y))) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.writeRawData(row.constData(), row.size());
    }
    return out.status() == QDataStream::Ok && file.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4) {
        std::fputs("usage: IconRenderer SOURCE OUTPUT_DIRECTORY NAME\n", stderr);
        return 2;
    }
    const QImage drawing(arguments[1]);
    if (drawing.isNull()) {
        std::fprintf(stderr, "IconRenderer: cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    const QString base = arguments[2] + QLatin1Char('/') + arguments[3];
    for (int scale : {1, 2, 4, 8}) {
        const QImage rendering =
            drawing.scaled(drawing.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QString path = QStringLiteral("%1-%2.png").arg(base).arg(rendering.width());
        if (!rendering.save(path)) {
            std::fprintf(stderr, "IconRenderer: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    if (!writeWindowsIcon(drawing, base + QStringLiteral(".ico"))) {
        std::fprintf(stderr, "IconRenderer: cannot write %s.ico\n", qPrintable(base));
        return 1;
    }
    return 0;
}
