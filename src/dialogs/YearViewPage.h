// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "dialogs/core/OptionsSettings.h"

class CSettingsHelper;
class IPrompts;
class QCheckBox;
class QLineEdit;

// The Options dialog's year-view page: the switch and the two month counts.
class CYearViewPage : public QWidget {
    Q_OBJECT
public:
    CYearViewPage(const CSettingsHelper& settings, IPrompts& prompts, QWidget* parent = nullptr);
    YearViewOptions Values() const;
    QLineEdit* AcrossEdit() const { return m_acrossEdit; }

protected:
    // Return in the page runs the page's own check and nothing else.
    void keyPressEvent(QKeyEvent* event) override;

private:
    IPrompts& m_prompts;
    QCheckBox* m_yearViewCheck = nullptr;
    QLineEdit* m_acrossEdit = nullptr;
    QLineEdit* m_downEdit = nullptr;
};
