#pragma once

#include "diagram/SelectionRuns.h"

#include <QObject>

#include <functional>
#include <optional>
#include <vector>

class TDiagram;
class TListBox;

// The selection of the value list: the selected lines, the current line, the
// anchor a Shift key extends from, and the top line in view. Every line the
// program selects becomes the current line and the anchor, as a click on it
// would make it.
class TListSelection : public QObject {
    Q_OBJECT

public:
    explicit TListSelection(TListBox& list);

    [[nodiscard]] int ItemIndex() const;
    [[nodiscard]] int TopIndex() const;
    void SetTopIndex(int line);
    // Whole lines in view.
    [[nodiscard]] int VisibleLines() const;
    // Ascending, each line once.
    [[nodiscard]] std::vector<int> SelectedLines() const;
    [[nodiscard]] bool HasSelection() const;

    // Adds `line` to the selection, makes it current and scrolls it into view.
    void SelectLine(int line);
    // Adds the lines in one change, so that selecting 2500 lines stays fast;
    // the line given last becomes current, as if selected one by one.
    void SelectRuns(const std::vector<TSelectionRun>& runs);
    void SelectRows(const std::vector<int>& rows);
    // Adds ascending `rows` in one change and makes the first of them current,
    // scrolled into view, as the first thing a search found.
    void SelectFound(const std::vector<int>& rows);
    // Makes `line` current and scrolls it into view; the selection stays.
    void MoveCurrentTo(int line);
    // The first line of the next run of selected lines after `line` (for a
    // positive `direction`) or of the previous one before it, going round
    // at either end; nothing without a selection.
    [[nodiscard]] std::optional<int> RunStart(int line, int direction) const;
    void DeselectAll();
    // The first line current and in view, nothing selected: a list just filled.
    void StartAtTop();

    // The diagram's selection runs become the selected lines.
    void CopyInto(TDiagram& diagram) const;

signals:
    void Changed();

private:
    void ChangeAtOnce(const std::function<void()>& change);
    void SelectRanges(const std::vector<TSelectionRun>& runs, int current);

    TListBox& list_;
};
