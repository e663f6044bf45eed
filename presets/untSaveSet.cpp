#include "presets/untSaveSet.h"

#include "presets/PresetStore.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

TfrmSaveSet::TfrmSaveSet(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
    , m_name(new QLineEdit)
{
    setObjectName(QStringLiteral("TfrmSaveSet"));
    setWindowTitle(QStringLiteral("Save Rename Preset"));
    m_name->setObjectName(QStringLiteral("edSetname"));
    m_name->setMaxLength(20);

    auto* save = new QPushButton(QStringLiteral("Save"));
    save->setObjectName(QStringLiteral("btnSave"));
    save->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(save, &QPushButton::clicked, this, &TfrmSaveSet::SaveClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Please enter a name for your preset e.g. mp3 files")));
    layout->addWidget(m_name);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TfrmSaveSet::Name() const
{
    return m_name->text();
}

void TfrmSaveSet::SaveClicked()
{
    const QString name = m_name->text();
    if (name.trimmed().isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Quillmark"), QStringLiteral("Please enter a name for rename setting e.g. mp3 files"));
        return;
    }
    if (!IsValidPresetName(name.toStdString())) {
        QMessageBox::warning(this, QStringLiteral("Quillmark"), QStringLiteral("A preset name cannot contain [ or ] or begin with ; !"));
        return;
    }
    accept();
}
