// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "view/PageLayout.h"

class CViewPage;
class QPrinter;
class QWidget;

// Printing the page on paper or into a PDF file, and the printer the Print,
// Print Preview and Print Setup commands share. The paper gets a layout of
// its own at print size, without the picture, centred on the paper; the
// window's layout stays as it is.
class CViewPrinting {
public:
    using Report = std::function<void(const QString& text)>;

    // `parent`, `page` and `settings` must outlive the printing.
    CViewPrinting(QWidget& parent, const CViewPage& page, const ViewSettings& settings,
                  Report report);
    ~CViewPrinting();

    // The print dialog for one page, then the page on the chosen printer.
    void RunPrintDialog();
    void RunPreview();
    void RunPageSetup();
    // False (and a message) when the printer cannot be written to.
    bool Print(QPrinter& printer) const;
    bool PrintToPdf(const QString& fileName) const;

private:
    QPrinter& Printer();
    PageFonts PrintFonts(int height) const;

    QWidget& m_parent;
    const CViewPage& m_page;
    const ViewSettings& m_settings;
    Report m_report;
    std::unique_ptr<QPrinter> m_printer;
};
