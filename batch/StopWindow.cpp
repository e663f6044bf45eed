#include "batch/StopWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>

StopWindow::StopWindow(const QString& caption, QWidget* progress, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(caption);
    auto* stop = new QPushButton(QStringLiteral("Stop"), this);
    stop->setObjectName(QStringLiteral("btnStop"));
    connect(stop, &QPushButton::clicked, this, &StopWindow::stopClicked);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(progress, 1);
    layout->addWidget(stop);
    // A dialog border: the window keeps the size of its contents.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void StopWindow::showEvent(QShowEvent* event)
{
    if (QWidget* owner = parentWidget())
        move(owner->frameGeometry().center() - frameGeometry().center() + pos());
    QWidget::showEvent(event);
}

void StopWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
