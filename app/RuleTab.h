#pragma once

#include "engine/RenameRules.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// The option controls of one name part: the "File Name" tab, or its twin "Extension" tab whose
// controls carry a trailing "1" and which has no date stamp. The controls are the only store of
// the rules; Rules() reads them afresh.
class RuleTab : public QWidget {
    Q_OBJECT

public:
    enum class Part { FileName, Extension };

    explicit RuleTab(Part part, QWidget* parent = nullptr);

    RenameRules Rules() const;

    // Puts a record into the controls as a preset load does: each control that changes reacts
    // as to the user's change, the All box before the five classes it governs; a choice takes
    // the item of the same text, or none.
    void SetRules(const RenameRules& rules);

    // The position of cboFileDate, which picks the row's date for the stamp.
    int DateKind() const;

signals:
    // Any option changed (a click, a text, or a list choice the user made).
    void rulesChanged();

private:
    QWidget* BuildAddGroup();
    QWidget* BuildReplaceGroup();
    QWidget* BuildCaseGroup();
    QWidget* BuildRemoveGroup();
    QWidget* BuildOtherGroup();
    void ApplyAllRule(bool allChecked);

    template <typename Control>
    Control* Named(Control* control, const char* name);
    QCheckBox* CheckBox(const char* name, const QString& caption);
    QLineEdit* Edit(const char* name, const QString& text = {});
    QComboBox* Choice(const char* name, const QStringList& items, int selected);
    QRadioButton* CaseButton(const char* name, const QString& caption);

    const Part m_part;

    QCheckBox* m_textPre = nullptr;
    QLineEdit* m_text = nullptr;
    QCheckBox* m_textIns = nullptr;
    QLineEdit* m_textInsText = nullptr;
    QLineEdit* m_textInsPos = nullptr;
    QCheckBox* m_datePre = nullptr;
    QComboBox* m_dateType = nullptr;
    QComboBox* m_datePosition = nullptr;
    QComboBox* m_dateFormat = nullptr;
    QCheckBox* m_countPre = nullptr;
    QSpinBox* m_countLen = nullptr;
    QLineEdit* m_countStart = nullptr;
    QComboBox* m_countPosition = nullptr;

    QCheckBox* m_textRep = nullptr;
    QLineEdit* m_textRepText = nullptr;
    QLineEdit* m_textRepWith = nullptr;
    QCheckBox* m_repCaseSensitive = nullptr;
    QCheckBox* m_repAll = nullptr;

    QRadioButton* m_lower = nullptr;
    QRadioButton* m_upper = nullptr;
    QRadioButton* m_toggle = nullptr;
    QRadioButton* m_title = nullptr;
    QRadioButton* m_none = nullptr;

    QCheckBox* m_alpha = nullptr;
    QCheckBox* m_num = nullptr;
    QCheckBox* m_spec = nullptr;
    QCheckBox* m_spaces = nullptr;
    QCheckBox* m_brackets = nullptr;
    QCheckBox* m_all = nullptr;
    QCheckBox* m_remAtPos = nullptr;
    QLineEdit* m_remFrom = nullptr;
    QLineEdit* m_remLen = nullptr;
    QCheckBox* m_remSpec = nullptr;
    QLineEdit* m_specText = nullptr;
    QCheckBox* m_remCaseSensitive = nullptr;
    QCheckBox* m_remAll = nullptr;

    QCheckBox* m_remIns = nullptr;
};
