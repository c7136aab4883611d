// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/FindDlg.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/core/FindChoice.h"
#include "diary/DatePattern.h"
#include "platform/DateOrder.h"
#include "settings/SettingsKeys.h"
#include "ui/DialogPosition.h"

namespace {
// The layout is given in dialog units of an 8-point face: 4 units across
// make 6 pixels, 8 units down 13.
QRect DialogUnits(int x, int y, int width, int height) {
    return QRect(x * 6 / 4, y * 13 / 8, width * 6 / 4, height * 13 / 8);
}

template <typename Widget>
Widget* Place(Widget* widget, const QRect& rect) {
    widget->setGeometry(rect);
    return widget;
}
}  // namespace

CFindDlg::CFindDlg(const CSettingsHelper& settings, const IDateOrder& dateOrder, IPrompts& prompts,
                   QWidget* parent)
    : QDialog(parent), m_settings(settings), m_dateOrder(dateOrder), m_prompts(prompts) {
    setObjectName(QStringLiteral("findDialog"));
    setWindowTitle(tr("Find"));
    BuildControls();
}

void CFindDlg::BuildControls() {
    setFixedSize(DialogUnits(0, 0, 254, 66).size());
    auto* frame = Place(new QFrame(this), DialogUnits(6, 4, 196, 58));
    frame->setFrameShape(QFrame::Box);
    auto* findWhat = Place(new QLabel(tr("&Find What :"), this), DialogUnits(12, 14, 38, 8));
    m_searchEdit = Place(new QLineEdit(this), DialogUnits(54, 12, 138, 14));
    m_searchEdit->setObjectName(QStringLiteral("findWhatEdit"));
    findWhat->setBuddy(m_searchEdit);
    auto* lookIn = Place(new QLabel(tr("&Look In :"), this), DialogUnits(12, 44, 29, 8));
    m_lookInCombo = Place(new QComboBox(this), DialogUnits(54, 42, 108, 14));
    m_lookInCombo->setObjectName(QStringLiteral("lookInCombo"));
    lookIn->setBuddy(m_lookInCombo);
    m_lookInCombo->setEditable(true);
    m_lookInCombo->setInsertPolicy(QComboBox::NoInsert);
    for (const char* name : kFindFieldNames) m_lookInCombo->addItem(tr(name));

    auto* findNextButton =
        Place(new QPushButton(tr("Find Next"), this), DialogUnits(210, 4, 40, 14));
    findNextButton->setObjectName(QStringLiteral("findNextButton"));
    findNextButton->setDefault(true);
    auto* cancelButton = Place(new QPushButton(tr("Cancel"), this), DialogUnits(210, 21, 40, 14));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAutoDefault(false);
    connect(findNextButton, &QPushButton::clicked, this, &CFindDlg::FindNext);
    connect(cancelButton, &QPushButton::clicked, this, &CFindDlg::reject);
    setTabOrder(m_searchEdit, m_lookInCombo);
}

QString CFindDlg::SearchText() const {
    return m_searchEdit->text();
}

void CFindDlg::SetSearchText(const QString& text) {
    m_searchEdit->setText(text);
}

void CFindDlg::SetLookInIndex(int index) {
    m_lookInIndex = index;
    // An index outside the items leaves none selected.
    m_lookInCombo->setCurrentIndex(index >= 0 && index < m_lookInCombo->count() ? index : -1);
}

void CFindDlg::showEvent(QShowEvent* event) {
    // Reopened after every search, it comes back where it was last closed.
    RestoreDialogPosition(*this, m_settings, Key::FindDialogRect);
    QDialog::showEvent(event);
    m_searchEdit->setFocus();
}

void CFindDlg::done(int result) {
    SaveDialogPosition(*this, m_settings, Key::FindDialogRect);
    QDialog::done(result);
}

int CFindDlg::SelectedItem() const {
    // Typing into the combo's edit field can leave it naming no item.
    return m_lookInCombo->findText(m_lookInCombo->currentText(), Qt::MatchFixedString);
}

void CFindDlg::FindNext() {
    const int selected = SelectedItem();
    if (selected == static_cast<int>(FindField::Date)) {
        if (!ValidateDatePattern(SearchText(), m_dateOrder.Current(), m_prompts))
            return;
    }
    m_lookInIndex = static_cast<int>(FindFieldOfIndex(selected));
    accept();
}
