#pragma once

class QString;
class QWidget;

// Shows rich text in a popup under the anchor, kept on the screen and scrolling where it is
// taller than most of it; the arrow and page keys scroll it, Esc or a click elsewhere closes it.
void showNotesPopup(QWidget *anchor, const QString &html);
