#include "winsys/GermanTexts.h"
#include "app/TForm1.h"
#include "winsys/QtWindowSystem.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    InstallGermanQtTexts();
    TQtWindowSystem windowSystem;
    TForm1 form(windowSystem);
    windowSystem.SetParent(&form);
    form.show();
    return QApplication::exec();
}
