#include "cornerstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>

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
                                                          "worstCase/toleranceE96",
                                                          "worstCase/output",
                                                          "worstCase/ViLowest",
                                                          "worstCase/outputCurrent",
                                                          "worstCase/ViHighest",
                                                          "worstCase/VccTolerance",
                                                          "worstCase/Q1OneTransistor",
                                                          "worstCase/Q1TwoTransistors",
                                                          "worstCase/Q2",
                                                          "worstCase/Tmin",
                                                          // The highest ambient temperature of
                                                          // earlier versions: Tmax.
                                                          "worstCase/ambient",
                                                          "worstCase/VbeOff",
                                                          "worstCase/VOL",
                                                          "worstCase/floatingLeakage",
                                                          "worstCase/saturationForcedGain"};

// Whether a settings file holds text, as Qt writes it: UTF-8 without a NUL. Qt reads anything
// else as well as it can, into keys of no use.
bool isText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(content);
    return !utf8.hasError() && !text.contains(QChar(0));
}

// Why the settings' file could not be read (writing: written), as far as the file system says.
SettingsProblem problemWith(const QSettings &settings, bool writing)
{
    const QFileInfo file(settings.fileName());
    if (file.isDir())
        return SettingsProblem::FolderInTheWay;
    if (settings.status() == QSettings::NoError && !writing && file.isFile()) {
        if (file.size() == 0)
            return SettingsProblem::EmptyFile;
        if (!isText(file.filePath()))
            return SettingsProblem::UnreadableFile;
    }
    if (settings.status() == QSettings::NoError)
        return SettingsProblem::None;
    if (!writing)
        return SettingsProblem::UnreadableFile;
    if (file.exists() && !file.isWritable())
        return SettingsProblem::ReadOnlyFile;
    if (!file.exists() && !QFileInfo(file.absolutePath()).isWritable())
        return SettingsProblem::FolderNotWritable;
    return SettingsProblem::NotWritten;
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

SettingsState loadSettings()
{
    const std::unique_ptr<QSettings> settings = userSettings();
    const SettingsProblem problem = problemWith(*settings, false);
    return SettingsState(std::u16string(viewOf(settingsPlace())),
                         problem,
                         problem == SettingsProblem::None ? loadCorners(*settings)
                                                          : StoredCorners{});
}

SettingsProblem saveCorners(QSettings &settings, const CornerRanges &ranges)
{
    const CornerTexts texts = cornerTexts(ranges);
    for (std::size_t i = 0; i < keys.size(); ++i)
        settings.setValue(QString::fromLatin1(keys[i]), fromView(texts[i]));
    settings.sync();
    return problemWith(settings, true);
}

SettingsProblem saveCorners(const CornerRanges &ranges)
{
    return saveCorners(*userSettings(), ranges);
}

QString settingsPlace()
{
    return QDir::toNativeSeparators(userSettings()->fileName());
}
