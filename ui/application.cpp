#include "application.h"

#include <QApplication>
#include <QPixmap>

#include "brenvolaversion.h"
#include "embeddedpixels.h"

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
    // Drawn for 32 x 32; the other sizes serve panels and high-density screens. Rendered at build
    // time (ui/tools/embedpixels.cpp), opaque.
    QIcon icon;
    for (const EmbeddedImage &image : embeddedPixels(u"icon/brenvola.svg"))
        icon.addPixmap(QPixmap::fromImage(imageOf(image)));
    return icon;
}
