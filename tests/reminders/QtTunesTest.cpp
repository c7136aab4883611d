// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "support/TempDir.h"
#include "ui/platform/QtTunes.h"

namespace {
constexpr int kOpenTimeoutMs = 3000;

// A missing file fails every step at once; a file that is no video fails
// within the time limit for opening.
TEST(QtTunes, VideosThatCannotPlayGiveAnErrorSoon) {
    TempDir dir;
    CQtTunes tunes(kOpenTimeoutMs);
    const QString gone = dir.File(QStringLiteral("gone.avi"));
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(tunes.OpenVideo(gone).value_or(QString()).contains(gone));
    const QString notOpen = QStringLiteral("The video is not open.");
    EXPECT_EQ(tunes.PlaceVideo(100, 100, 160, 160), notOpen);
    EXPECT_EQ(tunes.PlayVideoToEnd(), notOpen);
    EXPECT_EQ(tunes.CloseVideo(), notOpen);
    EXPECT_LT(clock.elapsed(), 1000);
    const QString letter =
        dir.Write(QStringLiteral("letter.avi"), QByteArray("Not a video.\n").repeated(50));
    clock.restart();
    EXPECT_FALSE(tunes.OpenVideo(letter).value_or(QString()).isEmpty());
    EXPECT_TRUE(tunes.PlayVideoToEnd().has_value());
    EXPECT_LT(clock.elapsed(), kOpenTimeoutMs + 2000);
}

}  // namespace
