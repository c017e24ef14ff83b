#pragma once

#include <QLabel>

// A result label: white, framed, its caption right-aligned and selectable with the mouse for
// copying, outside the Tab chain. A caption wider than the field is shown shortened from the
// left behind an ellipsis, so its tail is never read as a whole number; text(), the accessible
// name and the tooltip keep it whole.
class ResultField : public QLabel
{
    Q_OBJECT

public:
    explicit ResultField(QWidget *parent = nullptr);

    // Whether the caption is too wide for the field and shown shortened.
    bool isElided() const;

    // What the field shows, for assistive tools ("Rb1 [kohm]").
    void setDescription(const QString &description);
    // Further lines on the result, in the tooltip and after the description.
    void setNotes(const QString &notes);

protected:
    bool event(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect textRect() const;

    QString description_;
};
