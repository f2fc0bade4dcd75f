#include "app/TForm1.h"
#include "app/winsys/QtWindowSystem.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTranslator qtGerman;
    if (qtGerman.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtGerman);

    TQtWindowSystem windowSystem;
    TForm1 form(windowSystem);
    windowSystem.SetParent(&form);
    form.show();
    return QApplication::exec();
}
