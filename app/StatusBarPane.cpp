#include "app/StatusBarPane.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

namespace {

constexpr int MessageMilliseconds = 8000;

} // namespace

TStatusBarPane::TStatusBarPane(QMainWindow& window)
    : window_(window), bar_(window.statusBar()), text_(new QLabel(bar_)), comparison_(new QLabel(bar_))
{
    bar_->setObjectName(QStringLiteral("StatusBar1"));
    text_->setObjectName(QStringLiteral("StatusPanel1"));
    bar_->addWidget(text_, 1);
    comparison_->setObjectName(QStringLiteral("StatusPanel2"));
    bar_->addPermanentWidget(comparison_);
    bar_->setFixedHeight(bar_->sizeHint().height());
    bar_->hide();
}

bool TStatusBarPane::IsShown() const
{
    return bar_->isVisibleTo(&window_);
}

int TStatusBarPane::Height() const
{
    return bar_->height();
}

void TStatusBarPane::SetVisible(bool visible)
{
    bar_->setVisible(visible);
}

void TStatusBarPane::Show(const QString& text, const QString& comparison)
{
    text_->setText(text);
    comparison_->setText(comparison);
}

void TStatusBarPane::ShowMessage(const QString& message)
{
    bar_->showMessage(message, MessageMilliseconds);
}
