#include "app/TForm1.h"

#include "values/Errors.h"

#include <QGuiApplication>
#include <QTimer>

namespace {

// Runs the handler; the text the error display shows for the error it
// raised, or nothing.
std::optional<QString> ErrorOf(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const EKoravError& error) {
        return ErrorDisplayText(error.Text());
    } catch (const std::bad_alloc&) {
        return ErrorDisplayText(QStringLiteral("Zu wenig Arbeitsspeicher"));
    } catch (const std::exception& error) {
        return ErrorDisplayText(QString::fromUtf8(error.what()));
    }
    return std::nullopt;
}

} // namespace

void TForm1::Guard(const std::function<void()>& handler)
{
    if (const std::optional<QString> error = ErrorOf(handler))
        windowSystem_.ShowError(*error);
}

void TForm1::GuardFocusChange(const std::function<void()>& handler)
{
    if (const std::optional<QString> error = ErrorOf(handler)) {
        pendingError_ = *error;
        ShowPendingErrorAfterClick();
    }
}

// A modal box opened while a mouse button is down would swallow its
// release, and the click would never finish; the box waits for the release.
void TForm1::ShowPendingErrorAfterClick()
{
    const bool clicking = QGuiApplication::mouseButtons() != Qt::NoButton;
    QTimer::singleShot(clicking ? 10 : 0, this, [this] {
        if (QGuiApplication::mouseButtons() != Qt::NoButton) {
            ShowPendingErrorAfterClick();
            return;
        }
        if (const std::optional<QString> error = std::exchange(pendingError_, std::nullopt))
            windowSystem_.ShowError(*error);
    });
}
