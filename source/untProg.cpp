#include "source/untProg.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

TfrmProg::TfrmProg(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowStaysOnTopHint)
    , m_pnlProg(new QLabel(this))
    , m_btnStop(new QPushButton(QStringLiteral("Stop"), this))
{
    setObjectName(QStringLiteral("TfrmProg"));
    setWindowTitle(QStringLiteral("Adding files"));

    m_pnlProg->setObjectName(QStringLiteral("pnlProg"));
    m_pnlProg->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_pnlProg->setMargin(2);
    // A long folder name is cut off rather than widening the window.
    m_pnlProg->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_pnlProg->setMinimumWidth(260);
    m_btnStop->setObjectName(QStringLiteral("btnStop"));
    connect(m_btnStop, &QPushButton::clicked, this, &TfrmProg::stopClicked);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_pnlProg, 1);
    layout->addWidget(m_btnStop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmProg::SetFolderName(const QString& name)
{
    m_pnlProg->setText(name);
}

void TfrmProg::showEvent(QShowEvent* event)
{
    if (QWidget* owner = parentWidget())
        move(owner->frameGeometry().center() - frameGeometry().center() + pos());
    QWidget::showEvent(event);
}

void TfrmProg::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
