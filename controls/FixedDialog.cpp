#include "controls/FixedDialog.h"

#include <QDialog>
#include <QScreen>
#include <QStyle>

void SetUpFixedDialog(QDialog& dialog, const QString& title, QSize size)
{
    dialog.setAttribute(Qt::WA_WindowPropagation);
    dialog.setWindowTitle(title);
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    dialog.setFixedSize(size);
}

void CentreOnScreen(QDialog& dialog)
{
    if (const QScreen* shown = dialog.screen())
        dialog.setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, dialog.size(), shown->availableGeometry()));
}
