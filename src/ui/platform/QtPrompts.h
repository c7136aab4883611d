// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Prompts.h"

class QWidget;

// The prompts as real Qt dialogs, owned by `parent` (may be null).
class CQtPrompts : public IPrompts {
public:
    explicit CQtPrompts(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    void ShowMessage(const QString& text, const QString& caption) override;
    QString AskOpenFileName(const OpenFileRequest& request) override;
    std::optional<bool> AskYesNo(const QString& question, const QString& caption,
                                 DefaultAnswer defaultAnswer) override;
    std::optional<ColourRef> AskColour(ColourRef initial) override;
    std::optional<FontChoice> AskFont(const FontChoice& initial) override;

private:
    QWidget* m_parent;
};
