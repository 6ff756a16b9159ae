#include "platform/PrintedPages.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <vector>

namespace mox {

namespace {

constexpr qreal kTextPoints = 9;
constexpr qreal kTitlePoints = 12;
constexpr qreal kRowSpacing = 1.45;  // row height as a share of the text height

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Each column as wide as its widest cell plus a gap, all of them narrowed together when the table
// would not fit the page.
std::vector<qreal> ColumnWidths(const PrintedPage& page, const QFontMetricsF& metrics, qreal pageWidth) {
    std::vector<qreal> widths;
    for (const auto& row : page.Rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], metrics.horizontalAdvance(Q(row[i])) + metrics.height());
    }
    qreal total = 0;
    for (qreal width : widths)
        total += width;
    if (total > pageWidth) {
        for (qreal& width : widths)
            width *= pageWidth / total;
    }
    return widths;
}

// The rows are drawn closer together where the table would otherwise run into the page number.
void PaintTable(QPainter& painter, const PrintedPage& page, qreal top, const QSizeF& area) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const std::vector<qreal> widths = ColumnWidths(page, metrics, area.width());
    const qreal room = area.height() - top - 2 * metrics.height();
    const qreal rowHeight =
        std::min(metrics.height() * kRowSpacing, room / std::max<qreal>(1, page.Rows.size()));
    qreal y = top;
    for (std::size_t r = 0; r < page.Rows.size(); ++r) {
        qreal x = 0;
        for (std::size_t i = 0; i < page.Rows[r].size(); ++i) {
            const QRectF cell(x, y, widths[i], rowHeight);
            painter.drawText(cell.adjusted(metrics.height() / 4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             Q(page.Rows[r][i]));
            x += widths[i];
        }
        y += rowHeight;
        if (r == 0)
            painter.drawLine(QPointF(0, y), QPointF(x, y));
    }
}

void PaintPage(QPainter& painter, const PrintedDocument& document, std::size_t index, const QRectF& area) {
    const PrintedPage& page = document.Pages[index];
    QFont font = painter.font();
    font.setPointSizeF(kTextPoints);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    painter.drawText(QRectF(0, 0, area.width(), metrics.height()), Qt::AlignLeft, Q(document.Heading));
    const QString number = Q(document.PageNumberText)
                               .replace("{0}", QString::number(index + 1))
                               .replace("{1}", QString::number(document.Pages.size()));
    painter.drawText(QRectF(0, area.height() - metrics.height(), area.width(), metrics.height()),
                     Qt::AlignRight, number);
    QFont titleFont = font;
    titleFont.setPointSizeF(kTitlePoints);
    titleFont.setBold(true);
    painter.setFont(titleFont);
    const QFontMetricsF titleMetrics(titleFont, painter.device());
    const qreal titleTop = metrics.height() * 2;
    painter.drawText(QRectF(0, titleTop, area.width(), titleMetrics.height()), Qt::AlignLeft, Q(page.Title));
    painter.setFont(font);
    PaintTable(painter, page, titleTop + titleMetrics.height() * 1.5, area.size());
}

}  // namespace

void PaintPrintedDocument(const PrintedDocument& document, QPagedPaintDevice& device) {
    QPainter painter(&device);
    // The device's size is the part of the page inside the margins; the painter starts at its corner.
    const QRectF area(0, 0, device.width(), device.height());
    for (std::size_t i = 0; i < document.Pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        PaintPage(painter, document, i, area);
    }
}

QByteArray PrintedDocumentPdf(const PrintedDocument& document, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(title);
        writer.setCreator("moxcps");
        PaintPrintedDocument(document, writer);
    }
    return bytes;
}

}  // namespace mox
