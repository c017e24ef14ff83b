#include "noteshtml.h"

#include <QFontMetrics>
#include <QToolTip>
#include <QUrl>

#include <algorithm>

#include "notes/designreport.h"
#include "textview.h"

namespace {

// A run without blanks longer than this may break anywhere.
constexpr qsizetype longestRun = 16;
// A cell of words up to this long stays on one line: a verdict, a part's name.
constexpr qsizetype shortWords = 24;

// A cell of the table: the first column and words on the left, the numbers right-aligned with
// room between the columns; a number kept whole on its line unless it is longer than a line.
QString cell(QStringView tag,
             const QString &text,
             std::size_t column,
             bool words = false,
             const QString &choice = {})
{
    QString html;
    html.reserve(80 + text.size());
    html.append(u'<').append(tag).append(column == 0 || words
                                             ? QStringView(u" align=\"left\" style=\"")
                                             : QStringView(u" align=\"right\" style=\""));
    if (column != 0)
        html.append(QStringView(u"padding-left:8px;"));
    if (text.size() <= (words ? shortWords : longestRun))
        html.append(QStringView(u"white-space:nowrap"));
    html.append(QStringView(u"\">"));
    // A cell that chooses: a link to its key.
    if (!choice.isEmpty())
        return html
            .append(QStringLiteral("<a href=\"%1:%2\">%3</a></")
                        .arg(choiceScheme,
                             QString::fromLatin1(QUrl::toPercentEncoding(choice)),
                             wrappingText(text)))
            .append(tag)
            .append(u'>');
    return html.append(wrappingText(text)).append(QStringView(u"</")).append(tag).append(u'>');
}

QString headingHtml(std::u16string_view text)
{
    return QStringLiteral("<p style=\"margin-top:10px; margin-bottom:2px\"><b>%1</b></p>")
        .arg(fromView(text).toHtmlEscaped());
}

// Name, value, unit, and the text typed where it reads otherwise: "Vcc   12  [V]". The values
// line up on their decimal points: the whole part right-aligned, the rest in a cell after it. A
// row without a text typed ends at its unit: a table's last cell left empty would draw the rule
// after the table beside its last row.
QString itemsTable(const std::vector<ReportItem> &items)
{
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
    for (const ReportItem &item : items) {
        const QString value = fromView(item.value);
        qsizetype whole = value.startsWith(u'-') ? 1 : 0;
        while (whole < value.size() && value[whole].isDigit())
            ++whole;
        if (whole == 0 || (whole == 1 && value.startsWith(u'-')))
            whole = value.size(); // not a number: whole in the first cell
        html += QStringLiteral("<tr><td>%1</td><td align=\"right\" style=\"padding-left:12px; "
                               "padding-right:0\">%2</td><td style=\"padding-left:0\">%3</td>"
                               "<td style=\"padding-left:4px\">%4</td>")
                    .arg(fromView(item.name).toHtmlEscaped(),
                         wrappingText(value.first(whole)),
                         wrappingText(value.sliced(whole)),
                         fromView(item.unit).toHtmlEscaped());
        if (!item.typed.empty())
            html += QStringLiteral("<td style=\"padding-left:8px\">%1</td>")
                        .arg(wrappingText(fromView(item.typed)));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

QString assumptionsHtml(const std::vector<std::u16string> &assumptions)
{
    QString html;
    for (const std::u16string &line : assumptions)
        html += QStringLiteral("<p style=\"margin-top:4px; margin-bottom:0\">%1</p>")
                    .arg(wrappingText(fromView(line)));
    return html;
}

QString wrappingText(const QString &text)
{
    // Most texts have neither a run that long nor a character to escape: they stand as they are.
    qsizetype longest = 0;
    bool plain = true;
    for (qsizetype i = 0, run = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        run = c.isSpace() ? 0 : run + 1;
        longest = std::max(longest, run);
        plain = plain && c != u'<' && c != u'>' && c != u'&' && c != u'"';
    }
    if (longest <= longestRun)
        return plain ? text : text.toHtmlEscaped();
    QString wrapping;
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > longestRun) {
            wrapping += QChar(0x200B); // a zero-width space: a place to break
            run = 1;
        }
        wrapping += c;
    }
    return wrapping.toHtmlEscaped();
}

QString notesHtml(const ResultNotes &notes)
{
    return notesHtml(notes,
                     {notes.legend.begin(), notes.legend.end()},
                     {notes.lines.begin(), notes.lines.end()});
}

QString notesHtml(const ResultNotes &notes,
                  const std::vector<std::u16string_view> &legend,
                  const std::vector<std::u16string_view> &lines)
{
    QString html = QStringLiteral("<p style=\"margin-bottom:4px\"><b>%1</b></p>")
                       .arg(wrappingText(fromView(notes.title)));
    if (!notes.rows.empty()) {
        // The headings, then the units under them where any; a bracketed column shares the one
        // before, its heading in brackets too: "margine (peggiore)". The two rows are the table's
        // head, which a page that the table runs over repeats.
        const auto isShown = [&](std::size_t i) { return !notes.columns[i].bracketed; };
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\"><thead><tr>");
        for (std::size_t i = 0; i < notes.columns.size(); ++i) {
            if (!isShown(i))
                continue;
            QString heading = fromView(notes.columns[i].heading);
            for (std::size_t next = i + 1; next < notes.columns.size() && !isShown(next); ++next)
                heading += QStringLiteral(" (%1)").arg(fromView(notes.columns[next].heading));
            html += cell(QStringView(u"th"), heading, i, notes.columns[i].words);
        }
        if (notes.hasUnits()) {
            html += QStringLiteral("</tr><tr>");
            for (std::size_t i = 0; i < notes.columns.size(); ++i)
                if (isShown(i))
                    html += cell(QStringView(u"td"), fromView(notes.columns[i].unit), i);
        }
        html += QStringLiteral("</tr></thead><tbody>");
        for (std::size_t r = 0; r < notes.rows.size(); ++r) {
            const std::vector<NoteCell> &row = notes.rows[r];
            // A row that chooses: its first cell a link.
            const QString choice =
                r < notes.choices.size() ? fromView(notes.choices[r]) : QString();
            html += QStringLiteral("<tr>");
            for (std::size_t i = 0; i < row.size(); ++i) {
                if (!isShown(i))
                    continue;
                QString text = fromView(row[i].shown);
                for (std::size_t next = i + 1; next < row.size() && !isShown(next); ++next)
                    text += QStringLiteral(" (%1)").arg(fromView(row[next].shown));
                html += cell(QStringView(u"td"),
                             text,
                             i,
                             notes.columns[i].words,
                             i == 0 ? choice : QString());
            }
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</tbody></table>");
    }
    for (const std::u16string_view line : legend)
        html += QStringLiteral("<p style=\"margin-top:6px; margin-bottom:0\">%1</p>")
                    .arg(wrappingText(fromView(line)));
    for (const std::u16string_view line : lines)
        html += QStringLiteral("<p style=\"margin-top:6px; margin-bottom:0\">%1</p>")
                    .arg(wrappingText(fromView(line)));
    return html;
}

namespace {

// The report as rich text, the circuit's picture from the document resource at pictureUrl.
class HtmlWriter : public ReportWriter
{
public:
    explicit HtmlWriter(const QString &pictureUrl) : pictureUrl_(pictureUrl) {}

    void title(std::u16string_view title, std::u16string_view byline) override
    {
        html_ += QStringLiteral("<p style=\"margin-bottom:4px\"><b><big>%1</big></b></p>")
                     .arg(fromView(title).toHtmlEscaped());
        html_ += QStringLiteral("<p>%1</p>").arg(fromView(byline).toHtmlEscaped());
    }
    void project(const std::vector<ProjectLine> &lines) override
    {
        if (lines.empty())
            return;
        html_ += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
        for (const ProjectLine &line : lines)
            html_ +=
                QStringLiteral("<tr><td>%1</td><td style=\"padding-left:12px\"><b>%2</b></td>"
                               "</tr>")
                    .arg(fromView(line.name).toHtmlEscaped(), wrappingText(fromView(line.value)));
        html_ += QStringLiteral("</table>");
    }
    void settings(const std::vector<std::u16string> &lines) override
    {
        for (const std::u16string &line : lines)
            html_ += QStringLiteral("<p><b>%1</b></p>").arg(wrappingText(fromView(line)));
    }
    void summary(const ResultNotes &summary) override
    {
        html_ += notesHtml(summary) + QStringLiteral("<hr>");
    }
    void circuit(std::u16string_view heading, std::u16string_view caption) override
    {
        html_ += QStringLiteral("<p>%1: %2</p><p><img src=\"%3\"></p>")
                     .arg(fromView(heading).toHtmlEscaped(),
                          fromView(caption).toHtmlEscaped(),
                          pictureUrl_.toHtmlEscaped());
    }
    void items(std::u16string_view heading, const std::vector<ReportItem> &items) override
    {
        html_ += headingHtml(heading) + itemsTable(items);
    }
    void lines(const std::vector<std::u16string> &lines) override
    {
        html_ += assumptionsHtml(lines);
    }
    void notes(const ResultNotes &notes,
               const std::vector<std::u16string_view> &legend,
               const std::vector<std::u16string_view> &lines) override
    {
        html_ += QStringLiteral("<hr>") + notesHtml(notes, legend, lines);
    }
    void assumptions(std::u16string_view heading,
                     const std::vector<std::u16string> &assumptions,
                     const std::vector<std::u16string> &settings) override
    {
        html_ += headingHtml(heading) + assumptionsHtml(assumptions) + assumptionsHtml(settings);
    }

    QString take() { return std::move(html_); }

private:
    QString pictureUrl_;
    QString html_;
};

} // namespace

QString reportHtml(const DesignReport &report, const QString &pictureUrl)
{
    HtmlWriter writer(pictureUrl);
    report.writeTo(writer);
    return writer.take();
}

QString sixtyCharactersWide(const QString &html)
{
    const int width = 60 * QFontMetrics(QToolTip::font()).averageCharWidth();
    return QStringLiteral("<table width=\"%1\" cellspacing=\"0\" cellpadding=\"0\"><tr><td>%2"
                          "</td></tr></table>")
        .arg(width)
        .arg(html);
}
