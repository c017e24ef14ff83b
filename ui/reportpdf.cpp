#include "reportpdf.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "nominal/messages.h"
#include "textview.h"

namespace {

// A stretch of the laid-out document that must not be split by a page's end: from the top of
// the block `first` down to `end`. Where it is, `first` starts a page of its own.
struct KeptTogether
{
    QTextBlock first;
    qreal top;
    qreal end;
};

bool holdsImage(const QTextBlock &block)
{
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat())
            return true;
    return false;
}

// As the document is laid out now: each table's title with the table's heading rows and its
// first row under them, each picture whole with its caption above it.
std::vector<KeptTogether> keptTogether(const QTextDocument &document)
{
    const QAbstractTextDocumentLayout *layout = document.documentLayout();
    const auto top = [layout](const QTextBlock &block) {
        return layout->blockBoundingRect(block).top();
    };
    std::vector<KeptTogether> kept;
    QTextBlock before; // the paragraph just above, if the last thing seen was one
    for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (const auto *table = qobject_cast<const QTextTable *>(it.currentFrame())) {
            const int firstRow = std::min(table->format().headerRowCount(), table->rows() - 1);
            const QTextBlock row = table->cellAt(firstRow, 0).firstCursorPosition().block();
            if (before.isValid() && row.isValid())
                kept.push_back({before, top(before), top(row)});
            before = QTextBlock();
        } else if (const QTextBlock block = it.currentBlock(); block.isValid()) {
            if (holdsImage(block)) {
                const QTextBlock first = before.isValid() ? before : block;
                // Its last device pixel: the next page begins where the picture ends.
                kept.push_back({first, top(first), layout->blockBoundingRect(block).bottom() - 1});
            }
            before = block;
        }
    }
    return kept;
}

// The document laid out again from its start, on pages of the size it has.
void layOutAgain(QTextDocument &document)
{
    document.setPageSize(document.pageSize());
}

// Moves to the top of a new page each title that would stand at the foot of a page without its
// table's first rows, and each picture that would be cut, with its caption. A stretch taller
// than a page stays where it is: it is cut anyway.
void keepTogether(QTextDocument &document)
{
    const qreal pageHeight = document.pageSize().height();
    const auto page = [pageHeight](qreal y) { return std::floor(y / pageHeight); };
    const auto split = [&](const KeptTogether &stretch) {
        return page(stretch.top) != page(stretch.end) && stretch.end - stretch.top < pageHeight
               && !(stretch.first.blockFormat().pageBreakPolicy()
                    & QTextFormat::PageBreak_AlwaysBefore);
    };
    // Each pass gives one more block a page of its own, the first split one, since moving it
    // moves everything after it: at most as many passes as there are stretches.
    const std::size_t stretches = keptTogether(document).size();
    for (std::size_t pass = 0; pass < stretches; ++pass) {
        const std::vector<KeptTogether> kept = keptTogether(document);
        const auto first = std::find_if(kept.begin(), kept.end(), split);
        if (first == kept.end())
            return;
        QTextBlockFormat format = first->first.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(first->first).setBlockFormat(format);
        layOutAgain(document);
    }
}

// The line at a page's foot: the page's number on the right, the date before it, and the title on
// the left, cut short where it would reach them.
void drawFoot(QPainter &painter,
              const QRectF &band,
              const QString &title,
              const QString &dated,
              const QString &number)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal gap = 3 * metrics.averageCharWidth();
    QRectF rest = band;
    for (const QString &text : {number, dated}) {
        if (text.isEmpty())
            continue;
        painter.drawText(rest, Qt::AlignRight | Qt::AlignBottom, text);
        rest.setRight(rest.right() - metrics.horizontalAdvance(text) - gap);
    }
    if (rest.width() > 0)
        painter.drawText(rest,
                         Qt::AlignLeft | Qt::AlignBottom,
                         metrics.elidedText(title, Qt::ElideRight, rest.width()));
}

// Draws the laid-out document page by page, each with its foot in the band under it.
void drawPages(const QTextDocument &document,
               QPdfWriter &writer,
               qreal footerHeight,
               const QString &dated)
{
    const QSizeF pageSize = document.pageSize();
    const int pages = document.pageCount();
    const QString title = document.metaInformation(QTextDocument::DocumentTitle);
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
        drawFoot(painter,
                 QRectF(0, pageSize.height(), pageSize.width(), footerHeight),
                 title,
                 dated,
                 fromView(Messages::fill(Messages::Report::paginaDiPagine,
                                         {viewOf(number), viewOf(count)})));
    }
}

} // namespace

std::optional<QString>
writePdf(const QTextDocument &document, const QString &path, const QString &dated)
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
        // Two lines of the text's font under each page for its foot.
        const qreal footerHeight = 2 * QFontMetricsF(pages->defaultFont(), &writer).height();
        pages->setPageSize(QSizeF(paper.width(), paper.height() - footerHeight));
        keepTogether(*pages);
        drawPages(*pages, writer, footerHeight, dated);
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
