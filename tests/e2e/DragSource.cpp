// A window of another program that drags one file, as a file manager does:
// the end-to-end test presses on it and moves the pointer onto the editor,
// so that the drop takes X's drag-and-drop protocol (XDND).
// Usage: korav-dragsource <file> <x> <y> [--data-end-with-drag]
// With --data-end-with-drag the drag object is deleted as soon as exec()
// returns, as in programs that keep it on the stack: the data are gone
// before the target fetches them for the drop.
// Prints the action the drop target accepted ("copy", "move", "link" or
// "none") once the drag has ended.
#include <QApplication>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include <cstdio>

namespace {

const char* ActionName(Qt::DropAction action)
{
    switch (action) {
    case Qt::CopyAction: return "copy";
    case Qt::MoveAction: return "move";
    case Qt::LinkAction: return "link";
    default: return "none";
    }
}

class TDragSource : public QLabel {
public:
    TDragSource(const QString& file, bool dataEndWithDrag) : QLabel(file), file_(file), dataEndWithDrag_(dataEndWithDrag)
    {
    }

protected:
    void mousePressEvent(QMouseEvent* event) override { pressedAt_ = event->position().toPoint(); }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!(event->buttons() & Qt::LeftButton) || dragged_ ||
            (event->position().toPoint() - pressedAt_).manhattanLength() < QApplication::startDragDistance())
            return;
        dragged_ = true;
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(file_)});
        // On the heap, as Qt asks: X's drop may fetch the data after exec()
        // has returned, and Qt deletes the drag when the drop is done.
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        const Qt::DropAction done = drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
        if (dataEndWithDrag_)
            delete drag;
        std::printf("%s\n", ActionName(done));
        std::fflush(stdout);
    }

private:
    QString file_;
    bool dataEndWithDrag_;
    QPoint pressedAt_;
    bool dragged_ = false;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool dataEndWithDrag = argc == 5 && QByteArray(argv[4]) == "--data-end-with-drag";
    if (argc != 4 && !dataEndWithDrag) {
        std::fprintf(stderr, "usage: korav-dragsource <file> <x> <y> [--data-end-with-drag]\n");
        return 2;
    }
    TDragSource source(QString::fromLocal8Bit(argv[1]), dataEndWithDrag);
    source.setWindowTitle(QStringLiteral("Ziehquelle"));
    source.setGeometry(QString::fromLocal8Bit(argv[2]).toInt(), QString::fromLocal8Bit(argv[3]).toInt(), 150, 80);
    source.show();
    return QApplication::exec();
}
