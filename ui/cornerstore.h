#pragma once

#include <QString>

#include "worstcase/cornersettings.h"
#include "worstcase/settingsstate.h"
#include "worstcase/settingsstatus.h"

class QSettings;

// The worst case's ranges kept between runs, where the desktop keeps a program's settings: on
// Linux ~/.config/Brenvola/Brenvola.conf, on Windows the registry key
// HKEY_CURRENT_USER\Software\Brenvola\Brenvola. Each range is kept as the text the form shows.

// Reads them field by field: a missing value takes its default, a refused one too and is listed.
// Nothing is written back.
StoredCorners loadCorners(const QSettings &settings);
// The same from the user's settings, with what stood in the way of their file, if anything (then
// the defaults hold), and where they are kept.
SettingsState loadSettings();

// Writes every field, once the user has confirmed the form, and reads back whether the system
// kept them: what stood in the way, if anything.
SettingsProblem saveCorners(const CornerRanges &ranges);
SettingsProblem saveCorners(QSettings &settings, const CornerRanges &ranges);

// Where the settings are kept, as the system writes it: a file, or a key of the registry.
QString settingsPlace();
