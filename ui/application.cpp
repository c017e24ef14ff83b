#include "application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTranslator>

#include "brenvolaversion.h"

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
    return font;
}

} // namespace

void setUpApplication()
{
    QCoreApplication::setApplicationName(QString::fromUtf8(Brenvola::applicationName));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(Brenvola::applicationVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.brenvola.Brenvola"));
    QFont::insertSubstitutions(
        windowFamily,
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")});
    QApplication::setWindowIcon(applicationIcon());

    // The toolkit's own texts (context menus, buttons of its dialogs) in Italian, like the rest
    // of the window, whatever the user's locale; without the translation they stay English.
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

QIcon applicationIcon()
{
    // Drawn for 32 x 32; the other sizes serve panels and high-density screens.
    QSvgRenderer renderer(QStringLiteral(":/icon/brenvola.svg"));
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
