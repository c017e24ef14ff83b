#pragma once

#include <QApplication>
#include <QStringList>
#include <QTest>

#include <memory>
#include <string_view>

#include "application.h"
#include "form1.h"

// What the window tests share: a fresh window as the program opens it, and the test's main().

inline QString fromView(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The controls that only the two-transistor layout shows.
inline const QStringList twoTransistorOnly{
    // clang-format off
    "Picture2", "Text1", "Label1", "Label2", "Text9", "Label14", "Label16", "Text5", "Label8",
    "Text7", "Label12", "Label11", "Label20", "Label21", "Label22",
    // clang-format on
};

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

// The application set up as the program sets it up, then the tests of TestClass.
#define BRENVOLA_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QApplication application(argc, argv);                                                      \
        setUpApplication();                                                                        \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
