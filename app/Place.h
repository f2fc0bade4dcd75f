#pragma once

#include <QLatin1String>

// Puts a control at its place and gives it its name, by which tests find it.
template <typename TWidget> TWidget* Place(TWidget* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}
