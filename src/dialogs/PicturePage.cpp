// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/PicturePage.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QVBoxLayout>

CPicturePage::CPicturePage(const CSettingsHelper& settings, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picturePage"));
    const PictureOptions stored = LoadPictureOptions(settings);
    auto* column = new QVBoxLayout(this);
    m_showPicture =
        AddCheck(tr("Show Picture"), QStringLiteral("showPictureCheck"), stored.showPicture);
    m_stretchHeight = AddCheck(tr("Stretch Picture Height"), QStringLiteral("stretchHeightCheck"),
                               stored.stretchHeight);
    m_stretchWidth = AddCheck(tr("Stretch Picture Width"), QStringLiteral("stretchWidthCheck"),
                              stored.stretchWidth);
    column->addWidget(m_showPicture);
    column->addWidget(m_stretchHeight);
    column->addWidget(m_stretchWidth);
    column->addStretch();
}

QCheckBox* CPicturePage::AddCheck(const QString& text, const QString& objectName, bool checked) {
    auto* check = new QCheckBox(text, this);
    check->setObjectName(objectName);
    check->setChecked(checked);
    return check;
}

PictureOptions CPicturePage::Values() const {
    return {m_showPicture->isChecked(), m_stretchHeight->isChecked(), m_stretchWidth->isChecked()};
}

void CPicturePage::keyPressEvent(QKeyEvent* event) {
    // Return in the page confirms the page only; the dialog stays open.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
