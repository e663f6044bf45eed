#include "app/untOpenWith.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QIcon ProgramIcon(const QString& icon)
{
    const QIcon fallback = QIcon::fromTheme(QStringLiteral("application-x-executable"));
    if (icon.startsWith(u'/'))
        return QIcon(icon);
    return QIcon::fromTheme(icon, fallback);
}

} // namespace

TfrmOpenWith::TfrmOpenWith(const QString& fileName, std::vector<DesktopApplication> applications,
                           QWidget* parent)
    : QDialog(parent)
    , m_applications(std::move(applications))
{
    setObjectName(QStringLiteral("TfrmOpenWith"));
    setWindowTitle(QStringLiteral("Open With"));

    auto* prompt = new QLabel(QStringLiteral("Choose the program you want to use to open this file:"), this);
    auto* file = new QLabel(fileName, this);
    file->setObjectName(QStringLiteral("lblFileName"));
    QFont bold = file->font();
    bold.setBold(true);
    file->setFont(bold);
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_lstPrograms = new QListWidget(this);
    m_lstPrograms->setObjectName(QStringLiteral("lstPrograms"));
    m_lstPrograms->setIconSize(QSize(24, 24));
    m_lstPrograms->setUniformItemSizes(true);
    for (const DesktopApplication& application : m_applications) {
        const QString name = application.isDefault ? application.name + QStringLiteral(" (default)") : application.name;
        auto* item = new QListWidgetItem(ProgramIcon(application.icon), name, m_lstPrograms);
        item->setToolTip(application.exec);
    }

    auto* none = new QLabel(QStringLiteral("No program is registered for this type of file. Type the command that opens it below."), this);
    none->setObjectName(QStringLiteral("lblNoPrograms"));
    none->setWordWrap(true);

    auto* commandLabel = new QLabel(QStringLiteral("&Command:"), this);
    m_edCommand = new QLineEdit(this);
    m_edCommand->setObjectName(QStringLiteral("edCommand"));
    m_edCommand->setPlaceholderText(QStringLiteral("program --option %f"));
    commandLabel->setBuddy(m_edCommand);

    m_btnOpen = new QPushButton(QStringLiteral("&Open"), this);
    m_btnOpen->setObjectName(QStringLiteral("btnOpen"));
    m_btnOpen->setDefault(true);
    auto* btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(m_btnOpen, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_btnOpen);
    buttons->addWidget(btnCancel);

    connect(m_lstPrograms, &QListWidget::currentRowChanged, this, &TfrmOpenWith::ProgramChosen);
    connect(m_lstPrograms, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(m_edCommand, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_btnOpen->setEnabled(!text.trimmed().isEmpty()); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(prompt);
    layout->addWidget(file);
    layout->addSpacing(4);
    layout->addWidget(m_lstPrograms, 1);
    layout->addWidget(none);
    layout->addSpacing(4);
    layout->addWidget(commandLabel);
    layout->addWidget(m_edCommand);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    m_btnOpen->setEnabled(false);
    if (m_applications.empty()) {
        m_lstPrograms->hide();
        m_edCommand->setFocus();
    } else {
        none->hide();
        m_lstPrograms->setCurrentRow(0);
        m_lstPrograms->setFocus();
    }
    resize(440, m_applications.empty() ? 200 : 340);
}

QString TfrmOpenWith::Command() const
{
    return m_edCommand->text().trimmed();
}

void TfrmOpenWith::ProgramChosen(int row)
{
    if (row >= 0 && row < static_cast<int>(m_applications.size()))
        m_edCommand->setText(m_applications[static_cast<std::size_t>(row)].exec);
}
