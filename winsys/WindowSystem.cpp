#include "winsys/WindowSystem.h"

QString ErrorDisplayText(const QString& text)
{
    if (!text.isEmpty() && text.back() > u'.')
        return text + u'.';
    return text;
}
