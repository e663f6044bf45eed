#include "source/untProg.h"

#include <QLabel>

namespace {

QLabel* NewPanel()
{
    auto* panel = new QLabel;
    panel->setObjectName(QStringLiteral("pnlProg"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMargin(2);
    // A long folder name is cut off rather than widening the window.
    panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    panel->setMinimumWidth(260);
    return panel;
}

} // namespace

TfrmProg::TfrmProg(QWidget* parent)
    : StopWindow(QStringLiteral("Adding files"), NewPanel(), parent)
    , m_pnlProg(findChild<QLabel*>(QStringLiteral("pnlProg")))
{
    setObjectName(QStringLiteral("TfrmProg"));
}

void TfrmProg::SetFolderName(const QString& name)
{
    m_pnlProg->setText(name);
}
