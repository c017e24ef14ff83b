#include "cornerstore.h"

#include <QSettings>

#include <memory>

#include "textview.h"

namespace {

// The keys, in the order of CornerField.
constexpr std::array<const char *, cornerFieldCount> keys{"worstCase/VbeLowest",
                                                          "worstCase/VbeHighest",
                                                          "worstCase/VceSatLowest",
                                                          "worstCase/VceSatHighest",
                                                          "worstCase/toleranceE12",
                                                          "worstCase/toleranceE24",
                                                          "worstCase/toleranceE96",
                                                          "worstCase/output",
                                                          "worstCase/ViLowest",
                                                          "worstCase/outputCurrent",
                                                          "worstCase/ViHighest",
                                                          "worstCase/VccTolerance",
                                                          "worstCase/Q1OneTransistor",
                                                          "worstCase/Q1TwoTransistors",
                                                          "worstCase/Q2",
                                                          "worstCase/ambient"};

std::unique_ptr<QSettings> userSettings()
{
    // The default format: the system's own, unless the tests chose files in a folder of theirs.
    return std::make_unique<QSettings>(QSettings::defaultFormat(),
                                       QSettings::UserScope,
                                       QStringLiteral("Brenvola"),
                                       QStringLiteral("Brenvola"));
}

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
