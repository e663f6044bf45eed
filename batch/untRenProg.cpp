#include "batch/untRenProg.h"

#include <QProgressBar>

namespace {

QProgressBar* NewBar()
{
    auto* bar = new QProgressBar;
    bar->setObjectName(QStringLiteral("pbrMain"));
    bar->setTextVisible(false);
    bar->setMinimumWidth(240);
    return bar;
}

} // namespace

TfrmRenProg::TfrmRenProg(QWidget* parent)
    : StopWindow(QStringLiteral("Please Wait..."), NewBar(), parent)
    , m_pbrMain(findChild<QProgressBar*>(QStringLiteral("pbrMain")))
{
    setObjectName(QStringLiteral("TfrmRenProg"));
}
