// The Preset menu: start afresh, load, save and delete named rule sets in settings.ini.
#include "app/untMain.h"

#include "app/ErrorDisplay.h"
#include "app/RuleTab.h"
#include "presets/PresetStore.h"
#include "presets/untLoadSet.h"
#include "presets/untSaveSet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace {

void Inform(QWidget* parent, const QString& text)
{
    ShowMessage(parent, QMessageBox::Information, text);
}

} // namespace

// The mode first, so a switch relists and empties the rename list before the filter and the
// subfolder box change (which relist nothing).
void TfrmMain::ApplyPreset(const Preset& preset)
{
    (preset.showfiles ? m_rbShowFiles : m_rbShowFolders)->setChecked(true);
    m_cboFilter->setCurrentIndex(m_cboFilter->findText(QString::fromStdString(preset.filefilter), Qt::MatchExactly | Qt::MatchCaseSensitive));
    m_cbIncSub->setChecked(preset.incsub);
    m_tsFile->SetRules(preset.file);
    m_tsExt->SetRules(preset.ext);
}

void TfrmMain::NewPreset()
{
    Preset fresh;
    fresh.filefilter = m_cboFilter->itemText(0).toStdString();
    // A new preset chooses no case button at all: no case change.
    for (RenameRules* rules : {&fresh.file, &fresh.ext})
        rules->none = false;
    ApplyPreset(fresh);
}

void TfrmMain::LoadPreset()
{
    PresetStore store;
    const std::vector<std::string> names = store.ListPresets();
    if (names.empty()) {
        Inform(this, QStringLiteral("No preset found, please save a preset first !"));
        return;
    }
    TfrmLoadSet dialog(names, this);
    if (dialog.exec() != QDialog::Accepted || dialog.SelectedName().isEmpty())
        return;
    ApplyPreset(store.ReadPreset(dialog.SelectedName().toStdString()));
}

void TfrmMain::SavePreset()
{
    TfrmSaveSet dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Preset preset;
    preset.showfiles = m_rbShowFiles->isChecked();
    preset.filefilter = m_cboFilter->currentText().toStdString();
    preset.incsub = m_cbIncSub->isChecked();
    preset.file = m_tsFile->Rules();
    preset.ext = m_tsExt->Rules();
    PresetStore().WritePreset(dialog.Name().toStdString(), preset);
    Inform(this, QStringLiteral("Rename preset saved to ") + dialog.Name().trimmed() + QStringLiteral(" successfully !"));
}

void TfrmMain::DeletePreset()
{
    PresetStore store;
    const std::vector<std::string> names = store.ListPresets();
    if (names.empty()) {
        Inform(this, QStringLiteral("No preset found, please save a preset first !"));
        return;
    }
    TfrmLoadSet dialog(names, this);
    dialog.SetDeleteCaptions();
    if (dialog.exec() != QDialog::Accepted || dialog.SelectedName().isEmpty())
        return;
    store.ErasePreset(dialog.SelectedName().toStdString());
}
