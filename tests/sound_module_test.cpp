// The program's sound goes through the sound module, loaded on the first sound: the program
// itself does not load Qt Multimedia, and without the module it stays silent.
#include "gui/ModuleSound.h"

#include "support/ModuleFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString winSound() {
    return QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/yippee.wav");
}

} // namespace

TEST(SoundModule, FirstSoundLoadsTheModuleBesideTheProgramAndPlaysThroughIt) {
    // Nothing of the program has loaded the multimedia libraries up to here.
    ASSERT_FALSE(libraryMapped("libQt6Multimedia"));
    ModuleSound sound(ModuleSound::moduleFilesFor(QStringLiteral(QUINTARA_PROGRAM_DIR)));

    // A missing file is no reason to load the module.
    sound.play(QStringLiteral(QUINTARA_PROGRAM_DIR "/no-such-sound.wav"));
    EXPECT_TRUE(sound.loadedFrom().isEmpty());
    EXPECT_FALSE(libraryMapped("libQt6Multimedia"));

    ASSERT_TRUE(QFileInfo::exists(winSound()));
    sound.play(winSound());
    EXPECT_EQ(sound.loadedFrom(), QStringLiteral(QUINTARA_PROGRAM_DIR "/quintara_sound.so"));
    EXPECT_TRUE(libraryMapped("libQt6Multimedia"));
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
    // No file, not a library at all, and a library without the entry point.
    const QStringList unusable = unusableModuleFiles(dir, QStringLiteral("sound"));
    ASSERT_TRUE(QFileInfo(unusable[2]).isFile()) << unusable[2].toStdString();
    const QStringList& files = unusable;
    ModuleSound sound(files);
    sound.play(winSound());
    sound.play(winSound());
    EXPECT_TRUE(sound.loadedFrom().isEmpty());
}
