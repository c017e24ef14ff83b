#include "cornersdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <algorithm>

#include "application.h"
#include "messagebox.h"
#include "nominal/messages.h"
#include "textview.h"

namespace Text = Messages::Corners;

namespace {

QString decimalPoint()
{
    return QLocale().decimalPoint();
}

constexpr std::array<CornerField, 3> outputFigures{
    CornerField::ViLowest, CornerField::OutputCurrent, CornerField::ViHighest};

// The choices of the output's list: as typed first, the list's entries, personalizzata last.
int asTyped()
{
    return 0;
}

int personalizzata()
{
    return static_cast<int>(logicOutputs().size()) + 1;
}

} // namespace

CornersDialog::CornersDialog(const CornerRanges &ranges, QWidget *parent)
    : QDialog(parent), ranges_(ranges)
{
    setObjectName("cornersDialog");
    setWindowTitle(fromView(Text::titolo));
    setFont(controlFont()); // the window's own face, like the window's fields
    auto *layout = new QVBoxLayout(this);
    auto *explanation = new QLabel(fromView(Text::spiegazione), this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    auto *parts = new QGroupBox(fromView(Text::gruppoComponenti), this);
    auto *partsForm = new QFormLayout(parts);
    for (std::size_t i = 0; i <= static_cast<std::size_t>(CornerField::ToleranceE96); ++i)
        addField(partsForm, static_cast<CornerField>(i));
    layout->addWidget(parts);

    auto *sources = new QGroupBox(fromView(Text::gruppoSorgenti), this);
    auto *sourcesForm = new QFormLayout(sources);
    output_ = new QComboBox(sources);
    output_->setObjectName("cornerOutput");
    output_->setAccessibleName(fromView(cornerFieldName(CornerField::Output)));
    output_->addItem(fromView(Text::comeInserita));
    const QString point = decimalPoint();
    for (const LogicOutput &o : logicOutputs())
        output_->addItem(fromView(outputName(o, viewOf(point))));
    output_->addItem(fromView(Text::personalizzata));
    auto *outputLabel = new QLabel(fromView(cornerFieldName(CornerField::Output)), sources);
    outputLabel->setBuddy(output_);
    sourcesForm->addRow(outputLabel, output_);
    for (const CornerField field : outputFigures) {
        addField(sourcesForm, field);
        connect(fields_[static_cast<std::size_t>(field)],
                &QLineEdit::textEdited,
                this,
                &CornersDialog::outputEdited);
    }
    addField(sourcesForm, CornerField::VccTolerance);
    layout->addWidget(sources);

    auto *transistors = new QGroupBox(fromView(Text::gruppoTransistor), this);
    auto *transistorsForm = new QFormLayout(transistors);
    for (const CornerField field :
         {CornerField::Q1OneTransistor, CornerField::Q1TwoTransistors, CornerField::Q2})
        addPartChoice(transistorsForm, field);
    addField(transistorsForm, CornerField::Ambient);
    layout->addWidget(transistors);
    connect(output_, &QComboBox::activated, this, &CornersDialog::chooseOutput);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *defaults =
        buttons->addButton(fromView(Text::predefiniti), QDialogButtonBox::ResetRole);
    defaults->setObjectName("cornerDefaults");
    connect(defaults, &QPushButton::clicked, this, [this] { fillIn(CornerRanges{}); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CornersDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CornersDialog::reject);
    layout->addWidget(buttons);

    fillIn(ranges);
    fields_.front()->setFocus();
}

void CornersDialog::addField(QFormLayout *form, CornerField field)
{
    const auto i = static_cast<std::size_t>(field);
    const QString name = fromView(cornerFieldName(field));
    fields_[i] = new QLineEdit(this);
    fields_[i]->setObjectName(QStringLiteral("cornerField%1").arg(i));
    fields_[i]->setAccessibleName(name);
    auto *label = new QLabel(name, this);
    label->setBuddy(fields_[i]);
    form->addRow(label, fields_[i]);
}

// A transistor's list: "as typed" first, with no key, then the parts of its polarity by key.
void CornersDialog::addPartChoice(QFormLayout *form, CornerField field)
{
    const auto i = static_cast<std::size_t>(field);
    const Polarity polarity =
        field == CornerField::Q1TwoTransistors ? Polarity::Pnp : Polarity::Npn;
    auto *choice = new QComboBox(this);
    choice->setObjectName(QStringLiteral("cornerField%1").arg(i));
    choice->setAccessibleName(fromView(cornerFieldName(field)));
    choice->addItem(fromView(Text::comeInserito), QString());
    for (const TransistorPart &part : transistorParts())
        if (part.polarity == polarity)
            choice->addItem(fromView(part.key), fromView(part.key));
    auto *label = new QLabel(fromView(cornerFieldName(field)), this);
    label->setBuddy(choice);
    form->addRow(label, choice);
    choices_[i] = choice;
}

void CornersDialog::markReplaced(CornerField field, const QString &mark)
{
    const auto i = static_cast<std::size_t>(field);
    QWidget *edit = fields_[i] ? static_cast<QWidget *>(fields_[i]) : choices_[i];
    if (!edit)
        return;
    auto *form = qobject_cast<QFormLayout *>(edit->parentWidget()->layout());
    int row = 0;
    form->getWidgetPosition(edit, &row, nullptr);
    auto *label = new QLabel(mark, this);
    label->setObjectName(QStringLiteral("cornerMark%1").arg(i));
    label->setWordWrap(true);
    form->insertRow(row + 1, QString(), label);
    edit->setAccessibleDescription(mark);
}

void CornersDialog::fillIn(const CornerRanges &ranges)
{
    const QString point = decimalPoint();
    const CornerTexts texts = cornerTexts(ranges, viewOf(point));
    for (std::size_t i = 0; i < cornerFieldCount; ++i)
        if (fields_[i])
            fields_[i]->setText(fromView(texts[i]));
        else if (choices_[i])
            choices_[i]->setCurrentIndex(std::max(0, choices_[i]->findData(fromView(texts[i]))));
    const auto outputs = logicOutputs();
    if (!ranges.output)
        output_->setCurrentIndex(asTyped());
    else if (ranges.outputEntry)
        output_->setCurrentIndex(static_cast<int>(ranges.outputEntry - outputs.data()) + 1);
    else
        output_->setCurrentIndex(personalizzata());
}

// A choice from the list fills the output's figures; "as typed" empties them.
void CornersDialog::chooseOutput(int index)
{
    if (index == personalizzata())
        return;
    CornerRanges chosen;
    if (index != asTyped()) {
        const LogicOutput &entry = logicOutputs()[static_cast<std::size_t>(index - 1)];
        chosen.output = entry.figures;
        chosen.outputEntry = &entry;
    }
    const QString point = decimalPoint();
    const CornerTexts texts = cornerTexts(chosen, viewOf(point));
    for (const CornerField field : outputFigures)
        fields_[static_cast<std::size_t>(field)]->setText(
            fromView(texts[static_cast<std::size_t>(field)]));
}

// Figures typed by hand are the designer's own output.
void CornersDialog::outputEdited()
{
    output_->setCurrentIndex(personalizzata());
}

void CornersDialog::accept()
{
    CornerTexts texts;
    for (std::size_t i = 0; i < cornerFieldCount; ++i)
        if (fields_[i])
            texts[i] = viewOf(fields_[i]->text());
        else if (choices_[i])
            texts[i] = viewOf(choices_[i]->currentData().toString());
    const int choice = output_->currentIndex();
    if (choice != asTyped() && choice != personalizzata())
        texts[static_cast<std::size_t>(CornerField::Output)] =
            logicOutputs()[static_cast<std::size_t>(choice - 1)].key;
    const QString point = decimalPoint();
    const auto read = readCorners(texts, viewOf(point));
    if (const auto *refusal = std::get_if<CornerRefusal>(&read)) {
        showMessageBox(this, fromView(refusal->message));
        if (QLineEdit *field = fields_[static_cast<std::size_t>(refusal->field)]) {
            field->setFocus();
            field->selectAll();
        }
        return;
    }
    ranges_ = std::get<CornerRanges>(read);
    QDialog::accept();
}
