#include "desktop/GermanTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void InstallGermanQtTexts()
{
    static QTranslator* translator = nullptr;
    if (translator)
        return;
    translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}
