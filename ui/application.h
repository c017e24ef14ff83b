#pragma once

#include <QFont>

// What every process that opens the window sets up first: the application's name and version,
// its icon, the fonts of the window and the toolkit's Italian texts.
void setUpApplication();

// "MS Sans Serif" 8.25 pt, bold for the controls, regular for the picture boxes. Where that family
// is missing, "Microsoft Sans Serif" stands in on Windows, Liberation Sans elsewhere: it has
// Arial's metrics, as close as a free face gets.
QFont controlFont();
QFont pictureFont();
