#include "picture/PictureError.h"

#include "values/Errors.h"

void ThrowPictureMemoryError()
{
    throw EKoravError(QStringLiteral("Zu wenig Arbeitsspeicher für das Bild"));
}
