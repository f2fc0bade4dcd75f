#include "winsys/WindowSystem.h"

QString ErrorDisplayText(const QString& text)
{
    if (!text.isEmpty() && text.back() > u'.')
        return text + u'.';
    return text;
}

bool TWindowSystem::ExecutePrint(QPrinter&)
{
    return false;
}

void TWindowSystem::ExecutePrintPreview(QPrinter&, const std::function<void(QPrinter&)>&)
{
}
