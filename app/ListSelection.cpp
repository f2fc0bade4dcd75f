#include "app/ListSelection.h"

#include "controls/ListBox.h"
#include "diagram/TDiagram.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// Each block of neighbours becomes one run.
std::vector<TSelectionRun> RunsOf(const std::vector<int>& rows)
{
    TSelectionRuns runs;
    for (const int row : rows)
        runs.AddIndex(row);
    return runs.Runs();
}

} // namespace

TListSelection::TListSelection(TListBox& list) : QObject(&list), list_(list)
{
    connect(list_.selectionModel(), &QItemSelectionModel::selectionChanged, this, &TListSelection::Changed);
}

int TListSelection::ItemIndex() const
{
    return list_.currentIndex().row();
}

int TListSelection::TopIndex() const
{
    return list_.verticalScrollBar()->value();
}

void TListSelection::SetTopIndex(int line)
{
    list_.verticalScrollBar()->setValue(line);
}

int TListSelection::VisibleLines() const
{
    return list_.verticalScrollBar()->pageStep();
}

std::vector<int> TListSelection::SelectedLines() const
{
    std::vector<int> lines;
    for (const QItemSelectionRange& range : list_.selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            lines.push_back(row);
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

bool TListSelection::HasSelection() const
{
    return list_.selectionModel()->hasSelection();
}

void TListSelection::SelectLine(int line)
{
    list_.SelectAsAnchor(line);
    list_.scrollTo(list_.model()->index(line, 0));
}

// The view works out the screen region of every range that changes, which
// for a thousand runs takes longer than a frame; it repaints what it shows
// instead, and the selection reports one change.
void TListSelection::ChangeAtOnce(const std::function<void()>& change)
{
    {
        const QSignalBlocker quiet(list_.selectionModel());
        change();
    }
    list_.viewport()->update();
    emit Changed();
}

void TListSelection::SelectRanges(const std::vector<TSelectionRun>& runs, int current)
{
    QItemSelection selection;
    const QAbstractItemModel& model = *list_.model();
    for (const TSelectionRun& run : runs)
        selection.select(model.index(run.Start, 0), model.index(run.Start + run.Count - 1, 0));
    ChangeAtOnce([this, &selection, current] {
        list_.selectionModel()->select(selection, QItemSelectionModel::Select);
        SelectLine(current);
    });
}

void TListSelection::SelectRuns(const std::vector<TSelectionRun>& runs)
{
    if (!runs.empty())
        SelectRanges(runs, runs.back().Start + runs.back().Count - 1);
}

void TListSelection::SelectRows(const std::vector<int>& rows)
{
    if (!rows.empty())
        SelectRanges(RunsOf(rows), rows.back());
}

void TListSelection::SelectFound(const std::vector<int>& rows)
{
    if (!rows.empty())
        SelectRanges(RunsOf(rows), rows.front());
}

void TListSelection::MoveCurrentTo(int line)
{
    list_.MoveCurrentTo(line);
    list_.scrollTo(list_.model()->index(line, 0));
}

std::optional<int> TListSelection::RunStart(int line, int direction) const
{
    const std::vector<TSelectionRun> runs = RunsOf(SelectedLines());
    if (runs.empty())
        return std::nullopt;
    if (direction > 0) {
        const auto next =
            std::find_if(runs.begin(), runs.end(), [line](const TSelectionRun& run) { return run.Start > line; });
        return (next != runs.end() ? *next : runs.front()).Start;
    }
    const auto previous =
        std::find_if(runs.rbegin(), runs.rend(), [line](const TSelectionRun& run) { return run.Start < line; });
    return (previous != runs.rend() ? *previous : runs.back()).Start;
}

void TListSelection::DeselectAll()
{
    if (HasSelection())
        ChangeAtOnce([this] { list_.selectionModel()->clearSelection(); });
}

void TListSelection::StartAtTop()
{
    list_.selectionModel()->setCurrentIndex(list_.model()->index(0, 0), QItemSelectionModel::NoUpdate);
    list_.scrollToTop();
}

void TListSelection::CopyInto(TDiagram& diagram) const
{
    diagram.ClearRuns();
    for (const int line : SelectedLines())
        diagram.AddIndex(line);
}
