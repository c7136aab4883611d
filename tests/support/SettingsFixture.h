// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include "platform/SystemColours.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/TempDir.h"

// A settings file of the test's own in a fresh folder, read through the
// helper every part uses, with black-on-white system colours.
class SettingsFixture : public ::testing::Test {
protected:
    void Put(Key key, const QString& value) {
        store.WriteText(QString::fromLatin1(CSettingsStore::kSettingsSection), KeyName(key), value);
    }
    QString Stored(Key key) const {
        return store.ReadText(QString::fromLatin1(CSettingsStore::kSettingsSection), KeyName(key));
    }

    TempDir dir;
    CSettingsStore store{dir.SettingsFile()};
    CDefaultSystemColours colours;
    CSettingsHelper settings{store, colours};
};
