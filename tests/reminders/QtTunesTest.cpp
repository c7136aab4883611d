// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "support/TempDir.h"
#include "ui/platform/QtTunes.h"

namespace {
constexpr int kOpenTimeoutMs = 3000;

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
    const QString path =
        dir.Write(QStringLiteral("letter.avi"), QByteArray("Not a video.\n").repeated(50));
    CQtTunes tunes(kOpenTimeoutMs);
    QElapsedTimer clock;
    clock.start();
    const auto open = tunes.OpenVideo(path);
    EXPECT_TRUE(open.has_value());
    EXPECT_FALSE(open.value_or(QString()).isEmpty());
    EXPECT_TRUE(tunes.PlayVideoToEnd().has_value());
    EXPECT_LT(clock.elapsed(), kOpenTimeoutMs + 2000);
}

}  // namespace
