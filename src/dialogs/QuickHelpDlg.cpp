// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/QuickHelpDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/SettingsKeys.h"
#include "ui/CaptionWidth.h"
#include "ui/DialogPosition.h"

CQuickHelpDlg::CQuickHelpDlg(const CSettingsHelper& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(QStringLiteral("quickHelpDialog"));
    setWindowTitle(tr("Quick Help"));
    BuildControls();
    RestoreDialogPosition(*this, m_settings, Key::QuickHelpDialogRect);
}

// The texts are English; the dialog translates them as it shows them.
const QStringList& CQuickHelpDlg::KeyLines() {
    static const QStringList lines{
        QString::fromLatin1(QT_TR_NOOP("Alt + M\tMenus- Remove or Restore")),
        QString::fromLatin1(QT_TR_NOOP("Alt + F\t Fonts")),
        QString::fromLatin1(QT_TR_NOOP("Alt + B\tBackground Colour")),
        QString::fromLatin1(QT_TR_NOOP("Alt + T\tText Colour")),
        QString::fromLatin1(QT_TR_NOOP("Alt + H\tHelp")),
        QString::fromLatin1(QT_TR_NOOP("Alt + A \tAbout this application")),
        QString::fromLatin1(QT_TR_NOOP("Alt + D\tDiary Entry")),
        QString::fromLatin1(QT_TR_NOOP("Alt + C\tCheck Diary")),
        QString::fromLatin1(QT_TR_NOOP("Alt + Y\tYear View")),
    };
    return lines;
}

const std::vector<std::pair<QString, QString>>& CQuickHelpDlg::ArrowKeys() {
    static const std::vector<std::pair<QString, QString>> pairs{
        {QString::fromLatin1(QT_TR_NOOP("Alt + Left")),
         QString::fromLatin1(QT_TR_NOOP("Previous Month"))},
        {QString::fromLatin1(QT_TR_NOOP("Alt + Right")),
         QString::fromLatin1(QT_TR_NOOP("Next Month"))},
        {QString::fromLatin1(QT_TR_NOOP("Alt + Down")),
         QString::fromLatin1(QT_TR_NOOP("This Month"))},
        {QString::fromLatin1(QT_TR_NOOP("Alt + Up")),
         QString::fromLatin1(QT_TR_NOOP("Always On Top"))},
    };
    return pairs;
}

std::vector<std::pair<QString, QString>> CQuickHelpDlg::CursorKeys() {
    return {
        {tr("Arrow keys"), tr("Move the focus day by a day or a week")},
        {tr("Page Up / Page Down"), tr("Same day of the previous or next month")},
        {tr("Home"), tr("Today")},
        {tr("Return or Space"), tr("New diary entry for the focus day")},
        {tr("Ctrl + Return"), tr("The focus day's diary entries")},
        {tr("Menu or Shift + F10"), tr("Menu for the focus day")},
        {tr("Ctrl + arrow keys"), tr("Scroll the page")},
        {tr("Ctrl + Page Up / Page Down"), tr("Scroll the page up or down")},
        {tr("Ctrl + Home / End"), tr("Scroll to the top left or bottom right")},
    };
}

void CQuickHelpDlg::BuildControls() {
    auto* keys = new QGridLayout;
    int row = 0;
    for (const QString& english : KeyLines()) {
        const QString line = tr(english.toLatin1().constData());
        // The tab separates key and meaning; a label would draw it as a blank.
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        keys->addWidget(new QLabel(line.left(tab), this), row, 0);
        keys->addWidget(new QLabel(line.mid(tab + 1), this), row, 1);
        ++row;
    }

    auto* arrows = new QGroupBox(tr("Arrow Keys"), this);
    arrows->setObjectName(QStringLiteral("arrowKeysFrame"));
    auto* arrowGrid = new QGridLayout(arrows);
    row = 0;
    for (const auto& [key, meaning] : ArrowKeys()) {
        arrowGrid->addWidget(new QLabel(tr(key.toLatin1().constData()), arrows), row, 0);
        arrowGrid->addWidget(new QLabel(tr(meaning.toLatin1().constData()), arrows), row, 1);
        ++row;
    }

    auto* cursor = new QGroupBox(tr("Day Cursor"), this);
    cursor->setObjectName(QStringLiteral("cursorKeysFrame"));
    auto* cursorGrid = new QGridLayout(cursor);
    row = 0;
    for (const auto& [key, meaning] : CursorKeys()) {
        cursorGrid->addWidget(new QLabel(key, cursor), row, 0);
        cursorGrid->addWidget(new QLabel(meaning, cursor), row, 1);
        ++row;
    }

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(keys);
    layout->addWidget(arrows);
    layout->addWidget(cursor);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    WidenToCaption(*this, *layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CQuickHelpDlg::done(int result) {
    SaveDialogPosition(*this, m_settings, Key::QuickHelpDialogRect);
    QDialog::done(result);
}
