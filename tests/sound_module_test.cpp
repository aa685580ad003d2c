// The program's sound goes through the sound module, loaded on the first sound: the program
// itself does not load Qt Multimedia, and without the module it stays silent.
#include "gui/ModuleSound.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool multimediaLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return false;
    return maps.readAll().contains("libQt6Multimedia");
}

// A real library that has no sound entry point.
QString qtCoreFile() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const int at = line.indexOf('/');
        if (at >= 0 && line.contains("libQt6Core.so")) return QString::fromLocal8Bit(line.mid(at));
    }
    return {};
}

QString winSound() {
    return QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/yippee.wav");
}

} // namespace

TEST(SoundModule, FirstSoundLoadsTheModuleBesideTheProgramAndPlaysThroughIt) {
    // Nothing of the program has loaded the multimedia libraries up to here.
    ASSERT_FALSE(multimediaLoaded());
    ModuleSound sound(ModuleSound::moduleFilesFor(QStringLiteral(QUINTARA_PROGRAM_DIR)));

    // A missing file is no reason to load the module.
    sound.play(QStringLiteral(QUINTARA_PROGRAM_DIR "/no-such-sound.wav"));
    EXPECT_TRUE(sound.loadedFrom().isEmpty());
    EXPECT_FALSE(multimediaLoaded());

    ASSERT_TRUE(QFileInfo::exists(winSound()));
    sound.play(winSound());
    EXPECT_EQ(sound.loadedFrom(), QStringLiteral(QUINTARA_PROGRAM_DIR "/quintara_sound.so"));
    EXPECT_TRUE(multimediaLoaded());
    // A second sound cuts off the first; the module is not looked for again.
    sound.play(winSound());
    EXPECT_EQ(sound.loadedFrom(), QStringLiteral(QUINTARA_PROGRAM_DIR "/quintara_sound.so"));
}

TEST(SoundModule, InstalledProgramLooksInItsLibraryDirectory) {
    const QStringList files = ModuleSound::moduleFilesFor(QStringLiteral("/opt/q/bin/"));
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0], QStringLiteral("/opt/q/bin/quintara_sound.so"));
    EXPECT_TRUE(files[1].startsWith(QStringLiteral("/opt/q/lib"))) << files[1].toStdString();
    EXPECT_TRUE(files[1].endsWith(QStringLiteral("/quintara/quintara_sound.so"))) << files[1].toStdString();
}

TEST(SoundModule, MissingOrBrokenModuleIsSilenceNotACrash) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Not a library at all, a library without the entry point, and no file.
    const QString notALibrary = dir.filePath(QStringLiteral("quintara_sound.so"));
    {
        QFile f(notALibrary);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not an ELF file\n");
    }
    const QString withoutEntry = qtCoreFile();
    ASSERT_TRUE(QFileInfo(withoutEntry).isFile()) << withoutEntry.toStdString();
    const QStringList files{dir.filePath(QStringLiteral("missing.so")), notALibrary, withoutEntry};
    ModuleSound sound(files);
    sound.play(winSound());
    sound.play(winSound());
    EXPECT_TRUE(sound.loadedFrom().isEmpty());
}
