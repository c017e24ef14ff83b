#pragma once

#include <QString>

#include <optional>

class QTextDocument;

// Writes the document, with its pictures, as a PDF on A4 pages to the file at path: whole, or
// not at all, leaving whatever the path held as it was. At each page's foot: the document's
// title, dated (the date and time of the design), and "pagina 1 di 3". Returns the system's
// reason where it could not.
std::optional<QString>
writePdf(const QTextDocument &document, const QString &path, const QString &dated = {});
