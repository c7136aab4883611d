// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/DiarySetHolder.h"

#include "diary/DiaryRecordset.h"

CDiarySetHolder::CDiarySetHolder(CSettingsStore& settings) : m_settings(settings) {}

CDiarySetHolder::~CDiarySetHolder() = default;

CDiaryRecordset* CDiarySetHolder::GetDiarySet() {
    if (m_set)
        return m_set.get();
    m_set = std::make_unique<CDiaryRecordset>(m_settings);
    m_set->Open();
    return m_set.get();
}

void CDiarySetHolder::ForgetDiarySet() {
    if (m_set)
        m_set->Close();
    m_set.reset();
}
