#include "support/ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>

namespace {

// Marks a dialog whose step has run; a later dialog at the same address is a
// new object without the mark.
constexpr char HandledMark[] = "modalDriverHandled";

QString Describe(const QWidget* dialog)
{
    QString text = QString::fromLatin1(dialog->metaObject()->className()) + QStringLiteral(" \"") +
                   dialog->windowTitle() + u'"';
    if (const auto* box = qobject_cast<const QMessageBox*>(dialog))
        text += QStringLiteral(": ") + box->text();
    return text;
}

TShownMessage ShownMessage(const QMessageBox& box)
{
    TShownMessage shown{box.windowTitle(), box.text(), box.icon(), {}};
    for (const QAbstractButton* button : box.buttons())
        shown.Buttons << button->text();
    shown.Buttons.sort();
    return shown;
}

TShownFileDialog ShownFileDialog(const QFileDialog& dialog, const QLineEdit& nameField)
{
    TShownFileDialog shown{nameField.text(), {}};
    if (const auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
        for (int i = 0; i < types->count(); ++i)
            shown.Filters << types->itemText(i);
        shown.SelectedFilter = types->currentIndex();
    }
    return shown;
}

using TBoxAction = std::function<QString(QMessageBox& box)>;

TModalDriver::TStep OnMessageBox(TShownMessage* shown, TBoxAction action)
{
    return [shown, action = std::move(action)](QWidget* dialog) -> QString {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (!box)
            return QStringLiteral("expected a message box, got ") + Describe(dialog);
        if (shown)
            *shown = ShownMessage(*box);
        return action(*box);
    };
}

}  // namespace

TModalDriver::TModalDriver(int patienceMs) : patienceMs_(patienceMs)
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start(10);
}

TModalDriver& TModalDriver::Then(TStep step)
{
    steps_.push_back(std::move(step));
    return *this;
}

bool TModalDriver::Finished() const
{
    return steps_.empty() && faults_.isEmpty();
}

QByteArray TModalDriver::Report() const
{
    QStringList lines = faults_;
    if (!steps_.empty())
        lines << QStringLiteral("%1 expected dialog(s) never came").arg(steps_.size());
    return lines.join(QStringLiteral("; ")).toUtf8();
}

void TModalDriver::poll()
{
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog)
        return;
    if (dialog->property(HandledMark).toBool()) {
        if (sinceHandled_.elapsed() > patienceMs_)
            giveUp(dialog, QStringLiteral("still open after its step: ") + Describe(dialog));
        return;
    }
    dialog->setProperty(HandledMark, true);
    sinceHandled_.start();
    if (steps_.empty()) {
        giveUp(dialog, QStringLiteral("unexpected dialog: ") + Describe(dialog));
        return;
    }
    // The step runs outside this timer's slot: when it makes the dialog open
    // another one, that one blocks until answered, and only a timer that is
    // free to fire again can answer it.
    QTimer::singleShot(0, &timer_, [this, step = std::move(steps_.front()), target = QPointer<QWidget>(dialog)] {
        if (!target) {
            faults_ << QStringLiteral("a dialog closed before its step ran");
            return;
        }
        if (const QString fault = step(target); !fault.isEmpty())
            giveUp(target, fault);
    });
    steps_.pop_front();
}

void TModalDriver::giveUp(QWidget* dialog, const QString& fault)
{
    faults_ << fault;
    sinceHandled_.start();
    if (auto* modal = qobject_cast<QDialog*>(dialog))
        modal->done(QDialog::Rejected);
    else
        dialog->close();
}

TModalDriver::TStep TModalDriver::EnterFileName(const QString& path, TShownFileDialog* shown, int nextFilters)
{
    return [path, shown, nextFilters](QWidget* dialog) -> QString {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        auto* nameField = files ? files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
        if (!nameField)
            return QStringLiteral("expected a file dialog, got ") + Describe(dialog);
        if (shown)
            *shown = ShownFileDialog(*files, *nameField);
        // A user types into the focused field; without the focus the dialog
        // keeps the preset file selected next to the typed one.
        // (qWaitForWindowActive would not do: a dialog counts as active as
        // soon as its parent window is.)
        if (!QTest::qWaitFor([nameField] { return nameField->hasFocus(); }))
            return QStringLiteral("the file-name field never got the focus");
        // The whole path at once, as pasting it does: typed key by key, the
        // dialog selects each folder on the way as its background scan finds
        // it, and Return may then open that folder instead.
        // The arrow keys in the closed box choose an entry as a user does.
        auto* types = files->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; types && i < nextFilters; ++i)
            QTest::keyClick(types, Qt::Key_Down);
        nameField->setFocus();
        nameField->setText(path);
        QTest::keyClick(nameField, Qt::Key_Return);
        return {};
    };
}

TModalDriver::TStep TModalDriver::Press(const QString& caption, TShownMessage* shown)
{
    return OnMessageBox(shown, [caption](QMessageBox& box) -> QString {
        for (QAbstractButton* button : box.buttons()) {
            if (button->text() == caption) {
                QTest::mouseClick(button, Qt::LeftButton);
                return {};
            }
        }
        return QStringLiteral("no button \"%1\" in ").arg(caption) + Describe(&box);
    });
}

TModalDriver::TStep TModalDriver::PressKey(Qt::Key key, TShownMessage* shown)
{
    return OnMessageBox(shown, [key](QMessageBox& box) -> QString {
        QTest::keyClick(&box, key);
        return {};
    });
}

TModalDriver::TStep TModalDriver::CloseBox(TShownMessage* shown)
{
    return OnMessageBox(shown, [](QMessageBox& box) -> QString {
        box.close();
        return {};
    });
}
