// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>
#include <utility>
#include <vector>

class CSettingsHelper;

// The keyboard shortcuts at a glance. Reopens where it was last closed.
class CQuickHelpDlg : public QDialog {
    Q_OBJECT
public:
    CQuickHelpDlg(const CSettingsHelper& settings, QWidget* parent = nullptr);

    // "Key\tMeaning" lines, shown as two columns.
    static const QStringList& KeyLines();
    // The pairs of the "Arrow Keys" frame.
    static const std::vector<std::pair<QString, QString>>& ArrowKeys();
    // The pairs of the "Day Cursor" frame, in the interface's language.
    static std::vector<std::pair<QString, QString>> CursorKeys();

    void done(int result) override;

private:
    void BuildControls();

    const CSettingsHelper& m_settings;
};
