#include "gui/StandardIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QResource>
#include <QPainter>
#include <optional>

namespace {

class StyleIconEngine final : public QIconEngine {
public:
    explicit StyleIconEngine(QStyle::StandardPixmap which) : m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (QPixmap p = natural(size, mode, state); !p.isNull()) return p;
        return icon().pixmap(size, mode, state);
    }
    // size is in device pixels here.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        if (scale <= 0) scale = 1;
        if (scale == 1)
            if (QPixmap p = natural(size, mode, state); !p.isNull()) return p;
        const QSize logical(qRound(size.width() / scale), qRound(size.height() / scale));
        return icon().pixmap(logical, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QString key() const override { return QStringLiteral("StyleIconEngine"); }
    QIconEngine* clone() const override { return new StyleIconEngine(*this); }
    bool isNull() override { return false; }

private:
    // The style's single picture of the icon when it has exactly the size asked for: the icon
    // would hand out that same picture, but the style decodes every size to make the icon.
    // Null when it does not fit, when the icon is already made, or for a disabled or
    // selected look, which the icon derives.
    QPixmap natural(const QSize& size, QIcon::Mode mode, QIcon::State state) {
        if (m_icon || mode != QIcon::Normal || state != QIcon::Off) return {};
        if (!m_natural) m_natural = QApplication::style()->standardPixmap(m_which);
        return m_natural->size() == size ? *m_natural : QPixmap();
    }

    const QIcon& icon() {
        if (!m_icon) m_icon = QApplication::style()->standardIcon(m_which);
        return *m_icon;
    }

    QStyle::StandardPixmap m_which;
    std::optional<QIcon> m_icon;
    std::optional<QPixmap> m_natural;
};

} // namespace

QIcon standardIcon(QStyle::StandardPixmap which) {
    return QIcon(new StyleIconEngine(which));
}

QIcon programIcon() {
    QIcon icon = QIcon::fromTheme(QStringLiteral("quintara"));
    if (!icon.isNull()) return icon;
    for (const int size : {16, 32, 64}) {
        const QResource pixels(QStringLiteral(":/icons/quintara-%1.rgba").arg(size));
        if (!pixels.isValid() || pixels.compressionAlgorithm() != QResource::NoCompression ||
            pixels.size() != qint64(size) * size * 4)
            continue;
        const QImage image(pixels.data(), size, size, QImage::Format_RGBA8888_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
