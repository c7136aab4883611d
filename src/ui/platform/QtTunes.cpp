// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/QtTunes.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QMediaPlayer>
#include <QPixmap>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>

namespace {
// Time after the video's own length before the wait gives up.
constexpr int kPlayMarginMs = 5000;
constexpr int kPollMs = 100;

bool IsLoaded(QMediaPlayer::MediaStatus status) {
    return status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferedMedia ||
           status == QMediaPlayer::BufferingMedia;
}

bool HasFailed(const QMediaPlayer& player) {
    return player.error() != QMediaPlayer::NoError ||
           player.mediaStatus() == QMediaPlayer::InvalidMedia;
}

// Runs a local event loop until `done` holds or the time is up; true when done.
template <typename Condition>
bool WaitUntil(QMediaPlayer& player, int timeoutMs, Condition done) {
    if (done())
        return true;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    const auto check = [&] {
        if (done())
            loop.quit();
    };
    QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &loop, check);
    QObject::connect(&player, &QMediaPlayer::errorOccurred, &loop, check);
    QObject::connect(&player, &QMediaPlayer::playbackStateChanged, &loop, check);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    // Some ends (the popup closed by the user) send no player signal.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, check);
    poll.start(kPollMs);
    timer.start(timeoutMs);
    // Like the blocking play it stands for, the wait takes no user input: a
    // command such as File Open must not pull the diary from under the check
    // that is playing the tune.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return done();
}
}  // namespace

CQtTunes::CQtTunes(int openTimeoutMs, int unknownLengthTimeoutMs)
    : m_openTimeoutMs(openTimeoutMs), m_unknownLengthTimeoutMs(unknownLengthTimeoutMs) {
    PreferFfmpegBackend();
}

// Qt 6.4's GStreamer backend crashes on files it cannot decode where its
// plugins are incomplete; the FFmpeg backend reports them as errors. A
// backend the user chose is kept. Takes effect only before the first media
// object of the process is made.
void CQtTunes::PreferFfmpegBackend() {
    if (qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        return;
    const QDir plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                       QStringLiteral("/multimedia"));
    if (!plugins.entryList({QStringLiteral("*ffmpegmediaplugin*")}, QDir::Files).isEmpty())
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

CQtTunes::~CQtTunes() {
    ReleaseVideo();
}

QString CQtTunes::NotOpenText() {
    return QCoreApplication::translate("CQtTunes", "The video is not open.");
}

// A new sound replaces the one playing, so that two days' tunes never play
// over each other.
void CQtTunes::StartSound(const QString& path) {
    m_sound = std::make_unique<QSoundEffect>();
    m_sound->setSource(QUrl::fromLocalFile(path));
    m_sound->play();
}

std::optional<QString> CQtTunes::OpenVideo(const QString& path) {
    ReleaseVideo();
    if (!QFileInfo(path).isFile())
        return QCoreApplication::translate("CQtTunes", "The video file %1 cannot be found.")
            .arg(path);
    m_player = std::make_unique<QMediaPlayer>();
    m_sink = std::make_unique<QVideoSink>();
    m_player->setVideoSink(m_sink.get());
    m_player->setSource(QUrl::fromLocalFile(path));
    if (WaitForLoad()) {
        m_videoPath = path;
        return std::nullopt;
    }
    QString failure = m_player->errorString();
    if (failure.isEmpty())
        failure =
            HasFailed(*m_player)
                ? QCoreApplication::translate("CQtTunes",
                                              "The file %1 is not a video that can be played.")
                      .arg(path)
                : QCoreApplication::translate("CQtTunes", "The video %1 did not open in time.")
                      .arg(path);
    ReleaseVideo();
    return failure;
}

bool CQtTunes::WaitForLoad() {
    QMediaPlayer& player = *m_player;
    WaitUntil(player, m_openTimeoutMs,
              [&] { return HasFailed(player) || IsLoaded(player.mediaStatus()); });
    return !HasFailed(player) && IsLoaded(player.mediaStatus());
}

std::optional<QString> CQtTunes::PlaceVideo(int left, int top, int width, int height) {
    if (!m_player)
        return NotOpenText();
    CreatePopup();
    m_popup->setGeometry(left, top, width, height);
    return std::nullopt;
}

void CQtTunes::CreatePopup() {
    if (m_popup)
        return;
    m_popup = std::make_unique<QLabel>();
    m_popup->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    m_popup->setAlignment(Qt::AlignCenter);
    m_popup->setStyleSheet(QStringLiteral("background: black"));
    QLabel* popup = m_popup.get();
    QObject::connect(m_sink.get(), &QVideoSink::videoFrameChanged, popup,
                     [popup](const QVideoFrame& frame) {
                         const QImage image = frame.toImage();
                         if (!image.isNull())
                             popup->setPixmap(QPixmap::fromImage(image).scaled(
                                 popup->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
                     });
}

std::optional<QString> CQtTunes::PlayVideoToEnd() {
    if (!m_player)
        return NotOpenText();
    CreatePopup();
    m_popup->show();
    QMediaPlayer& player = *m_player;
    player.play();
    const qint64 length = player.duration();
    const int limit =
        length > 0
            ? static_cast<int>(std::min<qint64>(length + kPlayMarginMs, m_unknownLengthTimeoutMs))
            : m_unknownLengthTimeoutMs;
    // Ends at the end of the clip, on a failure, or when the popup is closed.
    const bool ended = WaitUntil(player, limit, [&] {
        return HasFailed(player) || player.mediaStatus() == QMediaPlayer::EndOfMedia ||
               player.playbackState() == QMediaPlayer::StoppedState || !m_popup->isVisible();
    });
    m_popup->hide();
    if (HasFailed(player))
        return player.errorString().isEmpty()
                   ? QCoreApplication::translate("CQtTunes", "The video %1 cannot be played.")
                         .arg(m_videoPath)
                   : player.errorString();
    if (!ended)
        return QCoreApplication::translate("CQtTunes", "The video %1 did not finish in time.")
            .arg(m_videoPath);
    return std::nullopt;
}

std::optional<QString> CQtTunes::CloseVideo() {
    if (!m_player)
        return NotOpenText();
    ReleaseVideo();
    return std::nullopt;
}

void CQtTunes::ReleaseVideo() {
    if (m_player)
        m_player->stop();
    m_popup.reset();
    m_player.reset();
    m_sink.reset();
    m_videoPath.clear();
}
