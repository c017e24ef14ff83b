#pragma once

#include "cornersettings.h"

class QSettings;

// The worst case's ranges kept between runs, where the desktop keeps a program's settings: on
// Linux ~/.config/Brenvola/Brenvola.conf, on Windows the registry key
// HKEY_CURRENT_USER\Software\Brenvola\Brenvola. Each range is kept as the text the form shows.

// Reads them field by field: a missing value takes its default, a refused one too and is listed.
// Nothing is written back.
StoredCorners loadCorners();
StoredCorners loadCorners(const QSettings &settings);

// Writes every field, once the user has confirmed the form.
void saveCorners(const CornerRanges &ranges);
void saveCorners(QSettings &settings, const CornerRanges &ranges);
