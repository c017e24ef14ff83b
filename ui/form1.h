#pragma once

#include <QDateTime>
#include <QWidget>

#include <array>
#include <optional>

#include "nominal/module1.h"
#include "notes/designreport.h"
#include "press.h"
#include "worstcase/settingsstate.h"

class CircuitPicture;
class ReportView;
class ResultField;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "9 dicembre 2026, 08:54": the date and time of a press as the report's byline writes them, in
// Italian like the sentence they end, whatever the system's locale.
QString italianDateAndTime(const QDateTime &at);

// The window: every control at its place, the circuit selection, the sample values and
// "Calcola ". It only moves data between its controls and the calculation.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

protected:
    void paintEvent(QPaintEvent *event) override;

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
    void keepTabStopOnSelection();
    void followFocus(QWidget *old, QWidget *now);
    void showNotes();
    void editCorners();
    // The parts of a row of the report's ranking, by its key, made the form's choice.
    void chooseParts(const QString &key);
    // The ranges in force now: kept, the last press's notes worked out again at them, the report
    // shown again.
    void putInForce(const CornerRanges &ranges);
    // The report's window, where it is open, brought up to the last completed press.
    void updateReport();
    // Whether the entries or the circuit differ from those of the last completed press.
    bool entriesChanged() const;

    void showTwoTransistorControls(bool shown);
    // The notes of the last completed press, from its fits, into the result fields' tooltips and
    // the report.
    void writeNotes(const StandardFits &fits);
    DesignReport describeDesign() const;
    QRect resultsOnScreen() const;
    QLineEdit *entry(Entry entry) const;

    QRadioButton *option1_ = nullptr;
    QRadioButton *option2_ = nullptr;
    QPushButton *command1_ = nullptr;
    QPushButton *command2_ = nullptr;
    CircuitPicture *picture1_ = nullptr;
    CircuitPicture *picture2_ = nullptr;
    std::array<QLineEdit *, entryCount> entries_{};
    ResultField *label17_ = nullptr; // Rb1
    ResultField *label20_ = nullptr; // Rb2
    ResultField *label23_ = nullptr; // Ii

    // The last completed press: its variables and Ii, the entries and the circuit it read, the
    // time its figures were last worked (at the press, or since at other ranges), its report, and
    // the picture of its circuit.
    struct CompletedPress
    {
        FormVariables variables;
        bool twoTransistors;
        double Ii;
        std::array<QString, entryCount> texts;
        bool option1;
        QDateTime at;
        StandardFits fits; // at the ranges in force, which the notes were written from
    };
    std::optional<CompletedPress> lastPress_;
    std::optional<DesignReport> report_;
    CircuitPicture *reportPicture_ = nullptr;
    // Made at the first F1, then kept: hidden when closed.
    ReportView *reportView_ = nullptr;

    // The worst case's ranges in force, and what became of the stored ones.
    SettingsState settings_;
    // The parts last chosen from the report's ranking, as its line says; empty: none since the
    // last press or form.
    std::u16string chosenLine_;

    FormVariables variables_;
    Module1 module1_;
};
