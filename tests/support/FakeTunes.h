// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "platform/Tunes.h"

// Records every request; opening and playing a video fail with the text set for them.
class FakeTunes : public ITunes {
public:
    void StartSound(const QString& path) override { calls.append(QStringLiteral("sound ") + path); }
    std::optional<QString> OpenVideo(const QString& path) override {
        calls.append(QStringLiteral("open ") + path);
        return openFailure;
    }
    std::optional<QString> PlaceVideo(int left, int top, int width, int height) override {
        calls.append(QStringLiteral("place %1 %2 %3 %4").arg(left).arg(top).arg(width).arg(height));
        return std::nullopt;
    }
    std::optional<QString> PlayVideoToEnd() override {
        calls.append(QStringLiteral("play"));
        return playFailure;
    }
    std::optional<QString> CloseVideo() override {
        calls.append(QStringLiteral("close"));
        return std::nullopt;
    }

    QStringList calls;
    std::optional<QString> openFailure;
    std::optional<QString> playFailure;
};
