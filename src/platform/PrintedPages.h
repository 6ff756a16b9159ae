#pragma once

#include <QByteArray>
#include <QPagedPaintDevice>

#include "exchange/PrintedDocument.h"

namespace mox {

// Paints the document onto a paged device, a PDF writer or a printer: the heading, the page's title,
// its table with a rule under the column titles, and the page number at the foot.
void PaintPrintedDocument(const PrintedDocument& document, QPagedPaintDevice& device);

// The document as the bytes of a PDF file on A4 paper.
QByteArray PrintedDocumentPdf(const PrintedDocument& document, const QString& title);

}  // namespace mox
