// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class CSettingsHelper;
class IDateOrder;
class IPrompts;
class QComboBox;
class QLineEdit;

// Asks for the text to find and the field to look in. The caller sets both,
// runs the dialog, and reads both back after OK.
class CFindDlg : public QDialog {
    Q_OBJECT
public:
    CFindDlg(const CSettingsHelper& settings, const IDateOrder& dateOrder, IPrompts& prompts,
             QWidget* parent = nullptr);

    QString SearchText() const;
    void SetSearchText(const QString& text);
    // 0 date, 1 message, 2 tune file; after OK never outside 0..2.
    int LookInIndex() const { return m_lookInIndex; }
    void SetLookInIndex(int index);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    // The item the combo box's text names, -1 when it names none.
    int SelectedItem() const;
    void FindNext();

    const CSettingsHelper& m_settings;
    const IDateOrder& m_dateOrder;
    IPrompts& m_prompts;
    int m_lookInIndex = 0;
    QLineEdit* m_searchEdit = nullptr;
    QComboBox* m_lookInCombo = nullptr;
};
