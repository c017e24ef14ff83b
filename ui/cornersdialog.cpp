#include "cornersdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointF>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

#include "application.h"
#include "messagebox.h"
#include "nominal/messages.h"
#include "nominal/numbertext.h"
#include "textview.h"

namespace Text = Messages::Corners;

namespace {

QString decimalPoint()
{
    return QLocale().decimalPoint();
}

constexpr std::array<CornerField, 3> outputFigures{
    CornerField::ViLowest, CornerField::OutputCurrent, CornerField::ViHighest};

// The output list's items carry what each stands for: "as typed" no key, each of the list's
// entries its key, "personalizzata" this mark, which is no text and so never a key.
const QVariant ownOutput(1);

// The item for the ranges' output: the entry they name, the designer's own figures, or none.
QVariant outputItem(const CornerRanges &ranges)
{
    if (!ranges.output)
        return QString();
    if (!ranges.outputEntry)
        return ownOutput;
    return fromView(ranges.outputEntry->key);
}

} // namespace

CornersDialog::CornersDialog(const CornerRanges &ranges, QWidget *parent)
    : QDialog(parent), ranges_(ranges)
{
    setObjectName("cornersDialog");
    setWindowTitle(fromView(Text::titolo));
    setFont(controlFont()); // the window's own face, like the window's fields
    // The groups and their lines scroll where the screen is shorter than they are (a large scale
    // on a small screen); the buttons stay in view.
    auto *content = new QWidget(this);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
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
    output_->addItem(fromView(Text::comeInserita), QString());
    const QString point = decimalPoint();
    for (const LogicOutput &o : logicOutputs())
        output_->addItem(fromView(outputName(o, viewOf(point))), fromView(o.key));
    output_->addItem(fromView(Text::personalizzata), ownOutput);
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
    addOwnLowState(sourcesForm);
    addField(sourcesForm, CornerField::VccTolerance);
    layout->addWidget(sources);

    auto *transistors = new QGroupBox(fromView(Text::gruppoTransistor), this);
    auto *transistorsForm = new QFormLayout(transistors);
    for (const CornerField field :
         {CornerField::Q1OneTransistor, CornerField::Q1TwoTransistors, CornerField::Q2})
        addPartChoice(transistorsForm, field);
    addTemperatureChoice(transistorsForm);
    addField(transistorsForm, CornerField::VbeOff);
    addSaturation(transistorsForm);
    layout->addWidget(transistors);
    for (const std::u16string_view text : {Text::spiegazioneTemperatura, Text::spiegazioneSpento}) {
        auto *explained = new QLabel(fromView(text), this);
        explained->setWordWrap(true);
        layout->addWidget(explained);
    }
    connect(output_, &QComboBox::activated, this, &CornersDialog::chooseOutput);

    auto *scroll = new QScrollArea(this);
    scroll->setObjectName("cornersScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(scroll);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *defaults =
        buttons->addButton(fromView(Text::predefiniti), QDialogButtonBox::ResetRole);
    defaults->setObjectName("cornerDefaults");
    connect(defaults, &QPushButton::clicked, this, [this] { fillIn(CornerRanges{}); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CornersDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CornersDialog::reject);
    outer->addWidget(buttons);

    fillIn(ranges);
    // As wide as its fields and a scroll bar; as tall as all of it, where the screen has room.
    scroll->setMinimumWidth(content->minimumSizeHint().width()
                            + scroll->verticalScrollBar()->sizeHint().width());
    const int width = std::max(sizeHint().width(), minimumSizeHint().width());
    const int tall = content->heightForWidth(scroll->minimumWidth()) > 0
                         ? content->heightForWidth(scroll->minimumWidth())
                         : content->sizeHint().height();
    const QMargins margins = outer->contentsMargins();
    const int wanted =
        tall + buttons->sizeHint().height() + outer->spacing() + margins.top() + margins.bottom();
    const int room = screen() ? screen()->availableGeometry().height() * 9 / 10 : wanted;
    resize(width, std::min(wanted, room));
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
    output_->setCurrentIndex(output_->findData(outputItem(ranges)));
    // A pin that never floats shows the leakage it would have by default.
    const auto leakage = static_cast<std::size_t>(CornerField::FloatingLeakage);
    floats_->setChecked(!texts[leakage].empty());
    if (texts[leakage].empty())
        fields_[leakage]->setText(QStringLiteral("1"));
    // Saturation not asked for shows the forced gain it would take by default.
    const auto forced = static_cast<std::size_t>(CornerField::SaturationForcedGain);
    saturation_->setChecked(!texts[forced].empty());
    if (texts[forced].empty())
        fields_[forced]->setText(QStringLiteral("10"));
    fields_[forced]->setEnabled(saturation_->isChecked());
    temperatureEdited();
    enableOwnLowState();
}

void CornersDialog::addSaturation(QFormLayout *form)
{
    saturation_ = new QCheckBox(fromView(Text::saturazioneGarantita), this);
    saturation_->setObjectName("cornerSaturation");
    form->addRow(QString(), saturation_);
    addField(form, CornerField::SaturationForcedGain);
    connect(saturation_, &QCheckBox::toggled, this, [this](bool on) {
        fields_[static_cast<std::size_t>(CornerField::SaturationForcedGain)]->setEnabled(on);
    });
}

void CornersDialog::addOwnLowState(QFormLayout *form)
{
    addField(form, CornerField::OutputLow);
    floats_ = new QCheckBox(fromView(Text::puoFlottare), this);
    floats_->setObjectName("cornerFloats");
    form->addRow(QString(), floats_);
    addField(form, CornerField::FloatingLeakage);
    connect(floats_, &QCheckBox::toggled, this, &CornersDialog::enableOwnLowState);
}

void CornersDialog::enableOwnLowState()
{
    const bool own = !logicOutputByKey(viewOf(output_->currentData().toString()));
    fields_[static_cast<std::size_t>(CornerField::OutputLow)]->setEnabled(own);
    floats_->setEnabled(own);
    fields_[static_cast<std::size_t>(CornerField::FloatingLeakage)]->setEnabled(
        own && floats_->isChecked());
}

// The operating ranges products are built for, each its ends as item data; "personalizzato",
// with none, for any other range.
void CornersDialog::addTemperatureChoice(QFormLayout *form)
{
    constexpr std::array<std::array<double, 2>, 4> presets{
        {{25, 25}, {0, 70}, {-40, 85}, {-40, 125}}};
    temperatures_ = new QComboBox(this);
    temperatures_->setObjectName("cornerTemperatures");
    temperatures_->setAccessibleName(fromView(Text::intervalloTemperatura));
    for (std::size_t i = 0; i < presets.size(); ++i)
        temperatures_->addItem(fromView(Text::intervalliTemperatura[i]),
                               QPointF(presets[i][0], presets[i][1]));
    temperatures_->addItem(fromView(Text::intervalloPersonalizzato));
    auto *label = new QLabel(fromView(Text::intervalloTemperatura), this);
    label->setBuddy(temperatures_);
    form->addRow(label, temperatures_);
    for (const CornerField field : {CornerField::Tmin, CornerField::Tmax}) {
        addField(form, field);
        connect(fields_[static_cast<std::size_t>(field)],
                &QLineEdit::textEdited,
                this,
                &CornersDialog::temperatureEdited);
    }
    connect(temperatures_, &QComboBox::activated, this, [this](int index) {
        const QVariant ends = temperatures_->itemData(index);
        if (!ends.isValid())
            return;
        const QString point = decimalPoint();
        fields_[static_cast<std::size_t>(CornerField::Tmin)]->setText(
            fromView(formatShortest(ends.toPointF().x(), viewOf(point))));
        fields_[static_cast<std::size_t>(CornerField::Tmax)]->setText(
            fromView(formatShortest(ends.toPointF().y(), viewOf(point))));
    });
}

// The range typed is the preset with those ends, if any.
void CornersDialog::temperatureEdited()
{
    const QString point = decimalPoint();
    const auto end = [&](CornerField field) {
        return parseWholeNumber(viewOf(fields_[static_cast<std::size_t>(field)]->text()),
                                viewOf(point));
    };
    const auto Tmin = end(CornerField::Tmin), Tmax = end(CornerField::Tmax);
    const int preset = Tmin && Tmax ? temperatures_->findData(QPointF(*Tmin, *Tmax)) : -1;
    temperatures_->setCurrentIndex(preset >= 0 ? preset : temperatures_->count() - 1);
}

// A choice from the list fills the output's figures; "as typed" empties them.
void CornersDialog::chooseOutput(int index)
{
    enableOwnLowState();
    const QVariant item = output_->itemData(index);
    if (item == ownOutput)
        return;
    CornerRanges chosen;
    const QString key = item.toString();
    if (const LogicOutput *entry = logicOutputByKey(viewOf(key))) {
        chosen.output = entry->figures;
        chosen.outputEntry = entry;
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
    output_->setCurrentIndex(output_->findData(ownOutput));
    enableOwnLowState();
}

void CornersDialog::accept()
{
    CornerTexts texts;
    for (std::size_t i = 0; i < cornerFieldCount; ++i)
        if (fields_[i])
            texts[i] = viewOf(fields_[i]->text());
        else if (choices_[i])
            texts[i] = viewOf(choices_[i]->currentData().toString());
    if (const QVariant item = output_->currentData(); item != ownOutput)
        texts[static_cast<std::size_t>(CornerField::Output)] = viewOf(item.toString());
    if (!floats_->isChecked())
        texts[static_cast<std::size_t>(CornerField::FloatingLeakage)].clear();
    if (!saturation_->isChecked())
        texts[static_cast<std::size_t>(CornerField::SaturationForcedGain)].clear();
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
