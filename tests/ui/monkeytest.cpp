#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <memory>
#include <optional>
#include <random>

#include "application.h"
#include "form1.h"
#include "modalboxes.h"
#include "nominal/numbertext.h"
#include "press.h"
#include "windowharness.h"

namespace {

constexpr std::array<const char *, entryCount> entryNames{
    "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9"};
constexpr std::array<const char *, 3> resultNames{"Label17", "Label20", "Label23"};
// What one press should show and write, worked out by the calculation on a copy of the
// window's state.
struct Expected
{
    bool one = true;
    std::vector<QString> messages;
    std::array<std::optional<QString>, 3> written; // Label17, Label20, Label23
};

} // namespace

// Thousands of random user actions on the real window; after each one the window must still be
// in a state the user can make sense of.
class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        form = openForm1();
        QVERIFY(form);
    }
    void cleanup() { form.reset(); }

    void randomActions()
    {
        const unsigned seed = 20261207;
        std::mt19937 random(seed);
        int completed = 0;
        int boxesSeen = 0;
        const auto pick = [&](int n) {
            return static_cast<int>(random() % static_cast<unsigned>(n));
        };
        for (int step = 0; step < 3000; ++step) {
            const std::array<QString, 3> before = results();
            bool pressed = false;
            std::vector<SeenBox> seen;
            QString action;
            switch (pick(9)) {
            case 0:
                action = "click Option1";
                click("Option1");
                break;
            case 1:
                action = "click Option2";
                click("Option2");
                break;
            case 2:
                action = "click Valori esempio";
                click("Command2");
                break;
            case 3:
            case 4: {
                action = "click Calcola";
                const Expected expected = oracle();
                seen = boxes.during([&] { click("Command1"); });
                checkPress(expected, before, seen);
                pressed = true;
                break;
            }
            case 5:
            case 6: {
                QLineEdit *field = visibleEntry(pick);
                action = "type into " + field->objectName();
                if (pick(3) == 0)
                    field->clear();
                field->setFocus();
                field->end(false);
                typeText(field, randomText(pick, 12));
                break;
            }
            case 7: {
                QLineEdit *field = visibleEntry(pick);
                action = "paste into " + field->objectName();
                field->selectAll();
                QApplication::clipboard()->setText(randomText(pick, 5000));
                QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
                break;
            }
            case 8: {
                action = "Tab, then Enter";
                QTest::keyClick(focusOrWindow(), Qt::Key_Tab);
                QWidget *focus = focusOrWindow();
                const Expected expected = oracle();
                seen = boxes.during([&] { QTest::keyClick(focus, Qt::Key_Return); });
                if (focus->objectName() == "Command1") {
                    checkPress(expected, before, seen);
                    pressed = true;
                }
                break;
            }
            default:
                QFAIL("pick(9) gave a number outside 0 to 8");
            }
            // The window manager gives the focus back to the window when a box closes.
            if (!QApplication::activeWindow()) {
                form->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(form.get()));
            }
            const QString where = QString("step %1 (%2), seed %3").arg(step).arg(action).arg(seed);
            QVERIFY2(radio("Option1")->isChecked() != radio("Option2")->isChecked(),
                     qPrintable(where));
            checkLayout(where);
            boxesSeen += static_cast<int>(seen.size());
            completed += pressed && results() != before;
            if (!pressed)
                QVERIFY2(results() == before,
                         qPrintable("results changed without a press, " + where));
            if (!pressed && action != "Tab, then Enter")
                QVERIFY2(seen.empty(), qPrintable(where));
        }

        qInfo(
            "%d presses changed the results; %d boxes were shown and closed", completed, boxesSeen);
        QVERIFY(completed > 50 && boxesSeen > 50); // both roads were really taken
    }

    // A million characters pasted into an entry: the press answers, with its box.
    void millionCharacterPaste_data()
    {
        QTest::addColumn<QChar>("character");
        QTest::addColumn<int>("boxes");
        QTest::newRow("digits: beyond the range of a double") << QChar('7') << 1;
        QTest::newRow("letters: malformed") << QChar('x') << 1;
    }

    void millionCharacterPaste()
    {
        QFETCH(QChar, character);
        QFETCH(int, boxes);
        click("Command2");
        auto *field = form->findChild<QLineEdit *>("Text2");
        field->selectAll();
        QApplication::clipboard()->setText(QString(1'000'000, character));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field->text().size(), 1'000'000);
        const std::vector<SeenBox> seen = this->boxes.during([&] { click("Command1"); });
        QCOMPARE(int(seen.size()), boxes);
        QVERIFY(seen[0].text.contains("IL"));
        QCOMPARE(form->findChild<QLabel *>("Label17")->text(), QString());
    }

private:
    // Types as a keyboard does: keys for ASCII, key events carrying the text for the rest.
    static void typeText(QWidget *field, const QString &text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c.unicode() < 0x80) {
                QTest::keyClick(field, c.toLatin1());
            } else {
                const qsizetype units = c.isHighSurrogate() ? 2 : 1;
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text.mid(i, units), {});
                i += units - 1;
            }
        }
    }

    // Keys go where the user's keyboard goes: the focused control, or the window itself.
    QWidget *focusOrWindow() const
    {
        if (QWidget *focus = QApplication::focusWidget())
            return focus;
        return form.get();
    }

    QRadioButton *radio(const char *name) const { return form->findChild<QRadioButton *>(name); }

    void click(const char *name)
    {
        auto *button = form->findChild<QAbstractButton *>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    QLineEdit *visibleEntry(const std::function<int(int)> &pick) const
    {
        std::vector<QLineEdit *> visible;
        for (const char *name : entryNames)
            if (auto *field = form->findChild<QLineEdit *>(name); field->isVisible())
                visible.push_back(field);
        return visible[static_cast<std::size_t>(pick(static_cast<int>(visible.size())))];
    }

    // Mostly number-like texts, with blanks, commas, letters, other scripts' digits and
    // characters beyond the Basic Multilingual Plane mixed in.
    static QString randomText(const std::function<int(int)> &pick, int longest)
    {
        static const QString alphabet = QString::fromUtf16(
            u"0123456789012345678901234567890123456789..eE+-, xè\u0663\uFF11\U0001D7CE");
        const int length = pick(8) == 0 ? pick(longest + 1) : pick(7);
        QString text;
        for (int i = 0; i < length; ++i)
            text += alphabet[pick(static_cast<int>(alphabet.size()))];
        return text;
    }

    std::array<QString, 3> results() const
    {
        std::array<QString, 3> texts;
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = form->findChild<QLabel *>(resultNames[i])->text();
        return texts;
    }

    Expected oracle() const
    {
        Expected e;
        e.one = radio("Option1")->isChecked();
        std::array<std::u16string, entryCount> texts;
        PressInput input{e.one, !e.one};
        for (std::size_t i = 0; i < entryCount; ++i) {
            texts[i] = form->findChild<QLineEdit *>(entryNames[i])->text().toStdU16String();
            input.texts[i] = texts[i];
        }
        FormVariables variables;
        Module1 module;
        const PressOutcome outcome = pressCalcola(variables, module, input);
        for (const PressMessage &message : outcome.messages)
            e.messages.push_back(fromView(message.text));
        if (outcome.results) {
            const std::u16string point = QLocale().decimalPoint().toStdU16String();
            const auto caption = [&](double value) {
                return fromView(formatHundredths(value, point));
            };
            e.written[0] = caption(outcome.results->Rb1);
            if (outcome.results->Rb2)
                e.written[1] = caption(*outcome.results->Rb2);
            e.written[2] = caption(outcome.results->Ii);
        }
        return e;
    }

    // A press shows the boxes the calculation gives, in order, and writes all of its captions
    // or none, each shaped like "0.00"; at most one box for its outcome besides the 4 mA warning.
    void checkPress(const Expected &expected,
                    const std::array<QString, 3> &before,
                    const std::vector<SeenBox> &seen)
    {
        QVERIFY(seen.size() <= 2);
        QCOMPARE(seen.size(), expected.messages.size());
        for (std::size_t i = 0; i < seen.size(); ++i)
            QCOMPARE(seen[i].text, expected.messages[i]);
        const std::array<QString, 3> after = results();
        static const QRegularExpression shape(
            QString("^-?[0-9]+%1[0-9]{2}$")
                .arg(QRegularExpression::escape(QLocale().decimalPoint())));
        for (std::size_t i = 0; i < after.size(); ++i) {
            const QString wanted = expected.written[i].value_or(before[i]);
            QCOMPARE(after[i], wanted);
            if (expected.written[i])
                QVERIFY2(shape.match(after[i]).hasMatch(), qPrintable(after[i]));
        }
        const bool wroteAny = expected.written[0].has_value();
        QCOMPARE(expected.written[2].has_value(), wroteAny);
        QCOMPARE(expected.written[1].has_value(), wroteAny && !expected.one);
    }

    void checkLayout(const QString &where) const
    {
        const bool two = radio("Option2")->isChecked();
        for (QWidget *widget :
             form->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            const QString name = widget->objectName();
            bool expected = true;
            if (name == "Picture1")
                expected = !two;
            else if (twoTransistorOnly.contains(name))
                expected = two;
            QVERIFY2(widget->isVisible() == expected, qPrintable(name + ", " + where));
        }
    }

    std::unique_ptr<Form1> form;
    ModalBoxes boxes;
};

BRENVOLA_TEST_MAIN(MonkeyTest)

#include "monkeytest.moc"
