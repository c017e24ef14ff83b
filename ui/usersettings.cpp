#include "usersettings.h"

std::unique_ptr<QSettings> userSettings()
{
    // The default format: the system's own, unless the tests chose files in a folder of theirs.
    return std::make_unique<QSettings>(QSettings::defaultFormat(),
                                       QSettings::UserScope,
                                       QStringLiteral("Brenvola"),
                                       QStringLiteral("Brenvola"));
}
