// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class CDiaryRecordset;
class CSettingsStore;

// The recordset an owner (the view, the command line) keeps open on the diary.
class CDiarySetHolder {
public:
    explicit CDiarySetHolder(CSettingsStore& settings);
    ~CDiarySetHolder();

    // Creates and opens the recordset on first use and returns it. When the
    // open fails the error passes out, but the unopened recordset is kept: later
    // calls return it as it is, and readers find it not open, until
    // ForgetDiarySet.
    CDiaryRecordset* GetDiarySet();
    // Closes and deletes the recordset, so that the next GetDiarySet opens the
    // file DiaryName names then.
    void ForgetDiarySet();
    bool HoldsSet() const { return m_set != nullptr; }

private:
    CSettingsStore& m_settings;
    std::unique_ptr<CDiaryRecordset> m_set;
};
