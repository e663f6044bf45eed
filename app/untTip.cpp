#include "app/untTip.h"

#include "app/ShellOpenOrWarn.h"
#include "platform/ShellOpen.h"
#include "platform/WebPages.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QFrame* MakeHeader(QWidget* parent)
{
    auto* header = new QFrame(parent);
    header->setObjectName(QStringLiteral("pnlHeader"));
    header->setAutoFillBackground(true);
    QPalette palette = header->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    header->setPalette(palette);

    auto* icon = new QLabel(header);
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setPixmap(QIcon(QStringLiteral(":/quillmark-48.png")).pixmap(48, 48));

    auto* title = new QLabel(QStringLiteral("Getting Started"), header);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    title->setFont(titleFont);

    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(16, 12, 24, 12);
    layout->setSpacing(16);
    layout->addWidget(icon);
    layout->addWidget(title, 1);
    return header;
}

QFrame* MakeRule(QWidget* parent)
{
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

} // namespace

TfrmTip::TfrmTip(const QString& showTips, DesktopShell& shell, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_showTips(showTips)
{
    setObjectName(QStringLiteral("TfrmTip"));
    setWindowTitle(QStringLiteral("Quillmark"));

    auto* thanks = new QLabel(QStringLiteral("Thank you for using Quillmark."), this);
    thanks->setObjectName(QStringLiteral("lblThanks"));
    auto* help =
        new QLabel(QStringLiteral("Before you begin with Quillmark, here is some help."), this);
    help->setObjectName(QStringLiteral("lblHelp"));

    auto* btnManual = new QPushButton(QStringLiteral("&User Manual"), this);
    btnManual->setObjectName(QStringLiteral("btnManual"));
    connect(btnManual, &QPushButton::clicked, this, [this, &shell] { OpenOrWarn(shell, this, HelpFileUrl()); });

    auto* btnTutorial = new QPushButton(QStringLiteral("Online Video Tutorial"), this);
    btnTutorial->setObjectName(QStringLiteral("btnTutorial"));
    connect(btnTutorial, &QPushButton::clicked, this,
            [this, &shell] { OpenOrWarn(shell, this, WebPages::VideoTutorial()); });

    auto* btnClose = new QPushButton(QStringLiteral("&Continue with the program"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* chkShowTip = new QCheckBox(QStringLiteral("Show when program starts"), this);
    chkShowTip->setObjectName(QStringLiteral("chkShowTip"));
    chkShowTip->setChecked(showTips == u"1");
    connect(chkShowTip, &QCheckBox::clicked, this, [this](bool checked) {
        m_showTips = checked ? QStringLiteral("1") : QStringLiteral("0");
    });

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(btnManual);
    buttons->addWidget(btnTutorial);
    buttons->addWidget(btnClose);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(20, 16, 20, 16);
    body->setSpacing(6);
    body->addWidget(thanks);
    body->addWidget(help);
    body->addSpacing(14);
    body->addLayout(buttons);
    body->addSpacing(10);
    body->addWidget(chkShowTip);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(MakeHeader(this));
    layout->addWidget(MakeRule(this));
    layout->addLayout(body);

    btnClose->setFocus();
}

QString TfrmTip::ShowTips() const
{
    return m_showTips;
}

void TfrmTip::showEvent(QShowEvent* event)
{
    move(screen()->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
