#include "reporthtml.h"

#include "designreport.h"
#include "messages.h"
#include "notestooltip.h"
#include "textview.h"

namespace {

namespace Note = Messages::Note;

QString heading(std::u16string_view text)
{
    return QStringLiteral("<p style=\"margin-top:10px; margin-bottom:2px\"><b>%1</b></p>")
        .arg(fromView(text).toHtmlEscaped());
}

// Name, value right-aligned, unit: "Vcc   12  [V]".
QString itemsTable(const std::vector<ReportItem> &items)
{
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
    for (const ReportItem &item : items)
        html += QStringLiteral("<tr><td>%1</td><td align=\"right\" style=\"padding-left:12px\">%2"
                               "</td><td style=\"padding-left:4px\">%3</td></tr>")
                    .arg(fromView(item.name).toHtmlEscaped(),
                         wrappingText(fromView(item.value)),
                         fromView(item.unit).toHtmlEscaped());
    return html + QStringLiteral("</table>");
}

} // namespace

QString reportHtml(const DesignReport &report, const QString &pictureUrl)
{
    QString html = QStringLiteral("<p style=\"margin-bottom:4px\"><b><big>%1</big></b></p>")
                       .arg(fromView(Note::titoloRelazione).toHtmlEscaped());
    html += QStringLiteral("<p>%1</p>").arg(fromView(report.byline()).toHtmlEscaped());
    html += notesTooltip(report.summary) + QStringLiteral("<hr>");
    html += QStringLiteral("<p>%1: %2</p><p><img src=\"%3\"></p>")
                .arg(fromView(Note::circuito).toHtmlEscaped(),
                     fromView(report.circuit).toHtmlEscaped(),
                     pictureUrl.toHtmlEscaped());
    html += heading(Note::datiInseriti) + itemsTable(report.inputs);
    html += heading(Note::risultati) + itemsTable(report.results);
    for (std::size_t i = 0; i < report.notes.size(); ++i)
        html += QStringLiteral("<hr>") + notesTooltip(report.notes[i], report.newLegend(i));
    if (!report.summary.assumptions.empty())
        html += heading(Note::ipotesi) + assumptionsHtml(report.summary.assumptions)
                + assumptionsHtml(report.settings);
    return html;
}
