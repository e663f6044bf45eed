#include "presets/untLoadSet.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TfrmLoadSet::TfrmLoadSet(const std::vector<std::string>& names, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
    , m_list(new QListWidget)
    , m_choose(new QPushButton(QStringLiteral("&Select")))
{
    setObjectName(QStringLiteral("TfrmLoadSet"));
    setWindowTitle(QStringLiteral("Load Rename Preset"));
    m_list->setObjectName(QStringLiteral("lbSet"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList sorted;
    for (const std::string& name : names)
        sorted << QString::fromStdString(name);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    m_list->addItems(sorted);
    m_list->setCurrentRow(-1);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TfrmLoadSet::ChooseClicked);

    m_choose->setObjectName(QStringLiteral("btnLoad"));
    m_choose->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setAutoDefault(false);
    connect(m_choose, &QPushButton::clicked, this, &TfrmLoadSet::ChooseClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_choose);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Choose a preset ")));
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    setFixedSize(300, 320);
}

void TfrmLoadSet::SetDeleteCaptions()
{
    setWindowTitle(QStringLiteral("Delete Rename settings"));
    m_choose->setText(QStringLiteral("&Delete"));
}

QString TfrmLoadSet::SelectedName() const
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text();
}

void TfrmLoadSet::ChooseClicked()
{
    if (m_list->selectedItems().isEmpty()) {
        QMessageBox::information(this, QStringLiteral("Quillmark"), QStringLiteral("You must select a preset to proceed !"));
        return;
    }
    accept();
}
