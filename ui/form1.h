#pragma once

#include <QWidget>

#include <array>

#include "module1.h"
#include "switchcalculation.h"

class CircuitPicture;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The window: every control at its place, the circuit selection, the sample values and
// "Calcola ". It only moves data between its controls and the calculation.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

private:
    // Building steps.
    void createControls();
    void setKeyboardOrder();
    void connectControls();

    // Reactions.
    void load();
    void selectOneTransistor();
    void selectTwoTransistors();
    void calcola();
    void fillSampleValues();

    void setStandardValues(QLabel *label, std::u16string_view text);
    void setVisibleInOrder(bool visible);
    QLineEdit *entry(Entry entry) const;

    QRadioButton *option1_ = nullptr;
    QRadioButton *option2_ = nullptr;
    QPushButton *command1_ = nullptr;
    QPushButton *command2_ = nullptr;
    CircuitPicture *picture1_ = nullptr;
    CircuitPicture *picture2_ = nullptr;
    std::array<QLineEdit *, entryCount> entries_{};
    QLabel *label17_ = nullptr; // Rb1
    QLabel *label20_ = nullptr; // Rb2
    QLabel *label23_ = nullptr; // Ii

    FormVariables variables_;
    Module1 module1_;
};
