// Turns a PNG picture into its bare pixels for the program's built-in window icon: RGBA bytes
// (premultiplied), row by row, with nothing before or after them. The program then shows its
// icon without decoding a picture at start-up. Run by the build:
//   quintara-iconpixels <picture.png> <size> <output.rgba>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: quintara-iconpixels <picture.png> <size> <output.rgba>\n");
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]), "png");
    reader.setAutoDetectImageFormat(false); // no image format plugins
    const QImage picture = reader.read();
    const int size = QByteArray(argv[2]).toInt();
    if (picture.isNull() || picture.width() != size || picture.height() != size) {
        std::fprintf(stderr, "quintara-iconpixels: %s is not a picture of %s pixels square\n", argv[1], argv[2]);
        return 1;
    }
    const QImage pixels = picture.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    QFile out(QString::fromLocal8Bit(argv[3]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "quintara-iconpixels: cannot write %s\n", argv[3]);
        return 1;
    }
    for (int y = 0; y < size; ++y)
        if (out.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), qint64(size) * 4) != qint64(size) * 4)
            return 1;
    return out.flush() ? 0 : 1;
}
