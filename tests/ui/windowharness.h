#pragma once

#include <QApplication>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string_view>

#include "application.h"
#include "form1.h"
#include "textview.h"

// What the window tests share: a fresh window as the program opens it, and the test's main().

// The controls that only the two-transistor layout shows.
inline const QStringList twoTransistorOnly{
    // clang-format off
    "Picture2", "Text1", "Label1", "Label2", "Text9", "Label14", "Label16", "Text5", "Label8",
    "Text7", "Label12", "Label11", "Label20", "Label21", "Label22",
    // clang-format on
};

// The sample design's results, written with "." as the separator, one row per circuit; the
// rows carry the option to select and the expected Label17 (Rb1), Label20 (Rb2) and Label23 (Ii).
inline void addSampleDesignResultRows()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("rb1");
    QTest::addColumn<QString>("rb2");
    QTest::addColumn<QString>("ii");
    // Ib1 = 1.2 * 40 / 100 = 0.48 mA; Ii = 0.7 / 10 + 0.48 = 0.55 mA; Rb1 = 4.3 / 0.55 kohm
    QTest::newRow("one transistor") << "Option1"
                                    << "7.82"
                                    << ""
                                    << "0.55";
    // Rb1 = 11 / 0.55 = 20 kohm; Ib2 = 0.55 * 1.2 / 100; Ii = 0.0766 mA; Rb2 = 4.3 / 0.0766
    QTest::newRow("two transistors") << "Option2"
                                     << "20.00"
                                     << "56.14"
                                     << "0.08";
}

// Form1 shown and active; null if the platform never showed or activated it.
inline std::unique_ptr<Form1> openForm1()
{
    auto form = std::make_unique<Form1>();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        return nullptr;
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        return nullptr;
    return form;
}

// The program's stored settings, emptied: a window then opens as on its first run.
inline void clearStoredSettings()
{
    QSettings(QSettings::defaultFormat(), QSettings::UserScope, "Brenvola", "Brenvola").clear();
}

// The application set up as the program sets it up, then the tests of TestClass. Its settings
// are files in a temporary folder of this process's own, on Windows too: never the user's, nor
// another test's running beside it.
#define BRENVOLA_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QApplication application(argc, argv);                                                      \
        setUpApplication();                                                                        \
        const QTemporaryDir settingsFolder;                                                        \
        QSettings::setDefaultFormat(QSettings::IniFormat);                                         \
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());     \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
