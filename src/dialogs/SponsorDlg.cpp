// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/SponsorDlg.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "ui/DialogPosition.h"

namespace {
constexpr int kBannerWidth = 166;
constexpr int kBannerHeight = 628;

// The texts lie on the picture: no background of their own, and clicks pass
// through to the dialog so that it can be dragged by them too.
QLabel* OverlayText(const QString& text, const char* colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent; font-weight: bold")
                             .arg(QLatin1String(colour)));
    return label;
}
}  // namespace

CSponsorDlg::CSponsorDlg(const CSettingsHelper& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_settings(settings) {
    setObjectName(QStringLiteral("sponsorDialog"));
    Q_INIT_RESOURCE(plenda);
    BuildControls();
    RestoreDialogPosition(*this, m_settings, Key::SponsorDialogRect);
}

QString CSponsorDlg::SponsorName() {
    return CSettingsHelper::GetBuiltIn(QStringLiteral("sponsor"));
}

QString CSponsorDlg::SponsorTown() {
    return QStringLiteral(PLENDA_SPONSOR_TOWN);
}

void CSponsorDlg::BuildControls() {
    setFixedSize(kBannerWidth, kBannerHeight);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("sponsorPicture"));
    picture->setPixmap(QPixmap(QStringLiteral(":/images/sponsor.png")));
    picture->setGeometry(0, 0, kBannerWidth, kBannerHeight);
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);

    QLabel* name = OverlayText(SponsorName(), "#ff0000", this);
    name->setObjectName(QStringLiteral("sponsorName"));
    name->setGeometry(4, 8, kBannerWidth - 8, 48);

    QLabel* town = OverlayText(SponsorTown(), "#ffff00", this);
    town->setObjectName(QStringLiteral("sponsorTown"));
    town->setGeometry(4, kBannerHeight - 84, kBannerWidth - 8, 40);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    ok->setGeometry((kBannerWidth - 40) / 2, kBannerHeight - 32, 40, 22);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CSponsorDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_dragger.Begin(*this, event->globalPosition().toPoint());
    QDialog::mousePressEvent(event);
}

void CSponsorDlg::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        m_dragger.Follow(event->globalPosition().toPoint());
    QDialog::mouseMoveEvent(event);
}

void CSponsorDlg::mouseReleaseEvent(QMouseEvent* event) {
    m_dragger.End();
    QDialog::mouseReleaseEvent(event);
}

void CSponsorDlg::done(int result) {
    SaveDialogPosition(*this, m_settings, Key::SponsorDialogRect);
    QDialog::done(result);
}
