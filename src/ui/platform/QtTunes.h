// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "platform/Tunes.h"

class QLabel;
class QMediaPlayer;
class QSoundEffect;
class QVideoSink;

// Tunes through Qt Multimedia: a sound effect started without waiting, and a
// video shown in a small frameless popup and waited for in a local event
// loop. Every wait has a time limit, so a file the backend never answers
// for cannot hang the window.
class CQtTunes : public ITunes {
public:
    // `openTimeoutMs` bounds the wait for a video to load; a video whose
    // length is unknown is waited for at most `unknownLengthTimeoutMs`.
    explicit CQtTunes(int openTimeoutMs = 5000, int unknownLengthTimeoutMs = 10 * 60 * 1000);
    ~CQtTunes() override;

    void StartSound(const QString& path) override;
    std::optional<QString> OpenVideo(const QString& path) override;
    std::optional<QString> PlaceVideo(int left, int top, int width, int height) override;
    std::optional<QString> PlayVideoToEnd() override;
    std::optional<QString> CloseVideo() override;

    // Chooses the FFmpeg media backend unless the user chose one.
    static void PreferFfmpegBackend();

private:
    static QString NotOpenText();
    bool WaitForLoad();
    void CreatePopup();
    void ReleaseVideo();

    int m_openTimeoutMs;
    int m_unknownLengthTimeoutMs;
    std::unique_ptr<QSoundEffect> m_sound;
    std::unique_ptr<QMediaPlayer> m_player;
    std::unique_ptr<QVideoSink> m_sink;
    std::unique_ptr<QLabel> m_popup;
    QString m_videoPath;
};
