// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "dialogs/core/OptionsSettings.h"

class CSettingsHelper;
class QCheckBox;

// The Options dialog's picture page: three check boxes, stored by OK.
class CPicturePage : public QWidget {
    Q_OBJECT
public:
    explicit CPicturePage(const CSettingsHelper& settings, QWidget* parent = nullptr);
    PictureOptions Values() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QCheckBox* AddCheck(const QString& text, const QString& objectName, bool checked);

    QCheckBox* m_showPicture = nullptr;
    QCheckBox* m_stretchHeight = nullptr;
    QCheckBox* m_stretchWidth = nullptr;
};
