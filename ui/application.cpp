#include "application.h"

#include <QApplication>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTranslator>

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

// The toolkit's own texts in Italian, like the rest of the window, whatever the user's locale;
// without the translation they stay English. The window shows them only in context menus (its
// message boxes say "OK", the same in both), so the translation is read when the first context
// menu is asked for, not at start-up.
class ToolkitTranslation : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ContextMenu) {
            QCoreApplication::instance()->removeEventFilter(this);
            auto *translator = new QTranslator(QCoreApplication::instance());
            if (translator->load(QStringLiteral("qtbase_it"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(translator);
        }
        return QObject::eventFilter(watched, event);
    }
};

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

    QCoreApplication::instance()->installEventFilter(
        new ToolkitTranslation(QCoreApplication::instance()));
}

QFont controlFont()
{
    return windowFont(QFont::Bold);
}

QFont pictureFont()
{
    return windowFont(QFont::Normal);
}

namespace {

// The icon's pixels become pixmaps when a window system first asks for them; the offscreen
// platform never does.
class FirstUseIconEngine : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new FirstUseIconEngine(*this); }

private:
    const QIcon &icon()
    {
        // Drawn for 32 x 32; the other sizes serve panels and high-density screens. Rendered at
        // build time (ui/tools/embedpixels.cpp), opaque.
        if (icon_.isNull())
            for (const EmbeddedImage &image : embeddedPixels(u"icon/brenvola.svg"))
                icon_.addPixmap(QPixmap::fromImage(imageOf(image)));
        return icon_;
    }

    QIcon icon_;
};

} // namespace

QIcon applicationIcon()
{
    return QIcon(new FirstUseIconEngine);
}
