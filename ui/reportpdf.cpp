#include "reportpdf.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <memory>

#include "nominal/messages.h"
#include "textview.h"

namespace {

// Draws the laid-out document page by page, each numbered "1 / 3" centred in the band under it.
void drawPages(const QTextDocument &document, QPdfWriter &writer, qreal footerHeight)
{
    const QSizeF pageSize = document.pageSize();
    const int pages = document.pageCount();
    QPainter painter(&writer);
    painter.setFont(document.defaultFont());
    QAbstractTextDocumentLayout::PaintContext context;
    // Black on the white paper, whatever the desktop's palette.
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        const QRectF page(QPointF(0, i * pageSize.height()), pageSize);
        painter.save();
        painter.translate(0, -page.top());
        painter.setClipRect(page);
        context.clip = page;
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        const QString number = QString::number(i + 1);
        const QString count = QString::number(pages);
        painter.drawText(QRectF(0, pageSize.height(), pageSize.width(), footerHeight),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         fromView(Messages::fill(Messages::Report::paginaDiPagine,
                                                 {viewOf(number), viewOf(count)})));
    }
}

} // namespace

std::optional<QString> writePdf(const QTextDocument &document, const QString &path)
{
    // Written beside the file and put in its place once whole: a failed write leaves nothing
    // half-written under the chosen name.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
        writer.setCreator(QCoreApplication::applicationName() + u' '
                          + QCoreApplication::applicationVersion());
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        // A copy laid out on the pages; the view keeps its own layout. Laid out for the writer,
        // fonts and lengths in pixels take its resolution.
        const std::unique_ptr<QTextDocument> pages(document.clone());
        pages->documentLayout()->setPaintDevice(&writer);
        const QRectF paper = writer.pageLayout().paintRectPixels(writer.resolution());
        // Two lines of the text's font under each page for its number.
        const qreal footerHeight = 2 * QFontMetricsF(pages->defaultFont(), &writer).height();
        pages->setPageSize(QSizeF(paper.width(), paper.height() - footerHeight));
        drawPages(*pages, writer, footerHeight);
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
