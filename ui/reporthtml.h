#pragma once

#include <QString>

struct DesignReport;

// The report as rich text: its title, the circuit's caption and, from the document resource at
// pictureUrl, its picture; the inputs and the results as small tables; then each result's notes
// and, once, what the worst case assumes.
QString reportHtml(const DesignReport &report, const QString &pictureUrl);
