// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MessageBox.h"

#include <algorithm>

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>
#include <QtMath>

#include "platform/MessageBoxText.h"
#include "ui/CaptionWidth.h"

namespace {
// Room the window manager takes for the title bar above the box.
constexpr int kTitleBarHeight = 40;
constexpr int kMinimumTextWidth = 160;

int WidestLine(const QPlainTextEdit& edit) {
    const QFontMetrics metrics(edit.font());
    int widest = 0;
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next())
        widest = qMax(widest, metrics.horizontalAdvance(block.text()));
    return widest;
}
}  // namespace

CMessageBox::CMessageBox(const QString& text, const QString& caption, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("messageBox"));
    setWindowTitle(caption);
    BuildControls(text);
    FitToScreen(caption);
}

void CMessageBox::BuildControls(const QString& text) {
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("messageText"));
    m_text->setReadOnly(true);
    m_text->setFrameShape(QFrame::NoFrame);
    m_text->setPlainText(FitMessageBoxText(text));
    // Drawn on the box's own background, as a message is, not as a field.
    m_text->viewport()->setAutoFillBackground(false);
    m_text->setAutoFillBackground(false);
    m_text->setFocusPolicy(Qt::NoFocus);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
}

QRect CMessageBox::AvailableArea() const {
    const QWidget* owner = parentWidget();
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
}

// The text's share of the width: its widest line, at least the caption's
// width, at most three quarters of the screen (longer lines wrap).
int CMessageBox::TextWidth(const QRect& area, const QString& caption) const {
    const QMargins margins = layout()->contentsMargins();
    const int sides = margins.left() + margins.right();
    const int captionWidth = CaptionWidth(*this, caption) - sides;
    const int widest = WidestLine(*m_text) + TextPadding();
    const int most = qMax(captionWidth, area.width() * 3 / 4 - sides);
    return std::min(std::max({kMinimumTextWidth, captionWidth, widest}), most);
}

// The text's share of the height: all of its lines as the box wraps them,
// at most what leaves the OK button and the title bar on the screen.
int CMessageBox::TextHeight(const QRect& area, int width) const {
    const QMargins margins = layout()->contentsMargins();
    const int buttonRow = m_ok->sizeHint().height() + layout()->spacing();
    const int most = area.height() - kTitleBarHeight - buttonRow - margins.top() - margins.bottom();
    const QFontMetrics metrics(m_text->font());
    const int lineWidth = qMax(1, width - TextPadding());
    int lines = 0;
    for (QTextBlock block = m_text->document()->begin(); block.isValid(); block = block.next())
        lines += 1 + metrics.horizontalAdvance(block.text()) / lineWidth;
    const int wanted = lines * metrics.lineSpacing() + TextPadding();
    return qMax(metrics.lineSpacing(), qMin(wanted, most));
}

int CMessageBox::TextPadding() const {
    return 2 * qCeil(m_text->document()->documentMargin()) +
           m_text->verticalScrollBar()->sizeHint().width();
}

void CMessageBox::FitToScreen(const QString& caption) {
    const QRect area = AvailableArea();
    const int width = TextWidth(area, caption);
    m_text->setFixedSize(width, TextHeight(area, width));
    adjustSize();
}
