#include "application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "brenvolaversion.h"
#include "drawing.h"

namespace {

const QString windowFamily = QStringLiteral("MS Sans Serif");

QFont windowFont(QFont::Weight weight)
{
    QFont font(windowFamily);
    font.setPointSizeF(8.25);
    font.setWeight(weight);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // Smoothed, the glyphs fitted to the pixel grid only vertically, which has Qt on Windows draw
    // with DirectWrite rather than GDI: at 8.25 pt Wine's GDI smooths Liberation Sans Bold into
    // strokes with the ink of the regular weight, and Qt 6.8's unsmoothed glyphs are as thin.
    // An outline face only: where Qt lists a bitmap "MS Sans Serif" (Qt 6.8 does; Wine's has no
    // 11-pixel size), a stand-in draws instead.
    font.setStyleStrategy(QFont::ForceOutline);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

} // namespace

void setUpApplication()
{
    QCoreApplication::setApplicationName(QString::fromUtf8(Brenvola::applicationName));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(Brenvola::applicationVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.brenvola.Brenvola"));
    // Qt lists no bitmap face, so Windows' own "MS Sans Serif" is never found by its name. The
    // first of these that the system has stands in: on Windows its TrueType successor, with the
    // same metrics; elsewhere Liberation Sans.
    QFont::insertSubstitutions(windowFamily,
                               {QStringLiteral("Microsoft Sans Serif"),
                                QStringLiteral("Liberation Sans"),
                                QStringLiteral("Arimo"),
                                QStringLiteral("Arial")});
    // Drawn for 32 x 32: Qt's SVG icon engine renders each size when it is first asked for, or
    // the build's renderings at 32 and 64 pixels are scaled.
    QApplication::setWindowIcon(loadDrawing(QStringLiteral(":/icon")).icon);

    // The toolkit's own texts (context menus and the like) in Italian, like the rest of the
    // window, whatever the user's locale; without the translation they stay English.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_it"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

QFont controlFont()
{
    return windowFont(QFont::Bold);
}

QFont pictureFont()
{
    return windowFont(QFont::Normal);
}
