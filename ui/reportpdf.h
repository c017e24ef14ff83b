#pragma once

#include <QString>

#include <optional>

class QTextDocument;

// Writes the document, with its pictures, as a PDF on A4 pages to the file at path: whole, or
// not at all, leaving whatever the path held as it was. Returns the system's reason where it
// could not.
std::optional<QString> writePdf(const QTextDocument &document, const QString &path);
