#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>

#include "support/TempDir.h"
#include "ui/platform/QtTunes.h"

namespace {
constexpr int kOpenTimeoutMs = 3000;

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A valid 8-bit mono WAV of a tenth of a second of silence.
QByteArray SilentWav() {
    const quint32 samples = 800;
    QByteArray wav;
    const auto put32 = [&](quint32 v) {
        for (int i = 0; i < 4; ++i) wav.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    const auto put16 = [&](quint16 v) {
        wav.append(static_cast<char>(v & 0xFF));
        wav.append(static_cast<char>(v >> 8));
    };
    wav.append("RIFF");
    put32(36 + samples);
    wav.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(8000);
    put32(8000);
    put16(1);
    put16(8);
    wav.append("data");
    put32(samples);
    wav.append(QByteArray(samples, static_cast<char>(0x80)));
    return wav;
}

TEST(QtTunes, MissingVideoFailsEveryStepAtOnce) {
    TempDir dir;
    CQtTunes tunes(kOpenTimeoutMs);
    const QString path = dir.File(QStringLiteral("gone.avi"));
    QElapsedTimer clock;
    clock.start();
    const auto open = tunes.OpenVideo(path);
    ASSERT_TRUE(open.has_value());
    EXPECT_TRUE(open->contains(path));
    EXPECT_EQ(tunes.PlaceVideo(100, 100, 160, 160), QStringLiteral("The video is not open."));
    EXPECT_EQ(tunes.PlayVideoToEnd(), QStringLiteral("The video is not open."));
    EXPECT_EQ(tunes.CloseVideo(), QStringLiteral("The video is not open."));
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST(QtTunes, UnplayableVideoGivesAnErrorWithinTheTimeLimit) {
    TempDir dir;
    const QString path = dir.File(QStringLiteral("letter.avi"));
    WriteFile(path, QByteArray("This is a letter, not a video.\n").repeated(50));
    CQtTunes tunes(kOpenTimeoutMs);
    QElapsedTimer clock;
    clock.start();
    const auto open = tunes.OpenVideo(path);
    EXPECT_TRUE(open.has_value());
    EXPECT_FALSE(open.value_or(QString()).isEmpty());
    EXPECT_TRUE(tunes.PlayVideoToEnd().has_value());
    EXPECT_LT(clock.elapsed(), kOpenTimeoutMs + 2000);
}

TEST(QtTunes, SoundsStartWithoutWaiting) {
    TempDir dir;
    const QString wav = dir.File(QStringLiteral("click.wav"));
    WriteFile(wav, SilentWav());
    CQtTunes tunes(kOpenTimeoutMs);
    QElapsedTimer clock;
    clock.start();
    tunes.StartSound(wav);
    tunes.StartSound(dir.File(QStringLiteral("missing.wav")));
    EXPECT_LT(clock.elapsed(), 1000);
}
}  // namespace
