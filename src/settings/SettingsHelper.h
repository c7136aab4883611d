// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "colour/ColourRef.h"
#include "settings/SettingsKeys.h"

class CSettingsStore;
class ISystemColours;

// Reads and writes section "Settings" with the encodings every part uses.
class CSettingsHelper {
public:
    CSettingsHelper(CSettingsStore& store, const ISystemColours& colours);

    // The stored text, or `defaultText` when it is missing or empty; with
    // `writeBack` the default is written to the store at once.
    QString GetSetting(Key key, const QString& defaultText, bool writeBack) const;
    // As above with the key's default from the settings table, worked out now.
    QString GetSetting(Key key, bool writeBack = true) const;
    int GetInt(Key key, bool writeBack = true) const;
    bool GetBool(Key key, bool writeBack = true) const;
    ColourRef GetColour(Key key, bool writeBack = true) const;
    // A plain read: empty text when missing, nothing written.
    QString ReadPlain(Key key) const;

    void WriteSetting(Key key, const QString& value) const;
    void WriteBool(Key key, bool value) const;
    void WriteInt(Key key, int value) const;
    void WriteColour(Key key, ColourRef value) const;

    static QString BoolToText(bool flag);
    static bool TextToBool(const QString& text);
    static int TextToInt(const QString& text);
    static ColourRef TextToColour(const QString& text);
    static QString ColourToText(ColourRef colour);
    // "host", "clientid", "productid", "sponsor", "phone"; any other key gives empty text.
    static QString GetBuiltIn(const QString& key);

    CSettingsStore& Store() const { return m_store; }

private:
    CSettingsStore& m_store;
    const ISystemColours& m_colours;
};
