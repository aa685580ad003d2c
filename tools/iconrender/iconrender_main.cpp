// Renders the application icon (dist/unix/icons/quintara.svg) to the PNG sizes of the icon
// theme. Run by hand when the drawing changes:
//   quintara-iconrender <source>/dist/unix/icons/quintara.svg <source>/dist/unix/icons
// writes <dir>/<size>x<size>/quintara.png for 16, 22, 24, 32, 48, 64, 128 and 256 pixels.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: quintara-iconrender <icon.svg> <output-dir>\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "quintara-iconrender: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        svg.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString dir = QStringLiteral("%1/%2x%2").arg(args[2]).arg(size);
        QDir().mkpath(dir);
        if (!image.save(dir + QStringLiteral("/quintara.png"))) {
            std::fprintf(stderr, "quintara-iconrender: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
