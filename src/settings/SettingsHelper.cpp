// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsHelper.h"

#include "platform/SystemColours.h"
#include "settings/BuiltInConstants.h"
#include "settings/DecimalText.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace {
const QString kSection = QString::fromLatin1(CSettingsStore::kSettingsSection);
}

CSettingsHelper::CSettingsHelper(CSettingsStore& store, const ISystemColours& colours)
    : m_store(store), m_colours(colours) {}

QString CSettingsHelper::GetSetting(Key key, const QString& defaultText, bool writeBack) const {
    const QString stored = m_store.ReadText(kSection, KeyName(key));
    if (!stored.isEmpty())
        return stored;
    if (writeBack)
        m_store.WriteText(kSection, KeyName(key), defaultText);
    return defaultText;
}

QString CSettingsHelper::GetSetting(Key key, bool writeBack) const {
    const QString stored = m_store.ReadText(kSection, KeyName(key));
    const bool inRange = stored.isEmpty() || WithinRange(DefinitionOf(key), stored);
    if (!stored.isEmpty() && inRange)
        return stored;
    const QString defaultText = DefaultText(DefinitionOf(key), m_store, m_colours);
    // A number out of range is reported and left in the file for the user.
    if (writeBack && inRange)
        m_store.WriteText(kSection, KeyName(key), defaultText);
    return defaultText;
}

int CSettingsHelper::GetInt(Key key, bool writeBack) const {
    return TextToInt(GetSetting(key, writeBack));
}

bool CSettingsHelper::GetBool(Key key, bool writeBack) const {
    return TextToBool(GetSetting(key, writeBack));
}

ColourRef CSettingsHelper::GetColour(Key key, bool writeBack) const {
    return TextToColour(GetSetting(key, writeBack));
}

QString CSettingsHelper::ReadPlain(Key key) const {
    return m_store.ReadText(kSection, KeyName(key));
}

void CSettingsHelper::WriteSetting(Key key, const QString& value) const {
    m_store.WriteText(kSection, KeyName(key), value);
}

void CSettingsHelper::WriteBool(Key key, bool value) const {
    WriteSetting(key, BoolToText(value));
}

void CSettingsHelper::WriteInt(Key key, int value) const {
    WriteSetting(key, QString::number(value));
}

void CSettingsHelper::WriteColour(Key key, ColourRef value) const {
    WriteSetting(key, ColourToText(value));
}

QString CSettingsHelper::BoolToText(bool flag) { return flag ? QStringLiteral("True") : QStringLiteral("False"); }

bool CSettingsHelper::TextToBool(const QString& text) {
    return text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

int CSettingsHelper::TextToInt(const QString& text) { return ParseDecimal(text); }

ColourRef CSettingsHelper::TextToColour(const QString& text) { return static_cast<ColourRef>(ParseDecimal(text)); }

QString CSettingsHelper::ColourToText(ColourRef colour) { return QString::number(static_cast<qint32>(colour)); }

QString CSettingsHelper::GetBuiltIn(const QString& key) {
    if (key == QLatin1String("host"))
        return QString::fromUtf8(BuiltIn::kHost);
    if (key == QLatin1String("clientid"))
        return QString::fromUtf8(BuiltIn::kClientId);
    if (key == QLatin1String("productid"))
        return QString::fromUtf8(BuiltIn::kProductId);
    if (key == QLatin1String("sponsor"))
        return QString::fromUtf8(BuiltIn::kSponsor);
    if (key == QLatin1String("phone"))
        return QString::fromUtf8(BuiltIn::kPhone);
    return QString();
}
