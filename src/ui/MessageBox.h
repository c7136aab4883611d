// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// A message box with a single OK button that always fits on its screen: a
// text taller or wider than the screen allows scrolls inside the box, only
// the first lines of a very long text are shown, and the box is at least as
// wide as its caption so that the caption is never cut.
class CMessageBox : public QDialog {
    Q_OBJECT
public:
    CMessageBox(const QString& text, const QString& caption, QWidget* parent = nullptr);

private:
    void BuildControls(const QString& text);
    void FitToScreen(const QString& caption);
    QRect AvailableArea() const;
    int TextWidth(const QRect& area, const QString& caption) const;
    int TextHeight(const QRect& area, int width) const;
    // The room around the lines: document margins and a scroll bar.
    int TextPadding() const;

    QPlainTextEdit* m_text = nullptr;
    QPushButton* m_ok = nullptr;
};
