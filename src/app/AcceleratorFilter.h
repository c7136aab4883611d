// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// The accelerator table at work: a key of the table pressed anywhere in the
// main window runs its command, whether or not the menu bar is shown, and
// before the menu bar's access keys (Alt+F is Fonts, not the File menu).
// Keys whose command is not offered pass on untouched. Installed on the
// application so that it sees the keys before any widget does.
class CAcceleratorFilter : public QObject {
    Q_OBJECT
public:
    using CommandFilter = std::function<bool(int id)>;
    using CommandSink = std::function<void(int id)>;

    CAcceleratorFilter(QWidget& window, CommandFilter isOffered, CommandSink onCommand,
                       QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int CommandFor(QObject* watched, const QKeyEvent& key) const;

    QWidget& m_window;
    CommandFilter m_isOffered;
    CommandSink m_onCommand;
};
