// The buttons' standard icons: the style is asked only when an icon is drawn, and what is
// drawn is the style's own icon.
#include "gui/StandardIcon.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class CountingStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override {
        ++asked;
        return QProxyStyle::standardIcon(which, option, widget);
    }
    mutable int asked = 0;
};

QImage image(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

// The program's own icon in its three sizes, read without loading any image format plugin (the
// first test of this program: no picture was read before it).
TEST(ProgramIcon, BuiltInSizesWithoutImagePlugins) {
    const auto pluginsLoaded = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
    };
    ASSERT_FALSE(pluginsLoaded());
    const QIcon icon = programIcon();
    EXPECT_FALSE(pluginsLoaded());
    EXPECT_EQ(icon.availableSizes(), QList<QSize>({QSize(16, 16), QSize(32, 32), QSize(64, 64)}));
    for (const int size : {16, 32, 64}) {
        const QImage shipped(QStringLiteral(QUINTARA_SOURCE_DIR "/dist/unix/icons/%1x%1/quintara.png").arg(size));
        ASSERT_FALSE(shipped.isNull());
        EXPECT_EQ(image(icon.pixmap(size)), shipped.convertToFormat(QImage::Format_ARGB32_Premultiplied)) << size;
    }
}

TEST(StandardIcon, TheStyleIsAskedOnFirstDrawAndGivesTheSameLook) {
    auto* style = new CountingStyle(QStringLiteral("Fusion"));
    QApplication::setStyle(style); // the application owns it

    // Every standard icon the windows use: some the style has as a single small picture, which
    // is drawn without making the whole icon, others only as an icon.
    for (QStyle::StandardPixmap which :
         {QStyle::SP_BrowserReload, QStyle::SP_TrashIcon, QStyle::SP_DialogSaveButton, QStyle::SP_MediaPlay,
          QStyle::SP_FileDialogDetailedView, QStyle::SP_ArrowBack, QStyle::SP_DialogOpenButton,
          QStyle::SP_FileIcon, QStyle::SP_DialogCloseButton, QStyle::SP_BrowserStop,
          QStyle::SP_DialogApplyButton, QStyle::SP_DialogOkButton, QStyle::SP_DialogCancelButton}) {
        style->asked = 0;
        const QIcon lazy = standardIcon(which);
        EXPECT_FALSE(lazy.isNull());
        // Laying out a button with the icon does not draw it.
        QPushButton button(QStringLiteral("x"));
        button.setIcon(lazy);
        const QIcon copy = button.icon();
        button.sizeHint();
        EXPECT_EQ(style->asked, 0) << which;

        const QIcon eager = style->QProxyStyle::standardIcon(which);
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
            for (int size : {16, 32}) {
                const QImage got = image(copy.pixmap(QSize(size, size), mode));
                ASSERT_FALSE(got.isNull()) << which;
                EXPECT_EQ(got, image(eager.pixmap(QSize(size, size), mode))) << which << " " << size;
            }
        }
        // Asked once for all sizes and modes.
        EXPECT_EQ(style->asked, 1) << which;

        // Painted straight into a rectangle, too.
        QImage painted(20, 20, QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::transparent);
        QImage expected = painted;
        {
            QPainter p(&painted);
            copy.paint(&p, QRect(2, 2, 16, 16));
        }
        {
            QPainter p(&expected);
            eager.paint(&p, QRect(2, 2, 16, 16));
        }
        EXPECT_EQ(painted, expected) << which;
        EXPECT_EQ(copy.actualSize(QSize(16, 16)), eager.actualSize(QSize(16, 16)));
    }
}

