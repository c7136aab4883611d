// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

class CSettingsHelper;
class IHttp;
class IPrompts;
class IClock;

// Where the promotion message comes from: the built-in "host", "clientid"
// and "productid". An empty host (the default build) means there is no
// server: nothing is asked and nothing is shown.
struct PromotionServer {
    QString host;
    QString clientId;
    QString productId;

    static PromotionServer BuiltIn();
    bool Configured() const { return !host.isEmpty(); }
};

// The marquee's message from the promotion server: the periodic due check,
// the update that stores the reply in `Promotion`, MarqueeMess and
// InternetCheckDate, and the request itself.
class CInternetMessage {
public:
    CInternetMessage(const CSettingsHelper& settings, IHttp& http, IPrompts& prompts,
                     const IClock& clock, PromotionServer server);

    // Reads MarqueeCheckInternetFreq, MarqueeCheckInternetUnits,
    // InternetCheckDate and UseInternet (writing missing defaults back).
    void LoadSettings();
    bool UseInternet() const { return m_useInternet; }
    int CheckDate() const { return m_checkDate; }

    // When UseInternet is on and the last successful fetch is older than the
    // period, runs the update. After a failed update it waits an hour before
    // trying again, so an offline user sees one box rather than one per
    // focus change. Returns the new message, as UpdateInternetMessage does.
    std::optional<QString> CheckInternetDue();

    // Fetches the message; on success stores it in the diary DiaryName names
    // and returns it for the band. Error replies are shown in one box and
    // change nothing. Database errors (CDatabaseError, also a diary that
    // cannot be opened, found before anything is asked) reach the caller,
    // with nothing changed.
    std::optional<QString> UpdateInternetMessage();

    // The reply to the promotion request (at most kReplyLimit bytes), or an
    // "Error,..." text when no reply came, the status was not a success or
    // the reply was empty.
    QString RequestServerText(const QString& userId, const QString& regName, const QString& email,
                              const QString& optIn, const QString& transaction);
    // The URL RequestServerText asks, values appended as they are.
    QString RequestUrl(const QString& userId, const QString& regName, const QString& email,
                       const QString& optIn, const QString& transaction) const;

    // The random identifier sent as "userid", made at the first request and
    // kept in the settings; it says nothing about the user.
    QString UserId() const;

    void SetTimeoutMilliseconds(int milliseconds) { m_timeoutMilliseconds = milliseconds; }

    static constexpr int kDefaultTimeoutMilliseconds = 15000;
    static constexpr int kReplyLimit = 1024;
    static constexpr int kRetryAfterFailureSeconds = 3600;

private:
    std::optional<int> PeriodDays() const;
    bool WaitingAfterFailure() const;
    // The reply as an error text to show, or nothing when it is a message.
    static std::optional<QString> ErrorInReply(const QString& reply);
    void ReportError(const QString& errorText);
    std::optional<QString> FetchAndStore();
    void RecordSuccess(const QString& message);

    const CSettingsHelper& m_settings;
    IHttp& m_http;
    IPrompts& m_prompts;
    const IClock& m_clock;
    PromotionServer m_server;

    int m_frequency = 1;
    QString m_units;
    int m_checkDate = 1;
    bool m_useInternet = false;
    int m_timeoutMilliseconds = kDefaultTimeoutMilliseconds;
    QDateTime m_lastFailure;
    bool m_updating = false;
};
