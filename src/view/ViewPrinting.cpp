// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ViewPrinting.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "view/ViewFonts.h"
#include "view/ViewPage.h"

namespace {
// Character heights of the printed page in printer dots: the month page
// fills a good part of the paper, the year grid fits on it.
constexpr int kMonthPrintHeight = -96;
constexpr int kYearPrintHeight = -32;
// At this resolution the print heights above give a page of a few inches.
constexpr int kPrintResolution = 300;
}  // namespace

CViewPrinting::CViewPrinting(QWidget& parent, const CViewPage& page, const ViewSettings& settings,
                             Report report)
    : m_parent(parent), m_page(page), m_settings(settings), m_report(std::move(report)) {}

CViewPrinting::~CViewPrinting() = default;

QPrinter& CViewPrinting::Printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setResolution(kPrintResolution);
        m_printer->setFullPage(false);
    }
    return *m_printer;
}

void CViewPrinting::RunPrintDialog() {
    QPrinter& printer = Printer();
    QPrintDialog dialog(&printer, &m_parent);
    // One page only.
    dialog.setMinMax(1, 1);
    if (dialog.exec() == QDialog::Accepted)
        Print(printer);
}

void CViewPrinting::RunPreview() {
    QPrintPreviewDialog preview(&Printer(), &m_parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &m_parent,
                     [this](QPrinter* printer) { Print(*printer); });
    preview.exec();
}

void CViewPrinting::RunPageSetup() {
    QPageSetupDialog dialog(&Printer(), &m_parent);
    dialog.exec();
}

PageFonts CViewPrinting::PrintFonts(int height) const {
    FontSpec spec = m_settings.font;
    spec.height = height;
    // Days that carry both an entry and a holiday print at the page's size
    // too, not as screen-sized specks among print-sized numbers.
    return {MakeViewFont(spec, FontStyle::Regular), MakeViewFont(spec, FontStyle::Heading),
            MakeViewFont(spec, FontStyle::Bold)};
}

bool CViewPrinting::Print(QPrinter& printer) const {
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_report(
            printer.outputFileName().isEmpty()
                ? QCoreApplication::translate("CViewPrinting", "The page could not be printed.")
                : QCoreApplication::translate("CViewPrinting", "Cannot write the file %1.")
                      .arg(printer.outputFileName()));
        return false;
    }
    const PageFonts fonts = PrintFonts(m_settings.yearView ? kYearPrintHeight : kMonthPrintHeight);
    const int monthGap =
        MeasurePageText(fonts.regular, &printer, kYearMonthLines, m_page.Week()).cellWidth;

    CPageLayout layout;
    layout.Build(m_page.LayoutInput(&printer, fonts, monthGap));

    // Centre the page block on the paper, measured with the printer's own font first.
    const int paperLineHeight = QFontMetrics(painter.font(), &printer).lineSpacing();
    PageSize block = layout.Block();
    if (m_settings.yearView)
        block.height += 2 * paperLineHeight;
    const PagePoint origin =
        PrintViewportOrigin({printer.width(), printer.height()}, m_page.ClientSize(), block);
    painter.translate(origin.x, origin.y);

    // The picture is never printed.
    m_page.Draw(painter, QRect(-origin.x, -origin.y, printer.width(), printer.height()), layout,
                fonts, false);
    painter.end();
    return true;
}

bool CViewPrinting::PrintToPdf(const QString& fileName) const {
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(kPrintResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    return Print(printer);
}
