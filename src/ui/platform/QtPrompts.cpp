// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/QtPrompts.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>

#include "ui/MessageBox.h"

void CQtPrompts::ShowMessage(const QString& text, const QString& caption) {
    CMessageBox box(text, caption, m_parent);
    box.exec();
}

QString CQtPrompts::AskOpenFileName(const OpenFileRequest& request) {
    QFileDialog dialog(m_parent, QString(), request.folder, request.filter);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

std::optional<bool> CQtPrompts::AskYesNo(const QString& question, const QString& caption,
                                         DefaultAnswer defaultAnswer) {
    QMessageBox box(QMessageBox::Question, caption, question,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(defaultAnswer == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
    const int answer = box.exec();
    if (answer == QMessageBox::Cancel)
        return std::nullopt;
    return answer == QMessageBox::Yes;
}

std::optional<ColourRef> CQtPrompts::AskColour(ColourRef initial) {
    const QColor chosen =
        QColorDialog::getColor(QColor(RedOf(initial), GreenOf(initial), BlueOf(initial)), m_parent);
    if (!chosen.isValid())
        return std::nullopt;
    return Rgb(chosen.red(), chosen.green(), chosen.blue());
}

std::optional<FontChoice> CQtPrompts::AskFont(const FontChoice& initial) {
    QFont font(initial.face);
    font.setPixelSize(qMax(1, qAbs(initial.height)));
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, m_parent);
    if (!ok)
        return std::nullopt;
    // A pixel size is a character height: stored negative, as the settings expect.
    const int pixels =
        chosen.pixelSize() > 0 ? chosen.pixelSize() : qRound(chosen.pointSizeF() * 96.0 / 72.0);
    // Qt's font dialog offers no colour, so the text colour stays as it was.
    return FontChoice{chosen.family(), -pixels, initial.colour};
}
