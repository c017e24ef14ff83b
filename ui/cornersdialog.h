#pragma once

#include <QDialog>

#include <array>

#include "worstcase/cornersettings.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;

// The form of the worst case's ranges, in two groups: the transistors' Vbe and Q2's Vce(sat) from
// / to with each series's tolerance; the logic output that drives the switch (chosen from the
// list, or its three figures typed) with Vcc's tolerance; the transistors bought, each chosen
// from the parts of its polarity or left as typed, with the operating temperature range and the
// voltage below which a transistor is off; the low state of an output not from the list (VOL,
// whether its pin may float and what it then leaks), used only for such an output. Numbers
// are written with the locale's decimal point or ".". "OK" closes it only on values that the parts
// can have; otherwise a message names the field, which takes the focus with what was typed. "Valori
// predefiniti" writes the defaults into the fields.
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
    void addField(QFormLayout *form, CornerField field);
    void fillIn(const CornerRanges &ranges);
    void chooseOutput(int index);
    void outputEdited();
    void addPartChoice(QFormLayout *form, CornerField field);
    void addTemperatureChoice(QFormLayout *form);
    void temperatureEdited();
    void addOwnLowState(QFormLayout *form);
    // The fields of an output's own low state are used only where it is not from the list.
    void enableOwnLowState();
    void addSaturation(QFormLayout *form);

    std::array<QLineEdit *, cornerFieldCount> fields_{}; // none for the output's choice
    QComboBox *output_ = nullptr; // as typed, the list's entries by key, personalizzata
    std::array<QComboBox *, cornerFieldCount> choices_{}; // the transistors': as typed, the parts
    QComboBox *temperatures_ = nullptr; // the usual ranges by their ends, personalizzato
    QCheckBox *floats_ = nullptr;       // the output's pin may float: its leakage in its field
    QCheckBox *saturation_ = nullptr;   // saturation guaranteed: a typed part's Ic/Ib in its field
    CornerRanges ranges_;
};
