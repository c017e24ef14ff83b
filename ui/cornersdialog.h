#pragma once

#include <QDialog>

#include <array>

#include "cornersettings.h"

class QFormLayout;
class QLineEdit;

// The form of the worst case's ranges: Vbe and Q2's Vce(sat) from / to, and each series's
// tolerance, as texts read like the window's entries. "OK" closes it only on values that a
// transistor and a resistor can have; otherwise a message names the field, which takes the focus
// with what was typed. "Valori predefiniti" writes the defaults into the fields.
class CornersDialog : public QDialog
{
    Q_OBJECT

public:
    CornersDialog(const CornerRanges &ranges, QWidget *parent);

    // The ranges confirmed; valid once the dialog is accepted.
    const CornerRanges &ranges() const { return ranges_; }

    void accept() override;

    // Marks a field whose stored value was replaced by its default: the mark under it says what
    // was stored.
    void markReplaced(CornerField field, const QString &mark);

private:
    void fillIn(const CornerRanges &ranges);

    QFormLayout *form_;
    std::array<QLineEdit *, cornerFieldCount> fields_{};
    CornerRanges ranges_;
};
