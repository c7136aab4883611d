// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/YearViewPage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>

#include "dialogs/core/OptionsChecks.h"
#include "platform/Prompts.h"

CYearViewPage::CYearViewPage(const CSettingsHelper& settings, IPrompts& prompts, QWidget* parent)
    : QWidget(parent), m_prompts(prompts) {
    setObjectName(QStringLiteral("yearViewPage"));
    const YearViewOptions stored = LoadYearViewOptions(settings);
    m_yearViewCheck = new QCheckBox(tr("   Year View"), this);
    m_yearViewCheck->setObjectName(QStringLiteral("yearViewCheck"));
    m_yearViewCheck->setChecked(stored.yearView);
    m_acrossEdit = new QLineEdit(stored.monthsAcross, this);
    m_acrossEdit->setObjectName(QStringLiteral("monthsAcrossEdit"));
    m_downEdit = new QLineEdit(stored.monthsDown, this);
    m_downEdit->setObjectName(QStringLiteral("monthsDownEdit"));

    auto* form = new QFormLayout(this);
    form->addRow(m_yearViewCheck);
    form->addRow(tr("Months &Across (1 - 12)"), m_acrossEdit);
    form->addRow(tr("Months &Down (1 - 12)"), m_downEdit);
}

YearViewOptions CYearViewPage::Values() const {
    return {m_yearViewCheck->isChecked(), m_acrossEdit->text(), m_downEdit->text()};
}

void CYearViewPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const QString message = YearViewPageMessage(m_acrossEdit->text(), m_downEdit->text());
    if (!message.isEmpty())
        m_prompts.ShowMessage(message, QCoreApplication::translate("COptionsDlg", kRetryCaption));
}
