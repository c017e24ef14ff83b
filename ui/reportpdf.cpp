#include "reportpdf.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <memory>

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
        // A copy laid out on the pages; the view keeps its own layout.
        const std::unique_ptr<QTextDocument> pages(document.clone());
        pages->print(&writer);
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
