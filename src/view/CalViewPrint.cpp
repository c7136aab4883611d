// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFontMetrics>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "platform/Prompts.h"
#include "view/CalView.h"
#include "view/ViewFonts.h"

namespace {
// Character heights of the printed page in printer dots: the month page
// fills a good part of the paper, the year grid fits on it.
constexpr int kMonthPrintHeight = -96;
constexpr int kYearPrintHeight = -32;
// At this resolution the print heights above give a page of a few inches.
constexpr int kPrintResolution = 300;

const QString kPrintCaption = QStringLiteral("Calendar");
}  // namespace

QPrinter& CCalView::Printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setResolution(kPrintResolution);
        m_printer->setFullPage(false);
    }
    return *m_printer;
}

void CCalView::OnPrintCommand() {
    QPrinter& printer = Printer();
    QPrintDialog dialog(&printer, this);
    // One page only.
    dialog.setMinMax(1, 1);
    if (dialog.exec() == QDialog::Accepted)
        OnPrint(printer);
}

void CCalView::OnPrintPreview() {
    QPrintPreviewDialog preview(&Printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { OnPrint(*printer); });
    preview.exec();
}

void CCalView::OnPrintSetup() {
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}

PageFonts CCalView::PrintFonts(int height) const {
    FontSpec spec = m_fontSpec;
    spec.height = height;
    // Days that carry both an entry and a holiday print at the page's size
    // too, not as screen-sized specks among print-sized numbers.
    return {MakeViewFont(spec, FontStyle::Regular), MakeViewFont(spec, FontStyle::Heading),
            MakeViewFont(spec, FontStyle::Bold)};
}

bool CCalView::OnPrint(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        ReportError(
            printer.outputFileName().isEmpty()
                ? QStringLiteral("The page could not be printed.")
                : QStringLiteral("Cannot write the file %1.").arg(printer.outputFileName()));
        return false;
    }
    const PageFonts fonts = PrintFonts(m_settings.yearView ? kYearPrintHeight : kMonthPrintHeight);
    const int monthGap = MeasurePageText(fonts.regular, &printer, kYearMonthLines).cellWidth;

    // The paper gets a layout of its own; the window's stays as it is.
    CPageLayout layout;
    layout.Build(m_page.LayoutInput(&printer, fonts, monthGap));

    // Centre the page block on the paper, measured with the printer's own font first.
    const int paperLineHeight = QFontMetrics(painter.font(), &printer).lineSpacing();
    PageSize block = layout.Block();
    if (m_settings.yearView)
        block.height += 2 * paperLineHeight;
    const PagePoint origin = PrintViewportOrigin(
        {printer.width(), printer.height()}, {viewport()->width(), viewport()->height()}, block);
    painter.translate(origin.x, origin.y);

    // The picture is never printed.
    m_page.Draw(painter, QRect(-origin.x, -origin.y, printer.width(), printer.height()), layout,
                fonts, false);
    painter.end();
    return true;
}

bool CCalView::PrintToPdf(const QString& fileName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(kPrintResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    return OnPrint(printer);
}
