// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "dialogs/core/OptionsSettings.h"
#include "settings/SettingsKeys.h"

class CSettingsHelper;
class IPrompts;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLineEdit;

// The Options dialog's marquee page. Its colour buttons, unit radio buttons
// and Browse button write their setting the moment they are used; the rest
// waits for the dialog's OK.
class CMarqueePage : public QWidget {
    Q_OBJECT
public:
    CMarqueePage(const CSettingsHelper& settings, IPrompts& prompts, QWidget* parent = nullptr);

    // The values in the controls; numbers that are not whole read as 0.
    MarqueeOptions Values() const;
    // The first number edit that OK must refuse, with its message; null when all are fine.
    QLineEdit* FirstBadNumber(QString* message) const;
    // The file edit when OK must refuse the name typed there, with why; else null.
    QLineEdit* BadFileName(QString* message) const;
    // A problem met while reading the marquee file for the message edit, else empty.
    QString FileError() const { return m_fileError; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    QLineEdit* AddNumberEdit(const QString& objectName, int minimum);
    QButtonGroup* AddUnitRadios(const QStringList& words, const QString& namePrefix,
                                QGridLayout* grid, int row);
    void ShowValues();
    void ShowFirstFileLine();
    void ChooseColour(ColourRef* colour, Key key);
    void ChooseUnit(QButtonGroup* group, const QStringList& words, QString* unit, Key key,
                    QAbstractButton* clicked);
    void BrowseForFile();
    void PaintMessageColours();

    const CSettingsHelper& m_settings;
    IPrompts& m_prompts;
    MarqueeOptions m_options;
    QString m_fileError;

    QCheckBox* m_onCheck = nullptr;
    QLineEdit* m_messageEdit = nullptr;
    QLineEdit* m_slideEdit = nullptr;
    QLineEdit* m_secsEdit = nullptr;
    QCheckBox* m_useInternetCheck = nullptr;
    QLineEdit* m_internetFreqEdit = nullptr;
    QButtonGroup* m_internetUnits = nullptr;
    QCheckBox* m_useFileCheck = nullptr;
    QLineEdit* m_fileNameEdit = nullptr;
    QLineEdit* m_fileFreqEdit = nullptr;
    QButtonGroup* m_fileUnits = nullptr;
};
