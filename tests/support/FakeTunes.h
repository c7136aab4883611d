// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "platform/Tunes.h"

// Records every request; each video step fails with the text set for it.
class FakeTunes : public ITunes {
public:
    void StartSound(const QString& path) override { calls.append(QStringLiteral("sound ") + path); }
    std::optional<QString> OpenVideo(const QString& path) override {
        calls.append(QStringLiteral("open ") + path);
        return openFailure;
    }
    std::optional<QString> PlaceVideo(int left, int top, int width, int height) override {
        calls.append(QStringLiteral("place %1 %2 %3 %4").arg(left).arg(top).arg(width).arg(height));
        return placeFailure;
    }
    std::optional<QString> PlayVideoToEnd() override {
        calls.append(QStringLiteral("play"));
        return playFailure;
    }
    std::optional<QString> CloseVideo() override {
        calls.append(QStringLiteral("close"));
        return closeFailure;
    }

    QStringList calls;
    std::optional<QString> openFailure;
    std::optional<QString> placeFailure;
    std::optional<QString> playFailure;
    std::optional<QString> closeFailure;
};
