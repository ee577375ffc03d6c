// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module is found where the build puts it and plays through its one entry point;
// a folder without it leaves the editor silent instead of failing.
#include "framework/sound/SoundModule.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef PIXMORA_SOUND_MODULE_DIR
TEST(SoundModule, LoadsFromTheFirstFolderHoldingItAndPlaysWithoutADevice)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    EXPECT_EQ(SoundModule::LoadFrom({ empty.path() }), nullptr);
    EXPECT_EQ(SoundModule::LoadFrom({}), nullptr);

    const SoundModuleEntry play
        = SoundModule::LoadFrom({ empty.path(), QStringLiteral(PIXMORA_SOUND_MODULE_DIR) });
    ASSERT_NE(play, nullptr);
    // The test machine has no audio device: the call returns rather than waiting on one.
    const QString wav = QDir(QStringLiteral(PIXMORA_SOUND_MODULE_DIR)).filePath("tool.wav");
    ASSERT_TRUE(QFile::exists(wav));
    play(&wav);
}
#else
TEST(SoundModule, LoadsFromTheFirstFolderHoldingItAndPlaysWithoutADevice)
{
    GTEST_SKIP() << "built without QtMultimedia: there is no sound module";
}
#endif
