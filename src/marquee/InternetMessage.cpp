// SPDX-License-Identifier: GPL-3.0-or-later
#include "marquee/InternetMessage.h"

#include <QCoreApplication>
#include <QUuid>
#include <algorithm>

#include "calendar/CalendarDates.h"
#include "diary/DiaryDatabase.h"
#include "diary/DiaryError.h"
#include "marquee/PromotionTable.h"
#include "marquee/TextDecoding.h"
#include "platform/Clock.h"
#include "platform/Http.h"
#include "platform/Prompts.h"
#include "settings/DecimalText.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"

namespace {

const char* const kCaption = QT_TRANSLATE_NOOP("CViewMarquee", "Calendar");
const char* const kErrorPreamble = QT_TRANSLATE_NOOP(
    "CViewMarquee", "Error encountered \nIf you need support quote this message - \n");
const QString kNotFoundError = QStringLiteral("Error,Register,404 NotFound");
constexpr int kErrorMessageLimit = 255;
// A century is longer than any fetch period anyone means; it keeps the date
// arithmetic within the calendar's years.
constexpr int kMaxPeriodDays = 36525;

int CompactDate(const QDate& date) {
    return ParseDecimal(DateCompact(date.day(), date.month(), date.year()));
}

// Clears the flag when the update ends, however it ends.
class CUpdateGuard {
public:
    explicit CUpdateGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~CUpdateGuard() { m_flag = false; }
    CUpdateGuard(const CUpdateGuard&) = delete;
    CUpdateGuard& operator=(const CUpdateGuard&) = delete;

private:
    bool& m_flag;
};

}  // namespace

PromotionServer PromotionServer::BuiltIn() {
    return {CSettingsHelper::GetBuiltIn(QStringLiteral("host")),
            CSettingsHelper::GetBuiltIn(QStringLiteral("clientid")),
            CSettingsHelper::GetBuiltIn(QStringLiteral("productid"))};
}

CInternetMessage::CInternetMessage(const CSettingsHelper& settings, IHttp& http, IPrompts& prompts,
                                   const IClock& clock, PromotionServer server)
    : m_settings(settings),
      m_http(http),
      m_prompts(prompts),
      m_clock(clock),
      m_server(std::move(server)) {}

void CInternetMessage::LoadSettings() {
    m_frequency = m_settings.GetInt(Key::MarqueeCheckInternetFreq);
    m_units = m_settings.GetSetting(Key::MarqueeCheckInternetUnits);
    m_checkDate = m_settings.GetInt(Key::InternetCheckDate);
    m_useInternet = m_settings.GetBool(Key::UseInternet);
}

std::optional<int> CInternetMessage::PeriodDays() const {
    int daysPerUnit = 0;
    if (m_units == QLatin1String(UnitWord::Days))
        daysPerUnit = 1;
    else if (m_units == QLatin1String(UnitWord::Weeks))
        daysPerUnit = 7;
    else if (m_units == QLatin1String(UnitWord::Months))
        daysPerUnit = 30;
    else
        return std::nullopt;
    const qint64 days = static_cast<qint64>(m_frequency) * daysPerUnit;
    return static_cast<int>(std::clamp<qint64>(days, 0, kMaxPeriodDays));
}

bool CInternetMessage::WaitingAfterFailure() const {
    return m_lastFailure.isValid() &&
           m_lastFailure.secsTo(m_clock.Now()) < kRetryAfterFailureSeconds;
}

std::optional<QString> CInternetMessage::CheckInternetDue() {
    if (!m_useInternet || !m_server.Configured() || WaitingAfterFailure())
        return std::nullopt;
    // An unknown unit word gives no period, so nothing is ever due.
    const std::optional<int> period = PeriodDays();
    if (!period)
        return std::nullopt;
    const int periodAgo = CompactDate(m_clock.Now().date().addDays(-*period));
    // Due once the last successful fetch lies at or before the day one period ago.
    if (m_checkDate > periodAgo)
        return std::nullopt;
    return UpdateInternetMessage();
}

std::optional<QString> CInternetMessage::UpdateInternetMessage() {
    // The request waits in a local event loop; a focus change or click in
    // it must not start a second update.
    if (!m_server.Configured() || m_updating)
        return std::nullopt;
    CUpdateGuard guard(m_updating);
    try {
        return FetchAndStore();
    } catch (const CPlendaError&) {
        m_lastFailure = m_clock.Now();
        throw;
    }
}

std::optional<QString> CInternetMessage::FetchAndStore() {
    // Opened first, so a diary that cannot take the message fails before
    // the server is asked.
    const CDiaryDatabase diary(m_settings.GetSetting(Key::DiaryName, QString(), false));
    diary.VerifyPromotionTable();
    QString userId = UserId();
    if (userId.isEmpty()) {
        userId = QUuid::createUuid().toString(QUuid::Id128);
        m_settings.WriteSetting(Key::UserId, userId);
    }
    const QString reply =
        RequestServerText(userId, QString(), QString(), QString(), QStringLiteral("promo"));
    if (const std::optional<QString> error = ErrorInReply(reply)) {
        ReportError(*error);
        return std::nullopt;
    }
    CPromotionTable(diary.Connection()).Save(m_server.clientId, m_server.productId, reply);
    RecordSuccess(reply);
    return reply;
}

std::optional<QString> CInternetMessage::ErrorInReply(const QString& reply) {
    if (reply.startsWith(QLatin1String("Error")))
        return reply;
    // A web server's page-not-found page rather than the script's answer.
    if (reply.startsWith(QLatin1Char('<')) && reply.indexOf(QLatin1String("404"), 1) >= 1)
        return kNotFoundError;
    return std::nullopt;
}

void CInternetMessage::ReportError(const QString& errorText) {
    m_lastFailure = m_clock.Now();
    m_prompts.ShowMessage(QCoreApplication::translate("CViewMarquee", kErrorPreamble) + errorText,
                          QCoreApplication::translate("CViewMarquee", kCaption));
}

void CInternetMessage::RecordSuccess(const QString& message) {
    m_settings.WriteSetting(Key::MarqueeMess, message);
    const QDate today = m_clock.Now().date();
    m_checkDate = CompactDate(today);
    m_settings.WriteInt(Key::InternetCheckDate, m_checkDate);
    m_lastFailure = QDateTime();
}

QString CInternetMessage::RequestUrl(const QString& userId, const QString& regName,
                                     const QString& email, const QString& optIn,
                                     const QString& transaction) const {
    return m_server.host + QStringLiteral("?clientid=") + m_server.clientId +
           QStringLiteral("&productid=") + m_server.productId + QStringLiteral("&userid=") +
           userId + QStringLiteral("&regname=") + regName + QStringLiteral("&email=") + email +
           QStringLiteral("&optin=") + optIn + QStringLiteral("&tran=") + transaction;
}

QString CInternetMessage::RequestServerText(const QString& userId, const QString& regName,
                                            const QString& email, const QString& optIn,
                                            const QString& transaction) {
    const HttpReply reply = m_http.Get(RequestUrl(userId, regName, email, optIn, transaction),
                                       m_timeoutMilliseconds, kReplyLimit);
    if (!reply.ok)
        return QStringLiteral("Error,GetResult,") + reply.error.left(kErrorMessageLimit) +
               QStringLiteral("\n Hint: First check that you are connected to the internet");
    // An error status or an empty page is no message, whatever the body says.
    if (reply.status == 404)
        return kNotFoundError;
    if (reply.status < 200 || reply.status > 299)
        return QStringLiteral("Error,GetResult,The server answered %1 %2")
            .arg(reply.status)
            .arg(reply.reason.left(kErrorMessageLimit));
    const QString text = DecodeEightBitText(reply.body.left(kReplyLimit));
    if (text.trimmed().isEmpty())
        return QStringLiteral("Error,GetResult,The server sent an empty reply");
    return text;
}

QString CInternetMessage::UserId() const {
    return m_settings.ReadPlain(Key::UserId);
}
