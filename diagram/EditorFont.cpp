#include "diagram/EditorFont.h"

QFont EditorFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
