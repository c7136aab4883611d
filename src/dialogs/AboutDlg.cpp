// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/AboutDlg.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "settings/SettingsKeys.h"
#include "ui/CaptionWidth.h"
#include "ui/DialogPosition.h"

namespace {
QLabel* IconLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap(QStringLiteral(":/images/plenda.png")));
    return label;
}
}  // namespace

CAboutDlg::CAboutDlg(const CSettingsHelper& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About Calendar"));
    Q_INIT_RESOURCE(plenda);
    BuildControls();
    RestoreDialogPosition(*this, m_settings, Key::AboutDialogRect);
}

QString CAboutDlg::MakerAddress() {
    return QStringLiteral(PLENDA_HOME_PAGE);
}

void CAboutDlg::BuildControls() {
    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel(tr("Calendar Version 1.0"), this));
    texts->addWidget(new QLabel(tr("Plenda, a desk calendar and diary"), this));
    texts->addWidget(new QLabel(tr("Made by Quenmor"), this));
    texts->addWidget(new QLabel(tr("Free software: use it, share it, improve it."), this));
    texts->addWidget(new QLabel(tr("News, help and updates on the web:"), this));

    auto* link = new QPushButton(MakerAddress(), this);
    link->setObjectName(QStringLiteral("makerLink"));
    link->setFlat(true);
    link->setAutoDefault(false);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline; border: none"));
    connect(link, &QPushButton::clicked, this, &CAboutDlg::OpenMakerAddress);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(IconLabel(this), 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    top->addWidget(ok, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(link, 0, Qt::AlignHCenter);
    WidenToCaption(*this, *layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CAboutDlg::OpenMakerAddress() {
    // A browser that fails to start is not worth a message: the address is on show.
    QDesktopServices::openUrl(QUrl(MakerAddress()));
}

void CAboutDlg::done(int result) {
    SaveDialogPosition(*this, m_settings, Key::AboutDialogRect);
    QDialog::done(result);
}
