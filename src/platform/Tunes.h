// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// Sounds and videos of diary entries. A video is played in steps so that
// each failure can be reported under its own caption; a failing step does not
// stop the later ones. Each step gives nothing on success or the failure's
// text (which may be empty when the platform has none).
class ITunes {
public:
    virtual ~ITunes() = default;

    // Starts a sound and returns at once; a sound that cannot play is ignored.
    virtual void StartSound(const QString& path) = 0;

    virtual std::optional<QString> OpenVideo(const QString& path) = 0;
    // Places the video's popup window on the screen.
    virtual std::optional<QString> PlaceVideo(int left, int top, int width, int height) = 0;
    // Plays the opened video and returns when it has ended.
    virtual std::optional<QString> PlayVideoToEnd() = 0;
    virtual std::optional<QString> CloseVideo() = 0;
};
