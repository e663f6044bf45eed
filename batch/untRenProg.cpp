#include "batch/untRenProg.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>

TfrmRenProg::TfrmRenProg(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowStaysOnTopHint)
    , m_pbrMain(new QProgressBar(this))
    , m_btnStop(new QPushButton(QStringLiteral("Stop"), this))
{
    setObjectName(QStringLiteral("TfrmRenProg"));
    setWindowTitle(QStringLiteral("Please Wait..."));

    m_pbrMain->setObjectName(QStringLiteral("pbrMain"));
    m_pbrMain->setTextVisible(false);
    m_pbrMain->setMinimumWidth(240);
    m_btnStop->setObjectName(QStringLiteral("btnStop"));
    connect(m_btnStop, &QPushButton::clicked, this, &TfrmRenProg::stopClicked);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_pbrMain, 1);
    layout->addWidget(m_btnStop);
    // A dialog border: the window keeps the size of its contents.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmRenProg::showEvent(QShowEvent* event)
{
    if (QWidget* owner = parentWidget())
        move(owner->frameGeometry().center() - frameGeometry().center() + pos());
    QWidget::showEvent(event);
}

void TfrmRenProg::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
