// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextStream>

#include "platform/Prompts.h"

// The prompts of a command run from a terminal: a box's text goes to the
// stream, one line each, and every question is answered with "cancel".
class CStreamPrompts : public IPrompts {
public:
    explicit CStreamPrompts(QTextStream& stream) : m_stream(stream) {}

    void ShowMessage(const QString& text, const QString& caption) override;
    QString AskOpenFileName(const OpenFileRequest&) override { return QString(); }
    std::optional<bool> AskYesNo(const QString&, const QString&, DefaultAnswer) override {
        return std::nullopt;
    }
    std::optional<ColourRef> AskColour(ColourRef) override { return std::nullopt; }
    std::optional<FontChoice> AskFont(const FontChoice&) override { return std::nullopt; }

private:
    QTextStream& m_stream;
};
