#pragma once

#include <QLabel>

struct ResultNotes;

// A result label: white, framed, its caption right-aligned and selectable with the mouse for
// copying, outside the Tab chain. A caption wider than the field is shown shortened from the
// left behind an ellipsis, so its tail is never read as a whole number; text(), the accessible
// name and the tooltip keep it whole. A result with notes shows a mark at its left end and the
// notes in its tooltip.
class ResultField : public QLabel
{
    Q_OBJECT

public:
    explicit ResultField(QWidget *parent = nullptr);

    // Where the caption is laid out: inside the frame and the margin, right of the mark.
    QRect captionRect() const;

    // What the field shows, for assistive tools ("Rb1 [kohm]").
    void setDescription(const QString &description);
    // What the result holds beyond its caption: in the tooltip as a table and, as sentences,
    // after the description.
    void setNotes(const ResultNotes &notes);

protected:
    bool event(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Whether the caption is too wide for the field and shown shortened.
    bool isElided() const;
    QRect markRect() const;
    QString keyboardHint() const;
    void paintCaption(bool elided);

    QString description_;
    QString notes_;
};
