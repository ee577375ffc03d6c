// SPDX-License-Identifier: GPL-3.0-or-later
// The acknowledgement sounds shipped beside the program: real, short, quiet PCM that starts
// and ends in silence, so no click is heard.
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace {

struct WavFile {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    QByteArray samples;
};

quint16 U16(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 U32(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

// Walks the RIFF chunks; nullopt when the file is no well-formed WAVE file.
std::optional<WavFile> ReadWav(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray b = file.readAll();
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE" || U32(b, 4) != b.size() - 8)
        return std::nullopt;
    WavFile wav;
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = U32(b, at + 4);
        if (at + 8 + size > b.size())
            return std::nullopt;
        if (id == "fmt " && size >= 16) {
            wav.format = U16(b, at + 8);
            wav.channels = U16(b, at + 10);
            wav.rate = int(U32(b, at + 12));
            wav.bits = U16(b, at + 22);
            haveFormat = true;
        } else if (id == "data") {
            wav.samples = b.mid(at + 8, size);
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFormat || wav.samples.isEmpty())
        return std::nullopt;
    return wav;
}

QString SourceResource(const char* name)
{
    return QDir::cleanPath(QStringLiteral(PIXMORA_TEST_DATA "/../../resources/") + name);
}

} // namespace

TEST(SoundFiles, AreShortQuietMonoPcmThatFadesInAndOut)
{
    for (const char* name : { "tool.wav", "size.wav", "alias.wav" }) {
        SCOPED_TRACE(name);
        const auto wav = ReadWav(SourceResource(name));
        ASSERT_TRUE(wav.has_value());
        EXPECT_EQ(wav->format, 1); // PCM
        EXPECT_EQ(wav->channels, 1);
        EXPECT_EQ(wav->rate, 22050);
        ASSERT_EQ(wav->bits, 16);
        const qsizetype count = wav->samples.size() / 2;
        const double milliseconds = 1000.0 * double(count) / wav->rate;
        EXPECT_GE(milliseconds, 80.0);
        EXPECT_LE(milliseconds, 200.0);

        const auto sample = [&](qsizetype i) {
            return int(qFromLittleEndian<qint16>(wav->samples.constData() + 2 * i));
        };
        int peak = 0;
        for (qsizetype i = 0; i < count; ++i)
            peak = std::max(peak, std::abs(sample(i)));
        EXPECT_GT(peak, 3000); // audible
        EXPECT_LT(peak, 16384); // below half of full scale
        EXPECT_LT(std::abs(sample(0)), 64);
        EXPECT_LT(std::abs(sample(count - 1)), 64);
    }
}

TEST(SoundFiles, AreThreeDifferentSounds)
{
    const auto tool = ReadWav(SourceResource("tool.wav"));
    const auto size = ReadWav(SourceResource("size.wav"));
    const auto alias = ReadWav(SourceResource("alias.wav"));
    ASSERT_TRUE(tool && size && alias);
    EXPECT_NE(tool->samples, size->samples);
    EXPECT_NE(size->samples, alias->samples);
    EXPECT_NE(tool->samples, alias->samples);
}
