#pragma once

#include <QTextBrowser>

// The report's text: rich text, with its picture, for the eye; for assistive tools, the report
// as plain text (a line a row, tabs between the columns), without the marks that the rich text's
// picture and tables leave in its characters.
class ReportText : public QTextBrowser
{
    Q_OBJECT

public:
    explicit ReportText(QWidget *parent = nullptr);

    void setSpokenText(const QString &text) { spokenText_ = text; }
    const QString &spokenText() const { return spokenText_; }

protected:
    bool event(QEvent *event) override;

private:
    QString spokenText_;
};
