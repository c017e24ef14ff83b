#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <map>
#include <memory>

#include "application.h"
#include "form1.h"
#include "modalboxes.h"
#include "nominal/messages.h"
#include "windowharness.h"

namespace {
// "9 dicembre 2026, 08:54": a date and time as the report's byline writes them, built from their
// fields and the months' Italian names, not from Qt's locale data.
QString writtenInItalian(const QDateTime &at)
{
    static const QStringList months = QString("gennaio febbraio marzo aprile maggio giugno luglio "
                                              "agosto settembre ottobre novembre dicembre")
                                          .split(u' ');
    const QDate date = at.date();
    return QString("%1 %2 %3, %4:%5")
        .arg(date.day())
        .arg(months.at(date.month() - 1))
        .arg(date.year())
        .arg(at.time().hour(), 2, 10, QChar('0'))
        .arg(at.time().minute(), 2, 10, QChar('0'));
}
} // namespace

// The whole window driven as a user drives it: clicks, typing, Tab, message boxes read and closed.
class EndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString locale = QLocale().name();
        QVERIFY2(locale == "it_IT" || locale == "en_US",
                 qPrintable("run under it_IT.UTF-8 or en_US.UTF-8, not " + locale));
        separator = locale == "it_IT" ? "," : ".";
    }

    void init()
    {
        form = openForm1();
        QVERIFY(form);
    }
    void cleanup() { form.reset(); }

    void opensInTheOneTransistorLayout()
    {
        QVERIFY(radio("Option1")->isChecked());
        QVERIFY(!radio("Option2")->isChecked());
        expectLayout(oneTransistor);
        for (QLineEdit *entry : form->findChildren<QLineEdit *>())
            QCOMPARE(entry->text(), QString());
        QCOMPARE(label("Label17")->text(), QString());
        QCOMPARE(label("Label23")->text(), QString());
    }

    void switchingThereAndBackKeepsTextsAndResults()
    {
        const std::map<QString, QVisibility> opening = visibility();
        click("Command2");
        const std::vector<SeenBox> seen = pressCalcola();
        QCOMPARE(seen.size(), 0U);
        type("Text2", "123");

        click("Option2");
        expectLayout(twoTransistors);
        type("Text9", "4.7");
        click("Option1");
        QCOMPARE(visibility(), opening);

        click("Option2");
        QCOMPARE(entry("Text1")->text(), QString("12"));
        QCOMPARE(entry("Text9")->text(), QString("104.7"));
        QCOMPARE(entry("Text2")->text(), QString("40123"));
        QCOMPARE(label("Label17")->text(), number("7.82"));
        QCOMPARE(label("Label23")->text(), number("0.55"));
    }

    void clickingTheSelectedOptionChangesNothing_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("two");
        QTest::newRow("Option1") << "Option1" << false;
        QTest::newRow("Option2") << "Option2" << true;
    }

    void clickingTheSelectedOptionChangesNothing()
    {
        QFETCH(QString, option);
        QFETCH(bool, two);
        click(option);
        const std::map<QString, QVisibility> before = visibility();
        click(option);
        click(option);
        QCOMPARE(visibility(), before);
        expectLayout(two ? twoTransistors : oneTransistor);
    }

    void arrowKeysSelectTheOtherCircuit()
    {
        radio("Option1")->setFocus();
        QTest::keyClick(radio("Option1"), Qt::Key_Down);
        QVERIFY(radio("Option2")->isChecked());
        expectLayout(twoTransistors);
        QTest::keyClick(radio("Option2"), Qt::Key_Up);
        QVERIFY(radio("Option1")->isChecked());
        expectLayout(oneTransistor);
    }

    void sampleValuesFillHiddenFieldsAndNothingElse()
    {
        click("Command2");
        pressCalcola();
        type("Text2", "4,x");
        type("Text6", "abc");
        click("Command2");
        QCOMPARE(entry("Text2")->text(), QString("40"));
        QCOMPARE(entry("Text6")->text(), QString("20"));
        // Each field is replaced in one edit: Ctrl+Z brings back what the user had typed.
        QTest::keyClick(entry("Text6"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(entry("Text6")->text(), QString("20abc"));
        // A field that already holds its sample keeps its undo history as it is.
        click("Command2");
        click("Command2");
        QTest::keyClick(entry("Text6"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(entry("Text6")->text(), QString("20abc"));
        QCOMPARE(label("Label17")->text(), number("7.82"));
        QVERIFY(radio("Option1")->isChecked());
        expectLayout(oneTransistor);

        click("Option2");
        const std::pair<const char *, const char *> hidden[] = {
            {"Text1", "12"}, {"Text5", "100"}, {"Text9", "10"}, {"Text7", "20"}};
        for (const auto &[name, text] : hidden)
            QCOMPARE(entry(name)->text(), QString(text));
    }

    void sampleDesignInBothLayouts_data() { addSampleDesignResultRows(); }

    void sampleDesignInBothLayouts()
    {
        QFETCH(QString, option);
        QFETCH(QString, rb1);
        QFETCH(QString, rb2);
        QFETCH(QString, ii);
        click(option);
        click("Command2");
        QCOMPARE(pressCalcola().size(), 0U);
        QCOMPARE(label("Label17")->text(), number(rb1));
        QCOMPARE(label("Label20")->text(), number(rb2));
        QCOMPARE(label("Label23")->text(), number(ii));
    }

    void oneTransistorPressKeepsTheOlderRb2()
    {
        click("Option2");
        click("Command2");
        pressCalcola();
        click("Option1");
        QVERIFY(!label("Label20")->isVisible());
        // The Rb1 and Ii of the two-transistor press stay in view until the next press.
        QCOMPARE(label("Label17")->text(), number("20.00"));
        QCOMPARE(label("Label23")->text(), number("0.08"));

        entry("Text2")->clear();
        type("Text2", "400");
        const std::vector<SeenBox> seen = pressCalcola();
        QCOMPARE(seen.size(), 1U); // Ii = 0.07 + 4.8 = 4.87 mA
        QCOMPARE(seen[0].text, fromView(Messages::correnteIngresso));
        QCOMPARE(label("Label17")->text(), number("0.88"));
        QCOMPARE(label("Label23")->text(), number("4.87"));

        click("Option2");
        QCOMPARE(label("Label20")->text(), number("56.14"));
    }

    // The press decides from the selected option, not from what is visible.
    void emptySupplyStopsOnlyTheTwoTransistorPress()
    {
        click("Command2");
        click("Option2");
        entry("Text1")->clear();
        std::vector<SeenBox> seen = pressCalcola();
        QCOMPARE(seen.size(), 1U);
        QCOMPARE(seen[0].text, fromView(Messages::forEntry(Entry::Text1).vuoto));
        QCOMPARE(label("Label17")->text(), QString());

        click("Option1");
        QCOMPARE(pressCalcola().size(), 0U);
        QCOMPARE(label("Label17")->text(), number("7.82"));
    }

    // A comma is not a decimal point here, whatever the locale shows.
    void decimalCommaIsRejected()
    {
        click("Command2");
        entry("Text2")->clear();
        type("Text2", "1,5");
        const std::vector<SeenBox> seen = pressCalcola();
        QCOMPARE(seen.size(), 1U);
        QCOMPARE(seen[0].caption, QString("Brenvola"));
        QCOMPARE(seen[0].text, fromView(Messages::forEntry(Entry::Text2).errore));
        QCOMPARE(label("Label17")->text(), QString());
    }

    void tabOrder_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("selection"); // how the option is selected
        QTest::addColumn<QStringList>("chain");
        // Tab skips hidden controls and passes only through the selected option button, however
        // it was selected; the other option was clicked, and had the focus, just before.
        const QStringList one{"Picture1",
                              "Command1",
                              "Text2",
                              "Text3",
                              "Text4",
                              "Text6",
                              "Text8",
                              "Command2",
                              "Option1",
                              "Picture1"};
        const QStringList two{"Picture2",
                              "Command1",
                              "Text1",
                              "Text2",
                              "Text3",
                              "Text4",
                              "Text6",
                              "Text7",
                              "Text8",
                              "Text9",
                              "Command2",
                              "Option2",
                              "Text5",
                              "Picture2"};
        QTest::newRow("one transistor, as the window opens") << "Option1"
                                                             << "load step" << one;
        QTest::newRow("one transistor") << "Option1"
                                        << "click" << one;
        QTest::newRow("two transistors") << "Option2"
                                         << "click" << two;
        QTest::newRow("one transistor, assistive tool") << "Option1"
                                                        << "accessible action" << one;
        QTest::newRow("two transistors, assistive tool") << "Option2"
                                                         << "accessible action" << two;
        QTest::newRow("two transistors, by the program") << "Option2"
                                                         << "setChecked" << two;
        QTest::newRow("one transistor, Option2 focused") << "Option1"
                                                         << "click, then focus the other" << one;
    }

    void tabOrder()
    {
        QFETCH(QString, option);
        QFETCH(QString, selection);
        QFETCH(QStringList, chain);
        const QString other = option == "Option1" ? "Option2" : "Option1";
        if (selection != "load step")
            click(other);
        if (selection == "load step") {
            // Option1 as the window selects it before it is first shown.
        } else if (selection.startsWith("click")) {
            click(option);
        } else if (selection == "setChecked") {
            radio(option)->setChecked(true);
        } else {
            QAccessibleActionInterface *actions =
                QAccessible::queryAccessibleInterface(radio(option))->actionInterface();
            QVERIFY(actions);
            actions->doAction(QAccessibleActionInterface::toggleAction());
        }
        QTRY_VERIFY(radio(option)->isChecked());
        if (selection.endsWith("focus the other"))
            radio(other)->setFocus();
        form->findChild<QWidget *>(chain.front())->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (qsizetype i = 1; i < chain.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, chain);
    }

    // Fields filled from the keyboard alone, moving on with Tab.
    void typingWithTabFromFieldToField()
    {
        click("Option2");
        form->findChild<QWidget *>("Picture2")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // Command1
        const char *texts[] = {
            "12", "40", "5", "100", "20", "20", "10", "10"}; // Text1..Text9 but 5
        for (const char *text : texts) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), text);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // Command2
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // Option2
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // Text5
        QTest::keyClicks(QApplication::focusWidget(), "100");
        QCOMPARE(QApplication::focusWidget(), entry("Text5"));

        std::vector<SeenBox> seen;
        ModalBoxes boxes;
        auto *command1 = form->findChild<QPushButton *>("Command1");
        command1->setFocus();
        seen = boxes.during([&] { QTest::keyClick(command1, Qt::Key_Space); });
        QCOMPARE(seen.size(), 0U);
        QCOMPARE(label("Label20")->text(), number("56.14"));
    }

    // The report lists the entries as the numbers the press read, in the locale's form like the
    // results, and beside an entry read only in part the text typed.
    void reportListsTheEntriesAsRead()
    {
        click("Command2");
        entry("Text3")->clear();
        type("Text3", "4.75");
        type("Text8", ".0.1"); // "10.0.1": the press reads 10.0
        const QDateTime before = QDateTime::currentDateTime();
        QCOMPARE(pressCalcola().size(), 0U);
        const QDateTime after = QDateTime::currentDateTime();
        QTest::keyClick(form.get(), Qt::Key_F1);
        auto *view = form->findChild<QWidget *>("reportWindow");
        QVERIFY(view && view->isVisible());
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(view->findChild<QPushButton *>("reportCopy"), Qt::LeftButton);
        const QString report = QGuiApplication::clipboard()->text();
        QVERIFY2(report.contains("\nVi\t" + number("4.75") + "\t[V]\n")
                     && report.contains("\nR1\t10\t[kohm]\tscritto: 10.0.1\n")
                     && report.contains("\nIL\t40\t[mA]\n"),
                 qPrintable(report));
        // The press's date and time in Italian whatever the locale, "9 dicembre 2026, 08:54",
        // from the minute before the press or after it, should the minute turn meanwhile.
        const QString byline = report.section(u'\n', 1, 1);
        const QString prefix = "Brenvola 1.00, calcolo del giorno ";
        QVERIFY2(byline == prefix + writtenInItalian(before)
                     || byline == prefix + writtenInItalian(after),
                 qPrintable(byline));
    }

private:
    using QVisibility = bool;
    enum Layout { oneTransistor, twoTransistors };

    QLineEdit *entry(const QString &name) const { return form->findChild<QLineEdit *>(name); }
    QLabel *label(const QString &name) const { return form->findChild<QLabel *>(name); }
    QRadioButton *radio(const QString &name) const { return form->findChild<QRadioButton *>(name); }

    void click(const QString &name)
    {
        auto *button = form->findChild<QAbstractButton *>(name);
        QVERIFY(button && button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    void type(const QString &name, const QString &text)
    {
        QLineEdit *field = entry(name);
        field->setFocus();
        field->end(false);
        QTest::keyClicks(field, text);
    }
    std::vector<SeenBox> pressCalcola()
    {
        ModalBoxes boxes;
        return boxes.during([this] { click("Command1"); });
    }
    QString number(QString text) const { return text.replace('.', separator); }

    std::map<QString, QVisibility> visibility() const
    {
        std::map<QString, QVisibility> shown;
        for (QWidget *widget : form->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            shown[widget->objectName()] = widget->isVisible();
        return shown;
    }
    void expectLayout(Layout layout) const
    {
        const std::map<QString, QVisibility> shown = visibility();
        QCOMPARE(shown.size(), std::size_t{40});
        for (const auto &[name, visible] : shown) {
            bool expected = !twoTransistorOnly.contains(name);
            if (name == "Picture1")
                expected = layout == oneTransistor;
            else if (twoTransistorOnly.contains(name))
                expected = layout == twoTransistors;
            QVERIFY2(visible == expected, qPrintable(name + (visible ? " shown" : " hidden")));
        }
    }

    std::unique_ptr<Form1> form;
    QString separator;
};

BRENVOLA_TEST_MAIN(EndToEndTest)

#include "endtoendtest.moc"
