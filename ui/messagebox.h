#pragma once

class QString;
class QWidget;

// Every message of the program: an application-modal box captioned with the application's name,
// the message as plain text, one OK button and no icon. Returns when the user has closed it.
void showMessageBox(QWidget *parent, const QString &message);
