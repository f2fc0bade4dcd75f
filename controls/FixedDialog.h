#pragma once

#include <QSize>
#include <QString>

class QDialog;

// A dialog of the window's pixel layout: the main window's font, which the
// layout is made for, a fixed size and a title bar with a close box only.
void SetUpFixedDialog(QDialog& dialog, const QString& title, QSize size);

// Centres `dialog` on its screen, where the dialogs of the window appear;
// for its showEvent.
void CentreOnScreen(QDialog& dialog);
