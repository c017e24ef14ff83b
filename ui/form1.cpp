#include "form1.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <algorithm>
#include <limits>
#include <vector>

#include "application.h"
#include "circuitpicture.h"
#include "controltable.h"
#include "cornersdialog.h"
#include "cornerstore.h"
#include "messagebox.h"
#include "nominal/messages.h"
#include "nominal/numbertext.h"
#include "nominal/sampledesign.h"
#include "notes/datasheetchecknotes.h"
#include "notes/nominalnotes.h"
#include "notes/rankingnotes.h"
#include "notes/resultnotes.h"
#include "noteshtml.h"
#include "reportview.h"
#include "resultfield.h"
#include "textview.h"

namespace {

using ControlTable::Background;
using ControlTable::Control;
using ControlTable::Kind;

const QColor orange(255, 128, 0);
const QColor lightOrange(255, 192, 128);
const QColor white(255, 255, 255);

// The controls that only the two-transistor circuit uses, in the order the layout steps set them.
constexpr std::array twoTransistorControls{"Text1",
                                           "Label1",
                                           "Label2",
                                           "Text9",
                                           "Label14",
                                           "Label16",
                                           "Text5",
                                           "Label8",
                                           "Text7",
                                           "Label12",
                                           "Label11",
                                           "Label20",
                                           "Label21",
                                           "Label22"};

constexpr std::array<const char *, entryCount> entryNames{
    "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9"};

QString textOf(const Control &row)
{
    return QString::fromUtf16(row.text);
}

QRect pixels(const Control &row)
{
    using ControlTable::pixelsOf;
    return {pixelsOf(row.left), pixelsOf(row.top), pixelsOf(row.width), pixelsOf(row.height)};
}

// A fixed background takes a fixed text colour with it: black, whatever the desktop's palette.
// The frame of a result field is drawn in the text colour too.
void setColours(QWidget *widget, const QColor &background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
}

void fillBackground(QWidget *widget, const QColor &colour)
{
    setColours(widget, colour);
    widget->setAutoFillBackground(true);
}

QWidget *createControl(const Control &row, QWidget *parent)
{
    switch (row.kind) {
    case Kind::OptionButton:
        return new QRadioButton(textOf(row), parent);
    case Kind::PushButton: {
        auto *button = new QPushButton(textOf(row), parent);
        // Enter clicks the button that has the focus; the window has no default button.
        button->setAutoDefault(true);
        return button;
    }
    case Kind::Label: {
        auto *label = new QLabel(textOf(row), parent);
        label->setTextFormat(Qt::PlainText); // keeps the double blanks of the margin captions
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case Kind::EntryField: {
        auto *field = new QLineEdit(parent);
        // No length limit: a long paste is checked whole, never cut short unseen.
        field->setMaxLength(std::numeric_limits<int>::max());
        return field;
    }
    case Kind::ResultLabel:
        return new ResultField(parent);
    case Kind::PictureBox: {
        const QString drawing =
            QStringLiteral(":/pictures/%1").arg(QString::fromLatin1(row.name).toLower());
        auto *picture = new CircuitPicture(drawing, parent);
        picture->setFont(pictureFont());
        return picture;
    }
    }
    return nullptr;
}

// "Vcc [V]": the caption of a field and its unit, for assistive tools.
QString captionAndUnit(const Control &row)
{
    QString text = textOf(ControlTable::control(row.caption));
    if (row.unit)
        text += u' ' + textOf(ControlTable::control(row.unit));
    return text;
}

// The focus mark: a ring around the control that has the focus, on the window's orange, in the
// window's fixed text colour (black: 8.3 : 1), whatever the desktop's style and palette.
QRegion focusRing(const QWidget *control)
{
    const QRect outside = control->geometry().adjusted(-3, -3, 3, 3);
    return QRegion(outside) - QRegion(outside.adjusted(2, 2, -2, -2));
}

} // namespace

QString italianDateAndTime(const QDateTime &at)
{
    return QLocale(QLocale::Italian, QLocale::Italy)
        .toString(at, QStringLiteral("d MMMM yyyy, HH:mm"));
}

Form1::Form1(QWidget *parent) : QWidget(parent)
{
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("transistor interruttore"));
    setFont(controlFont());
    settings_ = loadSettings();
    fillBackground(this, orange); // the captions, units and option buttons take it from here
    resize(ControlTable::pixelsOf(ControlTable::clientWidth),
           ControlTable::pixelsOf(ControlTable::clientHeight));

    createControls();
    setKeyboardOrder();
    connectControls();
    load();
}

// Closing moves the focus once more; by then the window follows it no longer.
Form1::~Form1()
{
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void Form1::createControls()
{
    for (const Control &row : ControlTable::controls()) {
        QWidget *widget = createControl(row, this);
        widget->setObjectName(QString::fromLatin1(row.name));
        widget->setGeometry(pixels(row));
        if (row.background == Background::White)
            fillBackground(widget, white);
        else if (row.background == Background::LightOrange)
            fillBackground(widget, lightOrange);
        if (row.kind == Kind::EntryField)
            widget->setAccessibleName(captionAndUnit(row));
        else if (row.kind == Kind::ResultLabel)
            static_cast<ResultField *>(widget)->setDescription(captionAndUnit(row));
    }
    picture1_ = findChild<CircuitPicture *>("Picture1");
    picture2_ = findChild<CircuitPicture *>("Picture2");
    picture1_->setAccessibleName(QStringLiteral("Schema: carico con entrambi i pin fuori massa"));
    picture2_->setAccessibleName(QStringLiteral("Schema: carico con un pin a massa"));
    option1_ = findChild<QRadioButton *>("Option1");
    option2_ = findChild<QRadioButton *>("Option2");
    command1_ = findChild<QPushButton *>("Command1");
    command2_ = findChild<QPushButton *>("Command2");
    for (std::size_t i = 0; i < entryCount; ++i)
        entries_[i] = findChild<QLineEdit *>(entryNames[i]);
    label17_ = findChild<ResultField *>("Label17");
    label20_ = findChild<ResultField *>("Label20");
    label23_ = findChild<ResultField *>("Label23");

    option1_->setChecked(true);
    picture1_->setFocus();
}

void Form1::setKeyboardOrder()
{
    std::vector<const Control *> focusable;
    for (const Control &row : ControlTable::controls())
        if (row.kind != Kind::Label && row.kind != Kind::ResultLabel)
            focusable.push_back(&row);
    std::ranges::sort(focusable, {}, &Control::tabIndex);
    for (std::size_t i = 1; i < focusable.size(); ++i)
        setTabOrder(findChild<QWidget *>(focusable[i - 1]->name),
                    findChild<QWidget *>(focusable[i]->name));
}

void Form1::connectControls()
{
    connect(option1_, &QRadioButton::toggled, this, &Form1::selectOneTransistor);
    connect(option2_, &QRadioButton::toggled, this, &Form1::selectTwoTransistors);
    connect(command1_, &QPushButton::clicked, this, &Form1::calcola);
    connect(command2_, &QPushButton::clicked, this, &Form1::fillSampleValues);
    // Qt moves the option group's Tab stop with the focus; the window keeps it on the selection.
    connect(option1_, &QRadioButton::toggled, this, &Form1::keepTabStopOnSelection);
    connect(option2_, &QRadioButton::toggled, this, &Form1::keepTabStopOnSelection);
    connect(qApp, &QApplication::focusChanged, this, &Form1::keepTabStopOnSelection);
    connect(qApp, &QApplication::focusChanged, this, &Form1::followFocus);
    // F1, the desktop's key for help, opens the notes of the results from the keyboard.
    auto *notes = new QShortcut(QKeySequence::HelpContents, this);
    connect(notes, &QShortcut::activated, this, &Form1::showNotes);
    // An open report says when the entries or the circuit are no longer those it reports.
    const auto markReport = [this] {
        if (reportView_)
            reportView_->setStale(entriesChanged());
    };
    for (QLineEdit *field : entries_)
        connect(field, &QLineEdit::textChanged, this, markReport);
    connect(option1_, &QRadioButton::toggled, this, markReport);
}

void Form1::load()
{
    selectOneTransistor();
    keepTabStopOnSelection();
}

// Tab reaches the selected option button, whether it was selected by mouse, keyboard, an
// assistive tool or the program; the other one still takes the focus from a click.
void Form1::keepTabStopOnSelection()
{
    for (QRadioButton *option : {option1_, option2_})
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void Form1::followFocus(QWidget *old, QWidget *now)
{
    for (const QWidget *control : {old, now})
        if (control && control->parentWidget() == this)
            update(focusRing(control));
}

void Form1::paintEvent(QPaintEvent * /*event*/)
{
    const QWidget *focused = QApplication::focusWidget();
    if (!focused || focused->parentWidget() != this)
        return;
    QPainter painter(this);
    for (const QRect &side : focusRing(focused))
        painter.fillRect(side, palette().color(QPalette::WindowText));
}

// The report of the last design, in its own window: at its first opening beside the window,
// where the screen has room, so that the results stay in view.
void Form1::showNotes()
{
    if (!reportView_) {
        reportView_ = new ReportView([this] { editCorners(); },
                                     [this](const QString &key) { chooseParts(key); },
                                     [this] { updateReport(); },
                                     this);
        updateReport();
    }
    reportView_->showInFront(label23_, resultsOnScreen());
}

void Form1::updateReport()
{
    if (!reportView_)
        return;
    if (report_) {
        // The summary, the datasheet check and the ranking are the report's alone: worked out as it
        // is shown.
        const QString decimalPoint = QLocale().decimalPoint();
        DesignReport report = *report_;
        report.project = reportView_->project();
        report.summary =
            summaryNotes(lastPress_->fits, viewOf(decimalPoint), report.notes.front().assumptions);
        report.notes.push_back(datasheetCheckNotes(lastPress_->fits, viewOf(decimalPoint)));
        report.notes.push_back(rankingNotes(
            rankParts(lastPress_->fits), lastPress_->fits.corners, viewOf(decimalPoint)));
        // Named to the second: two designs worked within a minute are two files.
        const QString pdfName = fromView(
            Messages::fill(Messages::Report::nomeFilePdf,
                           {viewOf(lastPress_->at.toString(QStringLiteral("yyyy-MM-dd HHmmss")))}));
        reportView_->setReport(reportHtml(report, ReportView::pictureUrl),
                               fromView(report.plainText()),
                               reportPicture_->wholeDrawing(),
                               pdfName,
                               fromView(report.workedAt));
    } else {
        reportView_->setReport(QStringLiteral("<p>%1</p>")
                                   .arg(fromView(Messages::Note::nessunRisultato).toHtmlEscaped()),
                               {},
                               {},
                               {},
                               {});
    }
    reportView_->setStale(entriesChanged());
}

bool Form1::entriesChanged() const
{
    if (!lastPress_)
        return false;
    if (lastPress_->option1 != option1_->isChecked())
        return true;
    for (std::size_t i = 0; i < entryCount; ++i)
        if (lastPress_->texts[i] != entries_[i]->text())
            return true;
    return false;
}

// The form of the worst case's ranges; confirmed, they are kept, the last press's notes worked
// out again at them, and the report shown again.
void Form1::editCorners()
{
    CornersDialog dialog(settings_.ranges(), this);
    for (const SettingsState::FieldMark &mark : settings_.replacedMarks())
        dialog.markReplaced(mark.field, fromView(mark.text));
    if (dialog.exec() != QDialog::Accepted)
        return;
    chosenLine_.clear();
    putInForce(dialog.ranges());
}

void Form1::chooseParts(const QString &key)
{
    const auto choice = choiceOf(viewOf(key));
    if (!choice || !lastPress_)
        return;
    chosenLine_ = choiceLine(*choice);
    putInForce(withChoice(settings_.ranges(), *choice));
}

void Form1::putInForce(const CornerRanges &ranges)
{
    if (const auto failure = settings_.confirm(ranges, saveCorners(ranges)))
        showMessageBox(this, fromView(*failure));
    if (lastPress_) {
        // The figures worked again: the report dated now.
        lastPress_->at = QDateTime::currentDateTime();
        report_->workedAt = viewOf(italianDateAndTime(lastPress_->at));
        const CompletedPress &press = *lastPress_;
        const CornerRanges &inForce = settings_.ranges();
        writeNotes(press.twoTransistors ? fitTwoTransistors(press.variables, inForce)
                                        : fitOneTransistor(press.variables, inForce));
    }
    updateReport();
    showNotes();
}

// Where the result fields in view lie, in global coordinates.
QRect Form1::resultsOnScreen() const
{
    QRect results;
    for (const ResultField *field : {label17_, label20_, label23_})
        if (field->isVisible())
            results |= QRect(field->mapToGlobal(QPoint(0, 0)), field->size());
    return results;
}

// The design of the press just completed: the circuit, its inputs as read, the results in view
// as shown. The notes are written in by writeNotes.
DesignReport Form1::describeDesign() const
{
    // As the window captions them, a run of blanks read as one.
    const auto captionOf = [](const char *label) {
        return label ? itemName(ControlTable::control(label).text) : std::u16string();
    };
    const QString decimalPoint = QLocale().decimalPoint();
    const std::u16string_view point = viewOf(decimalPoint);
    DesignReport report;
    report.program =
        viewOf(QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion());
    report.workedAt = viewOf(italianDateAndTime(lastPress_->at));
    report.circuit = viewOf((option1_->isChecked() ? option1_ : option2_)->text());
    for (const Control &row : ControlTable::controls()) {
        if (row.kind != Kind::EntryField)
            continue;
        const auto *field = findChild<QLineEdit *>(row.name);
        if (field->isVisibleTo(this))
            report.inputs.push_back(enteredItem(
                captionOf(row.caption), viewOf(field->text()), captionOf(row.unit), point));
    }
    for (const ResultField *field : {label17_, label20_, label23_}) {
        if (!field->isVisibleTo(this))
            continue;
        const Control &row = ControlTable::control(field->objectName().toLatin1().constData());
        report.results.push_back({captionOf(row.caption),
                                  std::u16string(viewOf(field->text())),
                                  captionOf(row.unit),
                                  {}});
    }
    return report;
}

void Form1::writeNotes(const StandardFits &fits)
{
    const CompletedPress &press = *lastPress_;
    const QString decimalPoint = QLocale().decimalPoint();
    const std::u16string_view point = viewOf(decimalPoint);
    // Each result with its notes: the standard resistors to buy and the worst cases they leave.
    DesignNotes notes = designNotes(press.Ii, fits, point);
    label17_->setNotes(notes.results.front());
    if (press.twoTransistors)
        label20_->setNotes(notes.results[1]);
    label23_->setNotes(notes.results.back());
    report_->notes = std::move(notes.results);
    report_->nominal = nominalLines(fits, point);
    lastPress_->fits = fits;
    report_->settings = settings_.reportLines();
    if (!chosenLine_.empty())
        report_->settings.insert(report_->settings.begin(), chosenLine_);
}

void Form1::selectOneTransistor()
{
    if (!option1_->isChecked())
        return;
    picture2_->hide();
    picture1_->show();
    showTwoTransistorControls(false);
}

void Form1::selectTwoTransistors()
{
    if (!option2_->isChecked())
        return;
    picture2_->show();
    picture1_->hide();
    showTwoTransistorControls(true);
}

void Form1::showTwoTransistorControls(bool shown)
{
    for (const char *name : twoTransistorControls)
        findChild<QWidget *>(name)->setVisible(shown);
}

void Form1::calcola()
{
    PressInput input{option1_->isChecked(), option2_->isChecked(), {}};
    std::array<QString, entryCount> texts;
    for (std::size_t i = 0; i < entryCount; ++i) {
        texts[i] = entries_[i]->text();
        input.texts[i] = viewOf(texts[i]);
    }
    const PressOutcome outcome = pressCalcola(variables_, module1_, input, settings_.ranges());

    for (const PressMessage &message : outcome.messages)
        showMessageBox(this, fromView(message.text));
    if (!outcome.results)
        return;
    const PressResults &results = *outcome.results;
    const QString decimalPoint = QLocale().decimalPoint();
    const auto caption = [&](double value) {
        return fromView(formatHundredths(value, viewOf(decimalPoint)));
    };
    label17_->setText(caption(results.Rb1));
    if (results.Rb2)
        label20_->setText(caption(*results.Rb2));
    label23_->setText(caption(results.Ii));
    lastPress_ = CompletedPress{variables_,
                                results.Rb2.has_value(),
                                results.Ii,
                                texts,
                                option1_->isChecked(),
                                QDateTime::currentDateTime(),
                                {}};
    report_ = describeDesign();
    reportPicture_ = option1_->isChecked() ? picture1_ : picture2_;
    chosenLine_.clear();
    writeNotes(results.fits);
    updateReport();
}

void Form1::fillSampleValues()
{
    for (const SampleText &sample : sampleDesign) {
        // Replaced as one edit, so that Ctrl+Z in the field brings back what the user typed; a
        // field that already holds the sample is left alone, its undo history too.
        QLineEdit *field = entry(sample.entry);
        if (viewOf(field->text()) == sample.text)
            continue;
        field->selectAll();
        field->insert(fromView(sample.text));
    }
}

QLineEdit *Form1::entry(Entry entry) const
{
    return entries_[static_cast<std::size_t>(entry)];
}
