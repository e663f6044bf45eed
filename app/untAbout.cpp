#include "app/untAbout.h"

#include "app/ShellOpenOrWarn.h"
#include "platform/WebPages.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TfrmAbout::TfrmAbout(DesktopShell& shell, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TfrmAbout"));
    setWindowTitle(QStringLiteral("About"));

    auto* name = new QLabel(QStringLiteral("Quillmark"), this);
    name->setObjectName(QStringLiteral("lblName"));
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 2.0);
    name->setFont(nameFont);

    auto* version = new QLabel(QStringLiteral("Version 3.0"), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    QFont versionFont = version->font();
    versionFont.setBold(true);
    version->setFont(versionFont);

    const QString address = WebPages::ProductSite().toString();
    auto* webSite = new QLabel(this);
    webSite->setObjectName(QStringLiteral("lblWebSite"));
    webSite->setTextFormat(Qt::RichText);
    webSite->setText(
        QStringLiteral("<a href=\"%1\" style=\"font-weight:bold; text-decoration:underline\">%1</a>")
            .arg(address.toHtmlEscaped()));
    webSite->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    webSite->setCursor(Qt::PointingHandCursor);
    connect(webSite, &QLabel::linkActivated, this,
            [this, &shell] { OpenOrWarn(shell, this, WebPages::ProductSite()); });

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setMinimumWidth(320);

    auto* btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 20, 16);
    layout->setSpacing(6);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addSpacing(10);
    layout->addWidget(webSite);
    layout->addSpacing(14);
    layout->addWidget(rule);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    btnOK->setFocus();
}

void TfrmAbout::showEvent(QShowEvent* event)
{
    move(screen()->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
