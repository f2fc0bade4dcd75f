#include "app/TForm1.h"

#include "app/DiagramPane.h"
#include "app/MenuTable.h"
#include "app/StatusBarPane.h"
#include "document/Document.h"
#include "document/StatusTexts.h"

#include <QAction>

// The window grows by the bar's height, so every pane keeps its size and
// place; a maximised window cannot grow, and its panes make room instead.
// Either way the diagram keeps its zoom: no user resized the window.
void TForm1::Statusleiste1Click()
{
    const bool on = menus_->IsChecked("Statusleiste1");
    const int change = on ? statusBar_->Height() : -statusBar_->Height();
    // Taken before the minimum grows, which already resizes a window below it.
    const int grown = height() + change;
    const bool mayGrow = !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    statusBar_->SetVisible(on);
    // The cursor line marks the value the bar reads.
    pane_->SetCursorShown(on);
    setMinimumHeight(minimumHeight() + change);
    resize(width(), grown);
    // The window system may resize later; the panes are laid out for the
    // height the window gets, so that its resize then changes none of them.
    LayoutPanes(mayGrow ? grown : height(), TRelayout::PaneToggled);
    UpdateStatusBar();
}

void TForm1::UpdateStatusBar()
{
    if (!statusBar_->IsShown())
        return;
    QString text;
    if (document_->Loaded()) {
        const std::optional<int> hover = pane_->Hover();
        text = hover ? HoverStatusText(document_->Values(), ComparisonValues(), *hover, NumberMode())
                     : SelectionStatusText(document_->Values(), SelectedLines(), NumberMode());
    }
    statusBar_->Show(text,
                     curves_.Comparison
                         ? QStringLiteral("Vergleichskurve: ") + FileNamePart(curves_.Comparison->FileName)
                         : QString());
}

void TForm1::PaintBox1MouseLeave()
{
    pane_->SetHover(std::nullopt);
    UpdateStatusBar();
}

// A message the user must see brings the bar up, as "Statusleiste" does.
void TForm1::ShowStatusMessage(const QString& message)
{
    if (!statusBar_->IsShown())
        menus_->Item("Statusleiste1").trigger();
    statusBar_->ShowMessage(message);
}
