#include "cornerstore.h"

#include <QSettings>

#include "textview.h"
#include "usersettings.h"

namespace {

// The keys, in the order of CornerField.
constexpr std::array<const char *, cornerFieldCount> keys{"worstCase/VbeLowest",
                                                          "worstCase/VbeHighest",
                                                          "worstCase/VceSatLowest",
                                                          "worstCase/VceSatHighest",
                                                          "worstCase/toleranceE12",
                                                          "worstCase/toleranceE24",
                                                          "worstCase/toleranceE96"};

} // namespace

StoredCorners loadCorners(const QSettings &settings)
{
    std::array<std::optional<std::u16string>, cornerFieldCount> texts;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const QString key = QString::fromLatin1(keys[i]);
        if (!settings.contains(key))
            continue;
        // A value edited into a list or another type reads as no number, and is refused.
        const QVariant value = settings.value(key);
        texts[i] = value.typeId() == QMetaType::QString ? std::u16string(viewOf(value.toString()))
                                                        : std::u16string();
    }
    return readStoredCorners(texts);
}

StoredCorners loadCorners()
{
    return loadCorners(*userSettings());
}

void saveCorners(QSettings &settings, const CornerRanges &ranges)
{
    const CornerTexts texts = cornerTexts(ranges);
    for (std::size_t i = 0; i < keys.size(); ++i)
        settings.setValue(QString::fromLatin1(keys[i]), fromView(texts[i]));
    settings.sync();
}

void saveCorners(const CornerRanges &ranges)
{
    saveCorners(*userSettings(), ranges);
}
