#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextTable>
#include <QTimer>
#include <QToolTip>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "application.h"
#include "circuitpicture.h"
#include "cornersdialog.h"
#include "drawing.h"
#include "form1.h"
#include "modalboxes.h"
#include "nominal/messages.h"
#include "reportpdf.h"
#include "reporttext.h"
#include "reportview.h"
#include "resultfield.h"
#include "windowharness.h"

namespace {

const QColor orange(255, 128, 0);
const QColor white(255, 255, 255);

// WCAG 2 contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour that covers most of a patch of screen: the background a text stands on.
QColor background(const QImage &patch)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < patch.height(); ++y)
        for (int x = 0; x < patch.width(); ++x)
            ++counts[patch.pixel(x, y)];
    QRgb most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(most))
            most = it.key();
    return QColor::fromRgb(most);
}

// The contrast of the text in a patch: its background against the pixel that stands out most.
double textContrast(const QImage &patch)
{
    const QColor paper = background(patch);
    double best = 1;
    for (int y = 0; y < patch.height(); ++y)
        for (int x = 0; x < patch.width(); ++x)
            best = std::max(best, contrast(paper, patch.pixelColor(x, y)));
    return best;
}

// Where a control shows its text, in the window's coordinates: the label beside an option
// button's indicator, inside a push button's bevel, inside the frame of a field.
QRect textArea(QWidget *widget)
{
    QRect area = widget->rect();
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<QRadioButton *>(widget) != nullptr;
        area = button->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                                     : QStyle::SE_PushButtonContents,
                                               &option,
                                               button);
    } else if (qobject_cast<QLineEdit *>(widget) || qobject_cast<ResultField *>(widget)) {
        area.adjust(3, 3, -3, -3);
    }
    return area.translated(widget->pos());
}

// A dark desktop's palette: white texts on the given window, field and button colours, the
// shades derived from the button's as Qt derives them.
QPalette darkDesktop(const QColor &window, const QColor &base, const QColor &button)
{
    QPalette palette(button, window);
    for (const auto role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
        palette.setColor(role, Qt::white);
    palette.setColor(QPalette::Base, base);
    return palette;
}

// The desktop's palette (an empty one: the platform's own), qt6ct's "darker" colour scheme, and
// white on black, as high-contrast themes have it.
std::vector<std::pair<const char *, QPalette>> desktops()
{
    return {
        {"default", QPalette()},
        {"dark",
         darkDesktop(QColor(0x22, 0x20, 0x20), QColor(0x3d, 0x3d, 0x3d), QColor(0x42, 0x42, 0x45))},
        {"high contrast", darkDesktop(Qt::black, Qt::black, Qt::black)}};
}

// What a rich tooltip reads as plain text: a line for each paragraph and each table cell.
QString plainText(const QString &html)
{
    return QTextDocumentFragment::fromHtml(html).toPlainText().replace(QChar(0xA0), u' ');
}

// The texts of the popup menu a right click on the widget opens, "&" and shortcuts removed; the
// action named clicked is triggered, and the menu closed.
QStringList contextMenu(QWidget *widget, const QString &clicked)
{
    const QPoint inside(widget->width() / 2, widget->height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, widget->mapToGlobal(inside));
    QApplication::sendEvent(widget, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu)
        return {};
    QStringList texts;
    QAction *chosen = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        texts << action->text().remove(u'&').section(u'\t', 0, 0);
        if (texts.back() == clicked)
            chosen = action;
    }
    if (chosen)
        chosen->trigger();
    menu->close();
    return texts;
}

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The expected captions are written with "." as the decimal separator, whatever the
        // environment's locale.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        styleName = QApplication::style()->name();
        palette = QApplication::palette();
    }

    void init()
    {
        form = openForm1();
        QVERIFY(form);
    }
    void cleanup()
    {
        form.reset();
        if (QApplication::style()->name() != styleName)
            QApplication::setStyle(styleName);
        QApplication::setPalette(palette);
    }

    void window()
    {
        QCOMPARE(form->objectName(), QString("Form1"));
        QCOMPARE(form->windowTitle(), QString("transistor interruttore"));
        QCOMPARE(form->size(), QSize(1030, 392)); // 15450 x 5880 twips
        QCOMPARE(form->palette().color(QPalette::Window), orange);
        QCOMPARE(QCoreApplication::applicationName(), QString("Brenvola"));
        QCOMPARE(QCoreApplication::applicationVersion(), QString("1.00"));
        QCOMPARE(form->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size(), 40);
    }

    void control_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QColor>("background"); // invalid: the toolkit's own colour
        // Row by row from the top of the window, positions and sizes in twips.
        const auto row = [](const char *name,
                            const char *kind,
                            const char *text,
                            int left,
                            int top,
                            int width,
                            int height,
                            QColor background) {
            QTest::newRow(name) << QString(kind) << QString::fromUtf8(text)
                                << QRect(left, top, width, height) << background;
        };
        const QColor none;
        // clang-format off
        row("Option1", "QRadioButton", "Carico con entrambi i pin fuori massa", 7770, 180, 3705, 285, orange);
        row("Command1", "QPushButton", "Calcola ", 11820, 600, 2415, 375, none);
        row("Option2", "QRadioButton", "Carico con un pin a massa", 7770, 690, 3135, 315, orange);
        row("Label1", "QLabel", "Vcc", 7710, 1170, 405, 225, orange);
        row("Text1", "QLineEdit", "", 8190, 1110, 2025, 375, none);
        row("Label2", "QLabel", "[V]", 10290, 1170, 315, 255, orange);
        row("Label3", "QLabel", "IL", 12210, 1170, 255, 225, orange);
        row("Text2", "QLineEdit", "", 12510, 1110, 2055, 375, none);
        row("Label4", "QLabel", "[mA]", 14640, 1170, 465, 255, orange);
        row("Label6", "QLabel", "Vi", 7800, 1740, 315, 225, orange);
        row("Text3", "QLineEdit", "", 8160, 1680, 2055, 375, none);
        row("Label5", "QLabel", "[V]", 10320, 1740, 315, 255, orange);
        row("Label7", "QLabel", "hFE1min", 11640, 1770, 795, 225, orange);
        row("Text4", "QLineEdit", "", 12510, 1680, 2085, 375, none);
        row("Label13", "QLabel", "R1", 7800, 2280, 315, 225, orange);
        row("Text8", "QLineEdit", "", 8160, 2190, 2055, 375, none);
        row("Label15", "QLabel", "[kohm]", 10350, 2280, 615, 255, orange);
        row("Label8", "QLabel", "hFE2min", 11640, 2280, 795, 225, orange);
        row("Text5", "QLineEdit", "", 12510, 2190, 2085, 405, none);
        row("Label14", "QLabel", "R2", 7800, 2820, 315, 225, orange);
        row("Text9", "QLineEdit", "", 8160, 2730, 2055, 375, none);
        row("Label16", "QLabel", "[kohm]", 10380, 2820, 615, 255, orange);
        row("Label9", "QLabel", "maggiorazione corrente di base  per Q1", 9060, 3300, 3375, 255, orange);
        row("Text6", "QLineEdit", "", 12540, 3270, 2085, 375, none);
        row("Label10", "QLabel", "[%]", 14700, 3300, 315, 255, orange);
        row("Label12", "QLabel", "maggiorazione corrente di base  per Q2", 9060, 3780, 3405, 255, orange);
        row("Text7", "QLineEdit", "", 12540, 3720, 2085, 375, none);
        row("Label11", "QLabel", "[%]", 14700, 3780, 315, 255, orange);
        row("Command2", "QPushButton", "Valori esempio", 8220, 4260, 2115, 375, none);
        row("Label25", "QLabel", "Ii", 12210, 4380, 195, 225, orange);
        row("Label23", "ResultField", "", 12540, 4320, 2145, 345, white);
        row("Label24", "QLabel", "[mA]", 14760, 4350, 465, 255, orange);
        row("Label18", "QLabel", "Rb1", 7680, 5010, 405, 225, orange);
        row("Label17", "ResultField", "", 8160, 4950, 2175, 375, white);
        row("Label19", "QLabel", "[kohm]", 10500, 5010, 615, 255, orange);
        row("Label21", "QLabel", "Rb2", 12090, 4980, 405, 225, orange);
        row("Label20", "ResultField", "", 12540, 4890, 2175, 375, white);
        row("Label22", "QLabel", "[kohm]", 14760, 4950, 615, 255, orange);
        row("Picture1", "CircuitPicture", "", 210, 360, 5025, 5115, QColor(255, 192, 128));
        row("Picture2", "CircuitPicture", "", 210, 390, 7155, 5055, none);
        // clang-format on
    }

    void control()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QRect, twips);
        QFETCH(QColor, background);

        QWidget *widget = form->findChild<QWidget *>(QTest::currentDataTag());
        QVERIFY(widget);
        QCOMPARE(widget->metaObject()->className(), kind);
        QCOMPARE(widget->geometry(),
                 QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->textFormat(), Qt::PlainText);
            const bool result = background == white;
            QCOMPARE(label->frameShape(), result ? QFrame::Box : QFrame::NoFrame);
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask,
                     result ? Qt::AlignRight : Qt::AlignLeft);
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            QCOMPARE(button->text(), text);
        } else if (auto *entry = qobject_cast<QLineEdit *>(widget)) {
            QCOMPARE(entry->text(), QString());
        }

        // The colour the user sees, just inside the bottom-right corner of the control.
        if (background == QColor(255, 192, 128)) {
            QCOMPARE(widget->palette().color(QPalette::Window), background);
            QVERIFY(widget->autoFillBackground());
        } else if (background.isValid()) {
            form->findChild<QWidget *>("Picture2")->show(); // every control in view
            for (QWidget *hidden : form->findChildren<QWidget *>())
                hidden->show();
            const QImage shot = form->grab().toImage();
            const int inset = background == white ? 3 : 1;
            const QPoint corner = widget->geometry().bottomRight() - QPoint(inset, inset);
            QCOMPARE(shot.pixelColor(corner * shot.devicePixelRatio()), background);
        }
    }

    // Every caption fits its control in the font the window really uses.
    void captionsFit()
    {
        // The face drawn is the window's family or one that stands in for it (Qt keeps those in
        // lower case).
        const QString family = form->font().family();
        const QString drawn = QFontInfo(form->font()).family();
        QVERIFY2((QFont::substitutes(family) << family).contains(drawn, Qt::CaseInsensitive),
                 qPrintable(drawn));
        int checked = 0;
        for (QWidget *widget : form->findChildren<QWidget *>()) {
            const QSize room = widget->size();
            QSize needed;
            if (auto *label = qobject_cast<QLabel *>(widget)) {
                if (label->text().isEmpty())
                    continue;
                const QFontMetrics metrics(label->font());
                needed = QSize(metrics.horizontalAdvance(label->text()), metrics.height());
            } else if (qobject_cast<QAbstractButton *>(widget)) {
                needed = widget->sizeHint();
                if (qobject_cast<QPushButton *>(widget)) {
                    // A push button's hint has a floor of its own; the caption is what must fit.
                    QStyleOptionButton option;
                    option.initFrom(widget);
                    const QFontMetrics metrics(widget->font());
                    needed = widget->style()->sizeFromContents(
                        QStyle::CT_PushButton,
                        &option,
                        QSize(metrics.horizontalAdvance(static_cast<QPushButton *>(widget)->text()),
                              metrics.height()),
                        widget);
                }
            } else {
                continue;
            }
            ++checked;
            QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                     qPrintable(QString("%1 needs %2 x %3, has %4 x %5")
                                    .arg(widget->objectName())
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(room.width())
                                    .arg(room.height())));
        }
        QCOMPARE(checked, 4 + 22); // option and push buttons, static labels
    }

    void fonts()
    {
        for (QWidget *widget : form->findChildren<QWidget *>()) {
            const QFont font = widget->font();
            QCOMPARE(font.family(), QString("MS Sans Serif"));
            QCOMPARE(font.pointSizeF(), 8.25);
            const bool picture = qobject_cast<CircuitPicture *>(widget) != nullptr;
            QCOMPARE(font.weight(), picture ? QFont::Normal : QFont::Bold);
            QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
        }
    }

    // Captions in a bold weight, as the user sees them: the ink of a caption in the control font
    // against the same caption in the regular weight. A system that smooths a small bold face into
    // thin grey strokes (Wine at 96 dpi) draws the two alike. The captions on the orange: a push
    // button's shaded face would blur the measure.
    void captionsBold_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("label") << "Label9";
        QTest::newRow("option button") << "Option1";
    }

    void captionsBold()
    {
        QFETCH(QString, name);
        auto *widget = form->findChild<QWidget *>(name);
        QVERIFY(widget);
        form->setFocus(); // no focus mark in the measure
        // The black text's ink, in pixels: how much of each pixel it covers, from the pixel's red
        // against the red of the orange it stands on, summed.
        const auto ink = [&] {
            const QImage shot = form->grab().toImage();
            const qreal scale = shot.devicePixelRatio();
            const QRect area = textArea(widget);
            const QImage patch = shot.copy(QRect(area.topLeft() * scale, area.size() * scale));
            const int paper = background(patch).red();
            double covered = 0;
            for (int y = 0; y < patch.height(); ++y)
                for (int x = 0; x < patch.width(); ++x)
                    covered += std::max(0, paper - qRed(patch.pixel(x, y))) / double(paper);
            return covered;
        };
        const double bold = ink();
        QFont regular = widget->font();
        regular.setWeight(QFont::Normal);
        widget->setFont(regular);
        const double normal = ink();
        QVERIFY2(normal > 0, "the caption is drawn");
        QVERIFY2(bold >= 1.25 * normal,
                 qPrintable(QString("%1: %2 pixels of ink in bold, %3 in the regular weight")
                                .arg(QFontInfo(widget->font()).family())
                                .arg(bold, 0, 'f', 0)
                                .arg(normal, 0, 'f', 0)));
    }

    void focusAtOpening()
    {
        QCOMPARE(QApplication::focusWidget(), form->findChild<QWidget *>("Picture1"));
    }

    void enterClicksOnlyTheFocusedButton()
    {
        ModalBoxes boxes;
        auto *text2 = form->findChild<QLineEdit *>("Text2");
        text2->setFocus();
        QCOMPARE(boxes.during([&] { QTest::keyClick(text2, Qt::Key_Return); }).size(), 0U);
        QCOMPARE(boxes.during([&] { QTest::keyClick(text2, Qt::Key_Escape); }).size(), 0U);
        QVERIFY(form->isVisible());

        auto *command1 = form->findChild<QPushButton *>("Command1");
        command1->setFocus();
        QCOMPARE(boxes.during([&] { QTest::keyClick(command1, Qt::Key_Escape); }).size(), 0U);
        const std::vector<SeenBox> seen =
            boxes.during([&] { QTest::keyClick(command1, Qt::Key_Return); });
        QCOMPARE(seen.size(), 1U); // the press ran and stopped at the empty IL
    }

    void messageBoxOfAnEmptyEntry()
    {
        ModalBoxes boxes;
        const std::vector<SeenBox> seen = boxes.during(
            [&] { QTest::mouseClick(form->findChild<QPushButton *>("Command1"), Qt::LeftButton); });
        QCOMPARE(seen.size(), 1U);
        QCOMPARE(seen[0].caption, QString("Brenvola"));
        QCOMPARE(seen[0].text, fromView(Messages::forEntry(Entry::Text2).vuoto));
        QCOMPARE(seen[0].text, QString("Hai dimenticato di scrivere la corrente nel carico IL"));
        QCOMPARE(seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(seen[0].icon, QMessageBox::NoIcon);
        QCOMPARE(seen[0].textFormat, Qt::PlainText);
        QCOMPARE(seen[0].modality, Qt::ApplicationModal);
        QCOMPARE(form->findChild<QLabel *>("Label17")->text(), QString());
    }

    void typedSampleDesign_data() { addSampleDesignResultRows(); }

    void typedSampleDesign()
    {
        QFETCH(QString, option);
        QFETCH(QString, rb1);
        QFETCH(QString, rb2);
        QFETCH(QString, ii);
        form->findChild<QRadioButton *>(option)->setChecked(true);
        const std::pair<const char *, const char *> typed[] = {{"Text1", "12"},
                                                               {"Text2", "40"},
                                                               {"Text3", "5"},
                                                               {"Text4", "100"},
                                                               {"Text5", "100"},
                                                               {"Text6", "20"},
                                                               {"Text7", "20"},
                                                               {"Text8", "10"},
                                                               {"Text9", "10"}};
        for (const auto &[name, text] : typed)
            QTest::keyClicks(form->findChild<QLineEdit *>(name), text);

        ModalBoxes boxes;
        const std::vector<SeenBox> seen = boxes.during(
            [&] { QTest::mouseClick(form->findChild<QPushButton *>("Command1"), Qt::LeftButton); });
        QCOMPARE(seen.size(), 0U);
        auto *label17 = form->findChild<QLabel *>("Label17");
        QCOMPARE(label17->text(), rb1);
        QCOMPARE(form->findChild<QLabel *>("Label20")->text(), rb2);
        QCOMPARE(form->findChild<QLabel *>("Label23")->text(), ii);

        // A screen reader hears the value, what it is and the standard resistors to fit.
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label17);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), rb1);
        QVERIFY(!label17->toolTip().isEmpty());
        const QString description = accessible->text(QAccessible::Description);
        QVERIFY2(description.startsWith("Rb1 [kohm]\n" + fromView(Messages::Note::titoloRb1)),
                 qPrintable(description));
    }

    // The standard resistors follow each completed press; a press that stops keeps them, and a
    // one-transistor press keeps those of Rb2.
    void standardValuesInTooltips()
    {
        auto *label17 = form->findChild<QLabel *>("Label17");
        auto *label20 = form->findChild<QLabel *>("Label20");
        const auto press = [&] {
            ModalBoxes boxes;
            return boxes
                .during([&] {
                    QTest::mouseClick(form->findChild<QPushButton *>("Command1"), Qt::LeftButton);
                })
                .size();
        };
        QTest::mouseClick(form->findChild<QPushButton *>("Command2"), Qt::LeftButton);
        form->findChild<QRadioButton *>("Option2")->setChecked(true);
        QCOMPARE(press(), 0U);
        // Rb1 = 20 kohm is an E24 value; Rb2 = 4.3 / 0.0766 = 56.14 kohm -> 56 kohm, shown with
        // the Rb1 it goes with and the Rb2 recomputed for it.
        QVERIFY2(plainText(label17->toolTip()).contains("\nE24 uguale al calcolato\n20\n"),
                 qPrintable(plainText(label17->toolTip())));
        QVERIFY2(plainText(label20->toolTip()).contains("\nE24 subito sotto\n20\n56.14\n56\n"),
                 qPrintable(plainText(label20->toolTip())));
        const QString rb1Before = label17->toolTip();
        const QString rb2Before = label20->toolTip();

        form->findChild<QLineEdit *>("Text4")->setText("0"); // hFE1min 0: a division by zero
        QCOMPARE(press(), 1U);
        QCOMPARE(label17->toolTip(), rb1Before);
        QCOMPARE(label20->toolTip(), rb2Before);

        form->findChild<QLineEdit *>("Text4")->setText("100");
        form->findChild<QRadioButton *>("Option1")->setChecked(true);
        QCOMPARE(press(), 0U);
        // Rb1 = 4.3 / 0.55 = 7.82 kohm -> 7.5 kohm (E24), 6.8 kohm (E12).
        QVERIFY(plainText(label17->toolTip()).contains("\nE24 subito sotto\n7.5\n"));
        QVERIFY(plainText(label17->toolTip()).contains("\nE12 subito sotto\n6.8\n"));
        QCOMPARE(label20->toolTip(), rb2Before);
    }

    // Every text in view, sample design computed, against its own background: WCAG AA (4.5),
    // whatever palette the desktop hands over before the window is built, in either style.
    void textsReadable_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QPalette>("desktop"); // an empty palette: the platform's own
        QTest::addColumn<QString>("option");
        for (const char *style : {"Fusion", "Windows"})
            for (const auto &[name, desktop] : desktops())
                for (const char *option : {"Option1", "Option2"})
                    QTest::addRow("%s, %s, %s", style, name, option)
                        << QString(style) << desktop << QString(option);
    }

    void textsReadable()
    {
        QFETCH(QString, style);
        QFETCH(QPalette, desktop);
        QFETCH(QString, option);
        form.reset();
        QApplication::setStyle(style);
        if (desktop.resolveMask() != 0)
            QApplication::setPalette(desktop);
        form = openForm1();
        QVERIFY(form);
        form->findChild<QRadioButton *>(option)->setChecked(true);
        QCOMPARE(pressSampleValuesAndCalcola().size(), 0U);

        const QImage shot = form->grab().toImage();
        const qreal scale = shot.devicePixelRatio();
        int checked = 0;
        for (QWidget *widget :
             form->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!widget->isVisible() || qobject_cast<CircuitPicture *>(widget))
                continue;
            const QRect area = textArea(widget);
            const QImage patch = shot.copy(QRect(area.topLeft() * scale, area.size() * scale));
            const double seen = textContrast(patch);
            QVERIFY2(seen >= 4.5,
                     qPrintable(QString("%1: %2").arg(widget->objectName()).arg(seen, 0, 'f', 2)));
            if (qobject_cast<ResultField *>(widget)) {
                // The field's border stays in view: 3 to 1 against the field, as for any edge.
                const QPoint edge(widget->x(), widget->y() + widget->height() / 2);
                const double border = contrast(shot.pixelColor(edge * scale), background(patch));
                QVERIFY2(
                    border >= 3,
                    qPrintable(QString("%1 border: %2").arg(widget->objectName()).arg(border)));
            }
            ++checked;
        }
        QCOMPARE(checked, option == "Option1" ? 24 : 38);
    }

    // The notes of each result: a mark in the field once a press has set them, a tooltip about
    // 60 characters wide that stays on the screen, a long number included.
    void notesTooltips_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("text");
        for (const char *label : {"Label17", "Label20", "Label23"})
            QTest::addRow("%s, sample design", label) << "Option2" << QString() << QString();
        // Ii = 1.2E298 mA: three hundred digits.
        QTest::addRow("Label23, IL 1E300") << "Option1"
                                           << "Text2"
                                           << "1E300";
    }

    void notesTooltips()
    {
        QFETCH(QString, option);
        QFETCH(QString, entry);
        QFETCH(QString, text);
        auto *field =
            form->findChild<ResultField *>(QString(QTest::currentDataTag()).section(u',', 0, 0));
        form->findChild<QRadioButton *>(option)->setChecked(true);
        const QImage before = field->grab().toImage();
        pressSampleValuesAndCalcola(entry, text);
        QVERIFY(!field->toolTip().isEmpty());
        QVERIFY2(field->grab().toImage() != before, "no mark in view");

        const QPoint inside(field->width() / 2, field->height() / 2);
        QHelpEvent help(QEvent::ToolTip, inside, field->mapToGlobal(inside));
        QApplication::sendEvent(field, &help);
        QTRY_VERIFY(QToolTip::isVisible());
        const QWidget *tip = nullptr;
        for (const QWidget *widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && widget->inherits("QTipLabel"))
                tip = widget;
        QVERIFY(tip);
        const int characters = tip->width() / QFontMetrics(tip->font()).averageCharWidth();
        QVERIFY2(characters <= 66, qPrintable(QString("%1 characters wide").arg(characters)));
        // On a screen of 1600 x 1000 pixels, at any scale tried (the offscreen one is smaller).
        const qreal scale = tip->devicePixelRatio();
        QVERIFY(tip->width() * scale <= 1600 && tip->height() * scale <= 1000);
        QToolTip::hideText();
    }

    // F1 opens the design as a report, for the keyboard: "Copia", and Ctrl+C with nothing
    // selected, copy it as text with tab-separated columns, which a screen reader reads too; Esc
    // closes it.
    void reportFromTheKeyboard()
    {
        pressSampleValuesAndCalcola();
        ReportView *view = openReport();
        QVERIFY(view);
        auto *text = view->findChild<QTextBrowser *>("reportText");
        QVERIFY(text->toPlainText().contains(fromView(Messages::Note::titoloRb1)));
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(view->geometry()));

        QClipboard *clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        QTest::mouseClick(view->findChild<QPushButton *>("reportCopy"), Qt::LeftButton);
        const QString copied = clipboard->text();
        // A caption's double blank is the window's alone.
        QVERIFY2(copied.contains("\nIL\t40\t[mA]\n") && copied.contains("\nRb1\t7.82\t[kohm]\n")
                     && copied.contains("\nE12 \u00b110\u00a0%\t5.6\t")
                     && copied.contains("\nmaggiorazione corrente di base per Q1\t20\t[%]\n"),
                 qPrintable(copied));
        QCOMPARE(spokenReport(view), copied);
        clipboard->clear();
        QTest::keySequence(text, QKeySequence::Copy);
        QCOMPARE(clipboard->text(), copied);
        // A selection is copied as selected.
        QVERIFY(text->find(QStringLiteral("Interruttore")));
        QTest::keySequence(text, QKeySequence::Copy);
        QCOMPARE(clipboard->text(), QStringLiteral("Interruttore"));

        QTest::keyClick(text, Qt::Key_Escape);
        QTRY_VERIFY(!view->isVisible());
    }

    // A row of the ranking chosen from the keyboard, a link as a button: its parts become the
    // form's choice, kept, and the report is worked again at them and says so.
    void chooseFromRanking_data()
    {
        QTest::addColumn<bool>("twoTransistors");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("one transistor") << false << QStringList{"worstCase/Q1OneTransistor"};
        QTest::newRow("two transistors")
            << true << QStringList{"worstCase/Q1TwoTransistors", "worstCase/Q2"};
    }

    void chooseFromRanking()
    {
        QFETCH(bool, twoTransistors);
        QFETCH(QStringList, keys);
        const auto restore = qScopeGuard([] { clearStoredSettings(); });
        if (twoTransistors)
            form->findChild<QRadioButton *>("Option2")->click();
        pressSampleValuesAndCalcola();
        ReportView *view = openReport();
        QVERIFY(view);
        auto *text = view->findChild<QTextBrowser *>("reportText");
        const QString before = spokenReport(view);
        QVERIFY(before.contains(fromView(Messages::Note::titoloClassifica)));
        QTest::keyClick(text, Qt::Key_Tab); // the first row's first link
        const QString chosen = text->textCursor().selectedText();
        QVERIFY(!chosen.isEmpty());
        QTest::keyClick(text, Qt::Key_Return);

        QSettings stored(QSettings::defaultFormat(), QSettings::UserScope, "Brenvola", "Brenvola");
        QCOMPARE(stored.value(keys.front()).toString(), chosen);
        const QString after = spokenReport(view);
        QVERIFY2(after.contains("ora in vigore: Q1 " + chosen), qPrintable(after));
        // The worst case follows: its assumptions now take the part's datasheet.
        const QString assumed = "\nQ1: " + chosen + " (";
        QVERIFY(!before.contains(assumed));
        QVERIFY2(after.contains(assumed), qPrintable(after));
        if (twoTransistors)
            QVERIFY(!stored.value(keys.back()).toString().isEmpty());
    }

    // The report is a window of its own that stays open beside the main window: a completed
    // press updates it in place, a changed entry or circuit marks it as of an earlier press, a
    // refused press leaves it as it was. Its buttons answer Enter; a screen reader finds its text
    // by name and reads it without the rich text's marks.
    void reportWindowFollowsThePresses()
    {
        ReportView *view = openReport();
        QVERIFY(view);
        QVERIFY(view->isWindow() && !view->isModal());
        QCOMPARE(view->windowType(), Qt::Window);
        QCOMPARE(view->windowTitle(), fromView(Messages::Report::titoloFinestra));
        QVERIFY(!view->findChild<QPushButton *>("reportCopy")->isVisible());
        auto *stale = view->findChild<QLabel *>("reportStale");

        pressSampleValuesAndCalcola();
        QVERIFY(view->isVisible());
        QVERIFY(spokenReport(view).contains("\nIL\t40\t[mA]\n"));
        QVERIFY(!stale->isVisible());
        QAccessibleInterface *text = QAccessible::queryAccessibleInterface(view->text());
        QCOMPARE(text->text(QAccessible::Name), fromView(Messages::Report::nomeTesto));
        QVERIFY(view->text()->toPlainText().contains(QChar::ObjectReplacementCharacter));
        for (const QChar mark : {QChar(QChar::ObjectReplacementCharacter),
                                 QChar(QChar::ParagraphSeparator),
                                 QChar(QChar::LineSeparator),
                                 QChar(0xFDD0),
                                 QChar(0xFDD1)})
            QVERIFY(!spokenReport(view).contains(mark));

        // IL 20: Ib1 = 1.2 * 20 / 100 = 0.24 mA; Ii = 0.07 + 0.24 = 0.31 mA; Rb1 = 4.3 / 0.31
        const std::vector<SeenBox> updated = pressSampleValuesAndCalcola("Text2", "20");
        QVERIFY(updated.empty());
        QVERIFY2(spokenReport(view).contains("\nRb1\t13.87\t[kohm]\n"),
                 qPrintable(spokenReport(view)));
        QVERIFY(!stale->isVisible());
        const QString before = spokenReport(view);

        // A refused press: the report stays, marked.
        QCOMPARE(pressSampleValuesAndCalcola("Text8", "4,7").size(), 1U);
        QCOMPARE(spokenReport(view), before);
        QVERIFY(stale->isVisible());
        // The entries as they were: no longer marked; another circuit: marked again.
        for (const auto &[name, typed] : {std::pair{"Text2", "20"}, std::pair{"Text8", "10"}}) {
            auto *field = form->findChild<QLineEdit *>(name);
            field->selectAll();
            QTest::keyClicks(field, typed);
        }
        QVERIFY(!stale->isVisible());
        form->findChild<QRadioButton *>("Option2")->setChecked(true);
        QVERIFY(stale->isVisible());
        QCOMPARE(spokenReport(view), before);

        // Enter on "Copia" copies; on "Ipotesi…" it opens the form.
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(view->findChild<QPushButton *>("reportCopy"), Qt::Key_Return);
        QCOMPARE(QGuiApplication::clipboard()->text(), before);
        bool formOpened = false;
        QTimer::singleShot(0, [&] {
            formOpened =
                qobject_cast<CornersDialog *>(QApplication::activeModalWidget()) != nullptr;
            if (QWidget *dialog = QApplication::activeModalWidget())
                dialog->close();
        });
        QTest::keyClick(view->findChild<QPushButton *>("reportCorners"), Qt::Key_Enter);
        QVERIFY(formOpened);

        // Moved, resized and closed: at the next start it opens where it was left.
        const QRect place(120, 90, 520, 410);
        view->setGeometry(place);
        QTRY_COMPARE(view->geometry(), place);
        view->close();
        form = openForm1();
        QVERIFY(form);
        view = openReport();
        QVERIFY(view);
        QCOMPARE(view->geometry(), place);
        clearStoredSettings();
    }

    // The project's block typed in the report's window, Tab and Enter leaving each field: kept,
    // read back by a new window, and written under the byline where filled, its blanks around it
    // left out; Esc in a field still closes the window.
    void projectBlock_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("all three")
            << QStringList{"Scheda relè K3", "M. Rossi", "B"}
            << QStringList{"Progetto\tScheda relè K3", "Progettista\tM. Rossi", "Revisione\tB"};
        QTest::newRow("the designer only")
            << QStringList{"", "Anna Bianchi", ""} << QStringList{"Progettista\tAnna Bianchi"};
        QTest::newRow("blanks write no line")
            << QStringList{"   ", "Luca", " rev. 2 "}
            << QStringList{"Progettista\tLuca", "Revisione\trev. 2"};
    }

    void projectBlock()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, written);
        const auto restore = qScopeGuard([] { clearStoredSettings(); });
        const QStringList names{"reportProject", "reportDesigner", "reportRevision"};
        const QStringList keys{"report/project", "report/designer", "report/revision"};
        // The lines under the byline that name a field of the block.
        const auto block = [](const QString &report) {
            QStringList lines;
            for (const QString &line : report.split(u'\n').mid(2, 3))
                if (line.startsWith("Progett") || line.startsWith("Revisione"))
                    lines << line;
            return lines;
        };
        pressSampleValuesAndCalcola();
        ReportView *view = openReport();
        QVERIFY(view);
        auto *first = view->findChild<QLineEdit *>(names[0]);
        first->setFocus();
        for (int i = 0; i < 3; ++i) {
            auto *field = view->findChild<QLineEdit *>(names[i]);
            QVERIFY(field->hasFocus());
            QVERIFY(!field->accessibleName().isEmpty());
            field->insert(typed[i]); // as typed or pasted: "è" has no key of its own here
            QTest::keyClick(field, i < 2 ? Qt::Key_Tab : Qt::Key_Return);
        }
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(view->findChild<QPushButton *>("reportCopy"), Qt::LeftButton);
        QCOMPARE(block(QGuiApplication::clipboard()->text()), written);
        for (const QString &line : written)
            QVERIFY(view->text()->toPlainText().contains(line.section(u'\t', 1)));
        QSettings stored(QSettings::defaultFormat(), QSettings::UserScope, "Brenvola", "Brenvola");
        for (int i = 0; i < 3; ++i)
            QCOMPARE(stored.value(keys[i]).toString(), typed[i]);
        QTest::keyClick(view->findChild<QLineEdit *>(names[1]), Qt::Key_Escape);
        QTRY_VERIFY(!view->isVisible());

        form = openForm1();
        QVERIFY(form);
        pressSampleValuesAndCalcola();
        view = openReport();
        QVERIFY(view);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(view->findChild<QLineEdit *>(names[i])->text(), typed[i]);
        QCOMPARE(block(spokenReport(view)), written);
    }

    // At its first opening the report shows its widest table and its picture whole, without a
    // scroll to the side: with no place kept, or with one kept narrower than they need.
    void reportOpensWideEnough_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("keptWidth");
        QTest::newRow("one transistor") << "Option1" << 0;
        QTest::newRow("two transistors") << "Option2" << 0;
        QTest::newRow("two transistors, kept narrower") << "Option2" << 300;
    }

    void reportOpensWideEnough()
    {
        QFETCH(QString, option);
        QFETCH(int, keptWidth);
        const auto restore = qScopeGuard([] { clearStoredSettings(); });
        if (keptWidth > 0) {
            QWidget narrow;
            narrow.setGeometry(40, 40, keptWidth, 400);
            QSettings(QSettings::defaultFormat(), QSettings::UserScope, "Brenvola", "Brenvola")
                .setValue("report/geometry", narrow.saveGeometry());
        }
        form->findChild<QRadioButton *>(option)->setChecked(true);
        pressSampleValuesAndCalcola();
        ReportView *view = openReport();
        QVERIFY(view);
        const QRect screen = view->screen()->availableGeometry();
        QVERIFY(screen.contains(view->geometry()));
        QTextBrowser *text = view->text();
        QTRY_COMPARE(text->horizontalScrollBar()->maximum(), 0);
        QVERIFY2(text->document()->idealWidth() <= text->viewport()->width(),
                 qPrintable(QString("%1 in %2 on a screen %3 wide")
                                .arg(text->document()->idealWidth())
                                .arg(text->viewport()->width())
                                .arg(screen.width())));
    }

    // The byline's date and time in Italian under this English locale too: the day without a
    // leading zero, the month's Italian name, the 24-hour clock with its leading zero.
    void bylineDateInItalian_data()
    {
        QTest::addColumn<QDateTime>("at");
        QTest::addColumn<QString>("written");
        QTest::newRow("morning") << QDateTime(QDate(2026, 12, 9), QTime(8, 54))
                                 << "9 dicembre 2026, 08:54";
        QTest::newRow("just after midnight")
            << QDateTime(QDate(2027, 1, 1), QTime(0, 5)) << "1 gennaio 2027, 00:05";
        QTest::newRow("evening") << QDateTime(QDate(2026, 8, 31), QTime(20, 45))
                                 << "31 agosto 2026, 20:45";
    }
    void bylineDateInItalian()
    {
        QFETCH(QDateTime, at);
        QFETCH(QString, written);
        QCOMPARE(QLocale().language(), QLocale::English);
        QCOMPARE(italianDateAndTime(at), written);
    }

    // "Salva PDF…": the report as shown to an A4 PDF, in the folder chosen the last time, under
    // the date and time, to the second, its figures were last worked: at the press, or at a
    // choice from the ranking a second later; read back, it holds the summary's figures.
    void savePdf_data()
    {
        QTest::addColumn<bool>("chooseLater");
        QTest::newRow("as pressed") << false;
        QTest::newRow("worked again at a choice") << true;
    }

    void savePdf()
    {
        QFETCH(bool, chooseLater);
        const auto restore = qScopeGuard([] { clearStoredSettings(); });
        const QTemporaryDir folder;
        QSettings(QSettings::defaultFormat(), QSettings::UserScope, "Brenvola", "Brenvola")
            .setValue("report/pdfFolder", folder.path());
        pressSampleValuesAndCalcola();
        const QDateTime pressedAt = QDateTime::currentDateTime();
        ReportView *view = openReport();
        QVERIFY(view);
        if (chooseLater) {
            QTest::qWait(1100);
            QTest::keyClick(view->text(), Qt::Key_Tab); // the ranking's first link
            QTest::keyClick(view->text(), Qt::Key_Return);
        }
        QString proposed;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            proposed = dialog->selectedFiles().value(0);
            dialog->selectFile(folder.filePath("progetto.pdf"));
            static_cast<QDialog *>(dialog)->accept(); // as its "Salva" does
        });
        const QDateTime pressed = QDateTime::currentDateTime();
        QTest::keyClick(view->findChild<QPushButton *>("reportSavePdf"), Qt::Key_Return);
        // Named to the second the figures were worked: the press's, or one after it.
        const QString format = "'Progetto transistor 'yyyy-MM-dd HHmmss'.pdf'";
        const QDateTime named = QDateTime::fromString(QFileInfo(proposed).fileName(), format);
        const qint64 sincePress = named.msecsTo(pressedAt); // the press's second: 0 to 999
        QVERIFY2(named.isValid() && named.msecsTo(pressed) >= 0
                     && (chooseLater ? sincePress < 0 : sincePress >= 0 && sincePress < 1100),
                 qPrintable(proposed));
        QCOMPARE(QFileInfo(proposed).absolutePath(), QDir(folder.path()).absolutePath());

        QFile pdf(folder.filePath("progetto.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.size() > 1000 && pdf.read(5) == "%PDF-");
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF's text is not read back");
        QProcess reader;
        reader.start(pdftotext, {"-layout", pdf.fileName(), "-"});
        QVERIFY(reader.waitForFinished());
        const QString text = QString::fromUtf8(reader.readAllStandardOutput()).simplified();
        // The choice's part buys other values than the press's.
        const QString e12 =
            chooseLater ? QString("E12 \u00b110 % 3.9 26") : QString("E12 \u00b110 % 5.6 48 0.873");
        for (const QString &part : {fromView(Messages::Note::titoloRelazione),
                                    fromView(Messages::Note::titoloRiepilogo),
                                    e12})
            QVERIFY2(text.contains(part), qPrintable(part + " not in " + text));
    }

    // The PDF of either circuit's report on A4 pages: the text as wide as the page, each page's
    // foot with the report's title, the byline's date and time, and "pagina i di N", and at no
    // page's foot a table's title or column headings without the table's first row, nor a picture's
    // caption without the picture.
    void pdfPages_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("one transistor") << "Option1";
        QTest::newRow("two transistors") << "Option2";
    }

    void pdfPages()
    {
        QFETCH(QString, option);
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
        if (pdftotext.isEmpty() || pdfinfo.isEmpty())
            QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed: no PDF is read back");
        form->findChild<QRadioButton *>(option)->setChecked(true);
        pressSampleValuesAndCalcola();
        ReportView *view = openReport();
        QVERIFY(view);
        const QTextDocument &document = *view->text()->document();

        // The lines that may not end a page, as the report's window holds them: a table's title
        // and its head (the headings in bold and the units: the rows a page repeats), and the
        // caption above the picture.
        const auto line = [](const QTextTable *table, int row) {
            QStringList cells;
            for (int column = 0; column < table->columns(); ++column)
                cells << table->cellAt(row, column).firstCursorPosition().block().text();
            return cells.join(u' ').simplified();
        };
        QStringList lastLines;
        QTextBlock before;
        for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
            if (const auto *table = qobject_cast<const QTextTable *>(it.currentFrame())) {
                const QTextCharFormat first = table->cellAt(0, 0)
                                                  .firstCursorPosition()
                                                  .block()
                                                  .begin()
                                                  .fragment()
                                                  .charFormat();
                const int head = table->format().headerRowCount();
                // The headings, and the units where the table has any.
                QVERIFY(first.fontWeight() >= QFont::Bold ? head == 1 || head == 2 : head == 0);
                lastLines << before.text().simplified();
                for (int row = 0; row < head; ++row)
                    lastLines << line(table, row);
                before = QTextBlock();
            } else {
                if (it.currentBlock().text().contains(QChar::ObjectReplacementCharacter))
                    lastLines << before.text().simplified();
                before = it.currentBlock();
            }
        }

        const QTemporaryDir folder;
        const QString path = folder.filePath("progetto.pdf");
        QVERIFY(!view->writePdfTo(path));
        // The date and time: the byline's end, after the program's name and version.
        const QString byline = spokenReport(view).section(u'\n', 1, 1);
        const QString dated = byline.section(", ", 1).section(' ', 3);
        QVERIFY2(QRegularExpression("^\\d+ \\w+ \\d{4}, \\d\\d:\\d\\d$").match(dated).hasMatch(),
                 qPrintable(byline));
        const auto read = [](const QString &program, const QStringList &arguments) {
            QProcess reader;
            reader.start(program, arguments);
            return reader.waitForFinished() ? QString::fromUtf8(reader.readAllStandardOutput())
                                            : QString();
        };
        const int pages =
            QRegularExpression("Pages:\\s*(\\d+)").match(read(pdfinfo, {path})).captured(1).toInt();
        QVERIFY2(pages > 1, qPrintable(QString("%1 pages").arg(pages)));
        for (int page = 1; page <= pages; ++page) {
            const QString number = QString::number(page);
            QStringList lines;
            for (const QString &text :
                 read(pdftotext, {"-f", number, "-l", number, "-layout", path, "-"}).split(u'\n'))
                if (const QString line = text.simplified(); !line.isEmpty())
                    lines << line;
            QVERIFY(lines.size() > 1);
            // The foot's spaces are narrower than the reader takes for a space: compared without.
            const QString foot = lines.last().remove(u' ');
            const QString title = fromView(Messages::Note::titoloRelazione).remove(u' ');
            const QString numbered = QString("pagina%1di%2").arg(page).arg(pages);
            QVERIFY2(foot.startsWith(title)
                         && foot.endsWith(QString(dated).remove(u' ') + numbered),
                     qPrintable(QString("page %1's foot: %2").arg(page).arg(lines.last())));
            const QString last = lines[lines.size() - 2];
            QVERIFY2(!lastLines.contains(last),
                     qPrintable(QString("page %1 ends on: %2").arg(number, last)));
        }

        // The legend and the long lines under the tables run past 70 % of the page's width.
        const QString boxes = read(pdftotext, {"-bbox", path, "-"});
        const double width =
            QRegularExpression("<page width=\"([0-9.]+)\"").match(boxes).captured(1).toDouble();
        double right = 0;
        for (const QRegularExpressionMatch &word :
             QRegularExpression("xMax=\"([0-9.]+)\"").globalMatch(boxes))
            right = std::max(right, word.captured(1).toDouble());
        QVERIFY2(right > 0.7 * width, qPrintable(QString("%1 of %2").arg(right).arg(width)));
    }

    // A picture that would run over a page's end goes to the next page whole, its caption with
    // it: on one page, that of the caption, however much text stands above them.
    void pdfPictureWhole_data()
    {
        QTest::addColumn<int>("paragraphs");
        for (int paragraphs = 24; paragraphs <= 44; paragraphs += 4)
            QTest::addRow("%d paragraphs above", paragraphs) << paragraphs;
    }

    void pdfPictureWhole()
    {
        QFETCH(int, paragraphs);
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        const QString pdfimages = QStandardPaths::findExecutable("pdfimages");
        if (pdftotext.isEmpty() || pdfimages.isEmpty())
            QSKIP("pdftotext and pdfimages (poppler-utils) are not installed: no PDF is read back");
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        QTextDocument document;
        document.addResource(QTextDocument::ImageResource, QUrl("brenvola:circuit"), picture);
        document.setHtml(QString("<p>Riga</p>").repeated(paragraphs)
                         + "<p>Circuito: carico</p><p><img src=\"brenvola:circuit\"></p>");
        const QTemporaryDir folder;
        const QString path = folder.filePath("progetto.pdf");
        QVERIFY(!writePdf(document, path));
        QProcess reader;
        reader.start(pdfimages, {"-list", path});
        QVERIFY(reader.waitForFinished());
        // Two lines of headings, then a line for each image drawn: its page first.
        const QStringList drawn = QString::fromUtf8(reader.readAllStandardOutput())
                                      .split(u'\n', Qt::SkipEmptyParts)
                                      .mid(2);
        QCOMPARE(drawn.size(), 1);
        const QString page = drawn.front().simplified().section(u' ', 0, 0);
        reader.start(pdftotext, {"-f", page, "-l", page, path, "-"});
        QVERIFY(reader.waitForFinished());
        QVERIFY(QString::fromUtf8(reader.readAllStandardOutput()).contains("Circuito: carico"));
    }

    // A PDF that cannot be written says why and leaves nothing under its name.
    void pdfRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing folder") << "missing/progetto.pdf";
        QTest::newRow("a folder in its place") << "folder";
    }

    void pdfRefused()
    {
        QFETCH(QString, name);
        const QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("folder"));
        QTextDocument document(QStringLiteral("Interruttore"));
        const std::optional<QString> failure = writePdf(document, folder.filePath(name));
        QVERIFY(failure && !failure->isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"folder"});
        QVERIFY(QFileInfo(folder.filePath("folder")).isDir());
    }

    // The worst case's ranges from F1's view by keyboard alone: Tab reaches "Ipotesi…"; a
    // refused value leaves the form open with what was typed, and Esc then changes nothing;
    // confirmed, the ranges are kept, the notes worked again, and a new window reads them back.
    void cornersFormByKeyboard()
    {
        pressSampleValuesAndCalcola();
        QSettings stored(QSettings::defaultFormat(), QSettings::UserScope, "Brenvola", "Brenvola");
        const auto whileOpen = [this](const std::function<void(QWidget *)> &typing) {
            return whileCornersFormOpen(typing);
        };

        QString typedAfterRefusal;
        const std::vector<SeenBox> refused = whileOpen([&](QWidget *dialog) {
            const QLineEdit *field = typeE24("5,0");
            typedAfterRefusal = field->text() + (dialog->focusWidget() == field ? " focused" : "");
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QCOMPARE(refused.size(), 1U);
        QCOMPARE(refused.front().text,
                 QString("Tolleranza E24 [%]: scrivi un numero da 0 a meno di 50, con il punto "
                         "come separatore decimale."));
        QCOMPARE(typedAfterRefusal, QString("5,0 focused"));
        QVERIFY(!stored.contains("worstCase/toleranceE24"));

        QCOMPARE(whileOpen([&](QWidget *) { typeE24("1"); }).size(), 0U);
        stored.sync();
        QCOMPARE(stored.value("worstCase/toleranceE24").toString(), QString("1"));
        // The report shows it at once, worked at 1 %: 6.8 kohm leaves 33 % (26 % at 5 %).
        auto *view = form->findChild<ReportView *>("reportWindow");
        QVERIFY(view->isVisible());
        const QString report = spokenReport(view);
        QVERIFY2(report.contains("\nE24 \u00b11\u00a0%\t6.8\t33\t0.654\n")
                     && report.contains("(impostate dall'utente)"),
                 qPrintable(report));
        view->close();
        QVERIFY(form->findChild<QLabel *>("Label17")->toolTip().contains("E24 \u00b11\u00a0%"));

        // A new window, as at the next start, reads them back.
        form = openForm1();
        QVERIFY(form);
        pressSampleValuesAndCalcola();
        QVERIFY(form->findChild<QLabel *>("Label17")->toolTip().contains("E24 \u00b11\u00a0%"));
        clearStoredSettings();
    }

    // A settings file edited by hand: the window opens, damaged values take their defaults and
    // the report says which; the stored values stay as they were until the form is confirmed.
    void damagedSettings()
    {
        {
            QSettings stored(
                QSettings::defaultFormat(), QSettings::UserScope, "Brenvola", "Brenvola");
            stored.setValue("worstCase/VbeHighest", "0,9");
            stored.setValue("worstCase/toleranceE12", QStringList{"5", "10"});
            stored.setValue("worstCase/toleranceE24", "1");
            stored.setValue("worstCase/fromALaterVersion", "?");
            stored.setValue("worstCase/saturationForcedGain", "tanto");
            stored.setValue("report/project", QByteArray("\0\x01", 2)); // not a text
        }
        form = openForm1();
        QVERIFY(form);
        pressSampleValuesAndCalcola();
        ReportView *view = openReport();
        QVERIFY(view);
        const QString report = spokenReport(view);
        view->close();
        // Named under the title, and again after the assumptions.
        const QString replaced =
            "Impostazioni salvate non valide, sostituite con i valori predefiniti: Vbe massima "
            "[V], Tolleranza E12 [%], Ic/Ib massimo di un transistor come inserito.\n";
        QVERIFY2(report.section(u'\n', 2, 2) + u'\n' == replaced && report.endsWith(replaced)
                     && report.contains("E12 \u00b110\u00a0%, E24 \u00b11\u00a0%"),
                 qPrintable(report));
        // The form marks each field replaced with what was stored.
        QStringList marks;
        whileCornersFormOpen([&](QWidget *dialog) {
            for (const QLabel *mark :
                 dialog->findChildren<QLabel *>(QRegularExpression("^cornerMark")))
                marks << mark->objectName() + ": " + mark->text();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        marks.sort();
        QCOMPARE(
            marks,
            QStringList({"cornerMark1: Salvato \u00ab0,9\u00bb, non valido: qui il predefinito.",
                         "cornerMark20: Salvato \u00abtanto\u00bb, non valido: qui il predefinito.",
                         "cornerMark4: Salvato \u00ab\u00bb, non valido: qui il predefinito."}));
        QSettings stored(QSettings::defaultFormat(), QSettings::UserScope, "Brenvola", "Brenvola");
        QCOMPARE(stored.value("worstCase/VbeHighest").toString(), QString("0,9"));
        // The project's field not read is left empty, and what was stored kept.
        QCOMPARE(view->findChild<QLineEdit *>("reportProject")->text(), QString());
        QCOMPARE(stored.value("report/project").toByteArray(), QByteArray("\0\x01", 2));
        clearStoredSettings();
    }

    // The form's list of logic outputs: an entry chosen fills in its figures and is kept by its
    // key; a figure then typed makes the output the designer's own; "come inserita" empties them.
    // A new window, as at the next start, shows the choice confirmed.
    void cornersOutputList_data()
    {
        QTest::addColumn<QString>("typed");    // into Vi alta minima after the choice; empty: none
        QTest::addColumn<bool>("thenAsTyped"); // "come inserita" chosen last
        QTest::addColumn<QString>("storedKey");
        QTest::addColumn<QString>("storedViLowest");
        QTest::addColumn<QString>("shownAgain");
        const QString asTyped = fromView(Messages::Corners::comeInserita);
        QTest::newRow("a list entry") << "" << false << "74HC-5V"
                                      << "3.84"
                                      << "74HC a 5\u00a0V \u00b110\u00a0%";
        QTest::newRow("a figure typed") << "3.5" << false << ""
                                        << "3.5"
                                        << "personalizzata";
        QTest::newRow("as typed") << "" << true << ""
                                  << "" << asTyped;
    }

    void cornersOutputList()
    {
        QFETCH(QString, typed);
        QFETCH(bool, thenAsTyped);
        QFETCH(QString, storedKey);
        QFETCH(QString, storedViLowest);
        QFETCH(QString, shownAgain);
        const auto restore = qScopeGuard([] { clearStoredSettings(); });
        pressSampleValuesAndCalcola();
        QStringList seen; // the choice and Vi alta minima after each step
        whileCornersFormOpen([&](QWidget *dialog) {
            auto *output = dialog->findChild<QComboBox *>("cornerOutput");
            auto *ViLowest = dialog->findChild<QLineEdit *>("cornerField8");
            const auto see = [&] { seen << output->currentText() + " | " + ViLowest->text(); };
            see();
            output->setFocus();
            for (int i = 0; i < output->count() && !output->currentText().startsWith("74HC a 5");
                 ++i)
                QTest::keyClick(output, Qt::Key_Down);
            see();
            if (!typed.isEmpty()) {
                ViLowest->setFocus();
                QTest::keyClick(ViLowest, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(ViLowest, typed);
                see();
            }
            if (thenAsTyped) {
                output->setFocus();
                QTest::keyClick(output, Qt::Key_Home);
                see();
            }
            QTest::keyClick(dialog->findChild<QLineEdit *>("cornerField11"), Qt::Key_Return);
        });
        const QString asTyped = fromView(Messages::Corners::comeInserita);
        const QString hc = "74HC a 5\u00a0V \u00b110\u00a0%";
        QStringList expected{asTyped + " | ", hc + " | 3.84"};
        if (!typed.isEmpty())
            expected << "personalizzata | " + typed;
        if (thenAsTyped)
            expected << asTyped + " | ";
        QCOMPARE(seen, expected);
        QSettings stored(QSettings::defaultFormat(), QSettings::UserScope, "Brenvola", "Brenvola");
        QCOMPARE(stored.value("worstCase/output").toString(), storedKey);
        QCOMPARE(stored.value("worstCase/ViLowest").toString(), storedViLowest);

        form = openForm1();
        QVERIFY(form);
        QString shown;
        whileCornersFormOpen([&](QWidget *dialog) {
            shown = dialog->findChild<QComboBox *>("cornerOutput")->currentText();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QCOMPARE(shown, shownAgain);
    }

    // On a screen shorter than the form (offscreen: 600 px) its groups scroll and its buttons stay
    // in view.
    void cornersFormFitsTheScreen()
    {
        pressSampleValuesAndCalcola();
        whileCornersFormOpen([&](QWidget *dialog) {
            const QRect screen = dialog->screen()->availableGeometry();
            QVERIFY(dialog->height() <= screen.height());
            auto *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
            QVERIFY(dialog->rect().contains(QRect(ok->mapTo(dialog, QPoint()), ok->size())));
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
    }

    // The low state of the output's own figures: used only where the output is not from the
    // list; the pin's leakage stored where it may float, nothing where it may not.
    void cornersFloatingPin()
    {
        const auto restore = qScopeGuard([] { clearStoredSettings(); });
        pressSampleValuesAndCalcola();
        const auto field = [](QWidget *dialog, CornerField f) {
            return dialog->findChild<QLineEdit *>(
                QStringLiteral("cornerField%1").arg(static_cast<int>(f)));
        };
        QStringList seen; // VOL, the check box, the leakage: enabled or not
        const auto see = [&](QWidget *dialog) {
            auto *floats = dialog->findChild<QCheckBox *>("cornerFloats");
            seen << QStringLiteral("%1 %2 %3")
                        .arg(field(dialog, CornerField::OutputLow)->isEnabled())
                        .arg(floats->isEnabled())
                        .arg(field(dialog, CornerField::FloatingLeakage)->isEnabled());
        };
        whileCornersFormOpen([&](QWidget *dialog) {
            see(dialog);
            dialog->findChild<QCheckBox *>("cornerFloats")->click();
            see(dialog);
            QLineEdit *leakage = field(dialog, CornerField::FloatingLeakage);
            leakage->setFocus();
            QTest::keyClick(leakage, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(leakage, "2");
            auto *output = dialog->findChild<QComboBox *>("cornerOutput");
            output->setFocus();
            QTest::keyClick(output, Qt::Key_Down);
            see(dialog);
            QTest::keyClick(output, Qt::Key_Home);
            see(dialog);
            QTest::keyClick(leakage, Qt::Key_Return);
        });
        QCOMPARE(seen, QStringList({"1 1 0", "1 1 1", "0 0 0", "1 1 1"}));
        QSettings stored(QSettings::defaultFormat(), QSettings::UserScope, "Brenvola", "Brenvola");
        QCOMPARE(stored.value("worstCase/floatingLeakage").toString(), QString("2"));
        whileCornersFormOpen([&](QWidget *dialog) {
            auto *floats = dialog->findChild<QCheckBox *>("cornerFloats");
            QVERIFY(floats->isChecked());
            QCOMPARE(field(dialog, CornerField::FloatingLeakage)->text(), QString("2"));
            floats->click();
            QTest::keyClick(field(dialog, CornerField::OutputLow), Qt::Key_Return);
        });
        stored.sync();
        QCOMPARE(stored.value("worstCase/floatingLeakage").toString(), QString());
    }

    // Where the settings cannot be written, confirming the form says so and why, and the report
    // holds the ranges confirmed as not saved; nothing is claimed, nothing changed on disk.
    void settingsNotSaved_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder in its place") << true << "al posto del file c'è una cartella";
        QTest::newRow("read-only file") << false << "il file è di sola lettura";
    }

    void settingsNotSaved()
    {
        QFETCH(bool, folder);
        QFETCH(QString, reason);
        const QString file =
            QSettings(QSettings::defaultFormat(), QSettings::UserScope, "Brenvola", "Brenvola")
                .fileName();
        QFile::remove(file);
        if (folder) {
            QVERIFY(QDir().mkpath(file));
        } else {
            QSettings(QSettings::defaultFormat(), QSettings::UserScope, "Brenvola", "Brenvola")
                .setValue("worstCase/toleranceE24", "5");
            QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadUser));
        }
        const auto restore = qScopeGuard([&] {
            if (folder)
                QDir(file).removeRecursively();
            QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
            clearStoredSettings();
        });
        if (!folder && QFileInfo(file).isWritable())
            QSKIP("A read-only file stays writable to this user (root): run as another user");

        form = openForm1();
        QVERIFY(form);
        pressSampleValuesAndCalcola();
        const std::vector<SeenBox> boxes = whileCornersFormOpen([](QWidget *) { typeE24("1"); });
        QCOMPARE(boxes.size(), 1U);
        QCOMPARE(boxes.front().text,
                 "Non è stato possibile salvare le ipotesi del caso peggiore in "
                     + QDir::toNativeSeparators(file) + ": " + reason
                     + ". Valgono solo fino alla chiusura del programma.");
        const QString report = spokenReport(form->findChild<ReportView *>("reportWindow"));
        const QString unsaved =
            "Ipotesi non salvate: " + reason + "; valgono fino alla chiusura del programma.\n";
        QVERIFY2(report.contains("E24 \u00b11\u00a0%\t6.8\t33\t0.654\n")
                     && report.count(unsaved) == 2 && report.endsWith(unsaved),
                 qPrintable(report));
        QCOMPARE(QFileInfo(file).isDir(), folder);
        // On disk as it was (Qt's own settings in this process keep what was set, unsaved); its
        // lines end in CR LF on Windows.
        QFile written(file);
        QVERIFY(
            folder
            || (written.open(QIODevice::ReadOnly) && written.readAll().contains("toleranceE24=5")));
    }

    // A settings file that cannot be read: the defaults hold, and the report says why at its top.
    void settingsNotRead_data()
    {
        QTest::addColumn<QByteArray>("content"); // "folder": a folder in its place
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << QByteArray() << "il file è vuoto";
        QTest::newRow("a folder in its place")
            << QByteArray("folder") << "al posto del file c'è una cartella";
        QTest::newRow("not a settings file")
            << QByteArray("\x89PNG\r\n\x1a\n\0\0[worstCase\n\xff\xfe=\0", 19)
            << "il file non si può leggere come impostazioni";
    }

    void settingsNotRead()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString file =
            QSettings(QSettings::defaultFormat(), QSettings::UserScope, "Brenvola", "Brenvola")
                .fileName();
        const auto restore = qScopeGuard([&] {
            QDir(file).removeRecursively();
            QFile::remove(file);
        });
        QFile::remove(file);
        if (content == "folder") {
            QVERIFY(QDir().mkpath(file));
        } else {
            QFile written(file);
            QVERIFY(written.open(QIODevice::WriteOnly));
            written.write(content);
        }
        form = openForm1();
        QVERIFY(form);
        pressSampleValuesAndCalcola();
        ReportView *view = openReport();
        QVERIFY(view);
        const QStringList lines = spokenReport(view).split(u'\n');
        QCOMPARE(lines.value(2),
                 "Impostazioni salvate non lette (" + QDir::toNativeSeparators(file) + ": " + reason
                     + "): valgono i valori predefiniti.");
    }

    // The control that has the focus is ringed on the window's orange, 3 : 1 at least, under
    // any palette; without the focus, nothing is drawn there.
    void focusVisible_data()
    {
        QTest::addColumn<QPalette>("desktop");
        QTest::addColumn<QString>("control");
        for (const auto &[name, desktop] : desktops())
            for (const char *control : {"Picture1", "Command1", "Command2", "Text2", "Option1"})
                QTest::addRow("%s, %s", control, name) << desktop << QString(control);
    }

    void focusVisible()
    {
        QFETCH(QPalette, desktop);
        QFETCH(QString, control);
        form.reset();
        if (desktop.resolveMask() != 0)
            QApplication::setPalette(desktop);
        form = openForm1();
        QVERIFY(form);
        QWidget *widget = form->findChild<QWidget *>(control);
        const QPoint above(widget->x() + widget->width() / 2, widget->y() - 2);
        const QPoint left(widget->x() - 2, widget->y() + widget->height() / 2);
        const auto seen = [&](QPoint at) {
            const QImage shot = form->grab().toImage();
            return shot.pixelColor(at * shot.devicePixelRatio());
        };
        widget->setFocus();
        QTRY_VERIFY(widget->hasFocus());
        for (const QPoint at : {above, left})
            QVERIFY2(contrast(seen(at), orange) >= 3, qPrintable(seen(at).name()));
        form->findChild<QWidget *>(control == "Text2" ? "Text3" : "Text2")->setFocus();
        QTRY_VERIFY(!widget->hasFocus());
        QCOMPARE(seen(above), orange);
        QCOMPARE(seen(left), orange);
    }

    // A result wider than its field shows an ellipsis in front, never a shorter number; text(),
    // the accessible name and the tooltip keep it whole.
    void longResultShownShortened_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("whole"); // "." for the locale's separator
        // Ii = 0.7 / 10 + 1.2 * 1E22 / 100 = 1.2E20 mA
        QTest::newRow("IL 1E22") << "Text2"
                                 << "Label23"
                                 << "120000000000000000000.00";
        // Rb1 = (1E22 - 0.7) / 0.55 = 1.8E22 kohm
        QTest::newRow("Vi 1E22") << "Text3"
                                 << "Label17"
                                 << "18181818181818184105984.00";
    }

    void longResultShownShortened()
    {
        QFETCH(QString, entry);
        QFETCH(QString, result);
        QFETCH(QString, whole);
        whole.replace(u'.', QLocale().decimalPoint());
        pressSampleValuesAndCalcola(entry, "1E22");
        auto *label = form->findChild<QLabel *>(result);
        QCOMPARE(label->text(), whole);
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), whole);

        // Three dots low on the line come first, then the first glyph that reaches up the line.
        const QRect area = static_cast<ResultField *>(label)->captionRect();
        const QImage patch = label->grab(area).toImage();
        const QColor paper = background(patch);
        int dots = 0;
        bool inMark = false;
        for (int x = 0; x < patch.width(); ++x) {
            bool any = false;
            bool high = false; // above the middle of the line, where the dots never reach
            for (int y = 0; y < patch.height(); ++y) {
                const bool ink = contrast(paper, patch.pixelColor(x, y)) > 2;
                any = any || ink;
                high = high || (ink && y < patch.height() / 2);
            }
            if (high)
                break;
            dots += inMark && !any;
            inMark = any;
        }
        QCOMPARE(dots, 3);

        const QPoint inside(label->width() / 2, label->height() / 2);
        QHelpEvent help(QEvent::ToolTip, inside, label->mapToGlobal(inside));
        QApplication::sendEvent(label, &help);
        // The whole result first, wrapped; the notes below it.
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(plainText(QToolTip::text()).trimmed().section(u'\n', 0, 0).remove(QChar(0x200B)),
                 whole);
        QToolTip::hideText();
    }

    // A result that fits looks exactly as a plain framed label shows it, at any scale, beside
    // the mark of its notes.
    void fittingResultsAsPlainLabels()
    {
        pressSampleValuesAndCalcola();
        for (const char *name : {"Label17", "Label23"}) {
            auto *field = form->findChild<ResultField *>(name);
            QLabel plain(field->text());
            plain.setFont(field->font());
            plain.setPalette(field->palette());
            plain.setAutoFillBackground(true);
            plain.setFrameStyle(QFrame::Box | QFrame::Plain);
            plain.setAlignment(field->alignment());
            plain.setMargin(1);
            plain.resize(field->size());
            const QRect caption(QPoint(field->captionRect().left(), 0),
                                QPoint(field->width() - 1, field->height() - 1));
            QCOMPARE(field->grab(caption).toImage(), plain.grab(caption).toImage());
        }
    }

    // The toolkit's own menus speak Italian under any locale; a result or an entry is copied as
    // a user copies it: selected with the mouse, then "Copia" from the context menu.
    void contextMenus_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::newRow("Text2") << QStringList{
            "Annulla", "Rifai", "Taglia", "Copia", "Incolla", "Elimina", "Seleziona tutto"};
        QTest::newRow("Label17") << QStringList{"Copia", "Seleziona tutto"};
    }

    void contextMenus()
    {
        QFETCH(QStringList, actions);
        pressSampleValuesAndCalcola();
        QWidget *widget = form->findChild<QWidget *>(QTest::currentDataTag());
        const int middle = widget->height() / 2;
        QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(widget->width() - 2, middle));
        QTest::mouseMove(widget, QPoint(1, middle));
        QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(1, middle));
        QApplication::clipboard()->clear();
        QCOMPARE(contextMenu(widget, "Copia"), actions);
        const auto *label = qobject_cast<QLabel *>(widget);
        QCOMPARE(QApplication::clipboard()->text(),
                 label ? label->text() : qobject_cast<QLineEdit *>(widget)->text());
    }

    void accessibleNamesOfEntries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Text1") << "Vcc [V]";
        QTest::newRow("Text2") << "IL [mA]";
        QTest::newRow("Text3") << "Vi [V]";
        QTest::newRow("Text4") << "hFE1min";
        QTest::newRow("Text5") << "hFE2min";
        QTest::newRow("Text6") << "maggiorazione corrente di base  per Q1 [%]";
        QTest::newRow("Text7") << "maggiorazione corrente di base  per Q2 [%]";
        QTest::newRow("Text8") << "R1 [kohm]";
        QTest::newRow("Text9") << "R2 [kohm]";
    }

    void accessibleNamesOfEntries()
    {
        QFETCH(QString, name);
        auto *entry = form->findChild<QLineEdit *>(QTest::currentDataTag());
        QCOMPARE(QAccessible::queryAccessibleInterface(entry)->text(QAccessible::Name), name);
    }

    void resultDescriptions()
    {
        QCOMPARE(form->findChild<QLabel *>("Label20")->accessibleDescription(),
                 QString("Rb2 [kohm]"));
        QCOMPARE(form->findChild<QLabel *>("Label23")->accessibleDescription(), QString("Ii [mA]"));
    }

    // Both drawings: their own size, greyscale, framed, larger than their box; what the box shows
    // is the drawing's icon at its own size, in a pixmap made for the screen's scale.
    void pictures_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("Picture1") << QSize(340, 348);
        QTest::newRow("Picture2") << QSize(492, 340);
    }

    void pictures()
    {
        QFETCH(QSize, size);
        auto *picture = form->findChild<CircuitPicture *>(QTest::currentDataTag());
        QCOMPARE(picture->drawingSize(), size);
        QVERIFY(picture->width() < size.width() && picture->height() < size.height());
        QCOMPARE(picture->focusPolicy(), Qt::StrongFocus);
        form->findChild<QRadioButton *>(
                picture == form->findChild<QWidget *>("Picture1") ? "Option1" : "Option2")
            ->setChecked(true);
        form->setFocus(); // no focus mark around the box
        const QImage window = form->grab().toImage();
        const qreal scale = window.devicePixelRatio();
        // The device pixels wholly inside the box (at 125 % its edges fall inside pixels).
        const QRectF exact(QPointF(picture->pos()) * scale, QSizeF(picture->size()) * scale);
        const QRect box(
            QPoint(int(std::ceil(exact.left())), int(std::ceil(exact.top()))),
            QPoint(int(std::floor(exact.right())) - 1, int(std::floor(exact.bottom())) - 1));
        const QImage shot = window.copy(box);
        int dark = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                QVERIFY2(c.red() == c.green() && c.green() == c.blue(),
                         qPrintable(QString("colour at %1,%2").arg(x).arg(y)));
                dark += c.red() < 128;
            }
        // The frame's top and left edges are in the box; its right and bottom ones are cut off.
        if (exact == QRectF(box)) {
            QCOMPARE(shot.pixelColor(0, shot.height() / 2), QColor(Qt::black));
            QCOMPARE(shot.pixelColor(shot.width() / 2, 0), QColor(Qt::black));
        }
        QCOMPARE(shot.pixelColor(shot.width() - 1, shot.height() / 2), QColor(Qt::white));
        QVERIFY2(dark > 2000 * scale * scale, "the circuit is drawn"); // frame alone: about 700

        const QPixmap drawn =
            loadDrawing(":/pictures/" + QString(QTest::currentDataTag()).toLower())
                .icon.pixmap(size, scale);
        QCOMPARE(drawn.deviceIndependentSize(), QSizeF(size)); // not scaled up from fewer pixels
        QCOMPARE(drawn.devicePixelRatio(), scale);
        QImage expected(window.size(), QImage::Format_RGB32);
        expected.setDevicePixelRatio(scale);
        QPainter painter(&expected);
        painter.drawPixmap(picture->pos(), drawn);
        painter.end();
        QCOMPARE(shot.convertToFormat(QImage::Format_RGB32), expected.copy(box));
    }

    void icon()
    {
        const QIcon icon = QApplication::windowIcon();
        QVERIFY(!icon.isNull());
        const QImage image = icon.pixmap(QSize(32, 32), 1.0).toImage();
        QCOMPARE(image.size(), QSize(32, 32));
        QCOMPARE(image.pixelColor(0, 0), QColor(31, 2, 0));     // the ground
        QCOMPARE(image.pixelColor(4, 16), QColor(255, 41, 31)); // the base lead
        QVERIFY(!image.hasAlphaChannel() || image.pixelColor(31, 31).alpha() == 255);
        QCOMPARE(form->windowIcon().cacheKey(), icon.cacheKey());
    }

    // Controls keep their place whatever the window's size; an enlarged window shows orange.
    void resizing()
    {
        auto *text2 = form->findChild<QLineEdit *>("Text2");
        const QRect place = text2->geometry();
        form->resize(1400, 600);
        QTRY_COMPARE(form->size(), QSize(1400, 600));
        QCOMPARE(text2->geometry(), place);
        const QImage shot = form->grab().toImage();
        QCOMPARE(shot.pixelColor(QPoint(1300, 500) * shot.devicePixelRatio()), orange);
        form->resize(600, 300);
        QTRY_COMPARE(form->size(), QSize(600, 300));
        QCOMPARE(text2->geometry(), place);
    }

private:
    // F1 from the window: the report's window, open and active; null if it never came.
    ReportView *openReport()
    {
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            return nullptr;
        QTest::keyClick(form->findChild<QPushButton *>("Command1"), Qt::Key_F1);
        auto *view = form->findChild<ReportView *>("reportWindow");
        if (!view || !QTest::qWaitFor([&] { return QApplication::activeWindow() == view; }))
            return nullptr;
        return view;
    }

    // What a screen reader reads of the report's text.
    static QString spokenReport(ReportView *view)
    {
        QAccessibleTextInterface *text =
            QAccessible::queryAccessibleInterface(view->text())->textInterface();
        return text->text(0, text->characterCount());
    }

    // The worst case's form opened from the report by keyboard, typed into as it comes up (from a
    // timer: the form is modal) until it closes: the message boxes seen meanwhile.
    std::vector<SeenBox> whileCornersFormOpen(const std::function<void(QWidget *)> &typing)
    {
        const auto openForm = [&] {
            ReportView *view = openReport();
            QVERIFY(view);
            // Tab walks the ranking's links, then leaves the text for the buttons.
            auto *corners = view->findChild<QPushButton *>("reportCorners");
            for (int links = 0; links < 100 && !corners->hasFocus(); ++links)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(corners->hasFocus());
            QTest::keyClick(corners, Qt::Key_Space);
        };
        bool typed = false;
        QTimer timer;
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<CornersDialog *>(QApplication::activeModalWidget());
            if (typed || !dialog || !dialog->isActiveWindow())
                return;
            typed = true;
            typing(dialog);
        });
        timer.start();
        ModalBoxes boxes;
        return boxes.during([&] {
            openForm();
            QTRY_VERIFY(typed && !QApplication::activeModalWidget());
        });
    }

    // In the form, five Tabs from Vbe minima to the tolerance of E24, the text typed there, and
    // Enter.
    static QLineEdit *typeE24(const QString &text)
    {
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *field = QApplication::focusWidget();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
        return qobject_cast<QLineEdit *>(field);
    }

    // "Valori esempio", then, if given, one entry typed anew, then "Calcola ": the boxes seen.
    std::vector<SeenBox> pressSampleValuesAndCalcola(const QString &entry = {},
                                                     const QString &text = {})
    {
        QTest::mouseClick(form->findChild<QPushButton *>("Command2"), Qt::LeftButton);
        if (!entry.isEmpty()) {
            auto *field = form->findChild<QLineEdit *>(entry);
            field->selectAll();
            QTest::keyClicks(field, text);
        }
        ModalBoxes boxes;
        return boxes.during(
            [&] { QTest::mouseClick(form->findChild<QPushButton *>("Command1"), Qt::LeftButton); });
    }

    std::unique_ptr<Form1> form;
    QString styleName;
    QPalette palette;
};

BRENVOLA_TEST_MAIN(WindowTest)

#include "windowtest.moc"
