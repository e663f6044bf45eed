#include "app/RuleTab.h"

#include "engine/untGenLib.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

namespace {

const QStringList kPositions = {QStringLiteral("Prefix"), QStringLiteral("Suffix")};

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

std::string Utf8(const QComboBox* box)
{
    return box->currentText().toStdString();
}

QGroupBox* Group(const QString& title, QLayout* layout)
{
    auto* group = new QGroupBox(title);
    group->setLayout(layout);
    return group;
}

} // namespace

RuleTab::RuleTab(Part part, QWidget* parent)
    : QWidget(parent)
    , m_part(part)
{
    auto* left = new QVBoxLayout;
    left->addWidget(BuildAddGroup());
    left->addWidget(BuildReplaceGroup());
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(BuildCaseGroup());
    right->addWidget(BuildRemoveGroup());
    right->addWidget(BuildOtherGroup());
    right->addStretch();

    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
}

template <typename Control>
Control* RuleTab::Named(Control* control, const char* name)
{
    QString objectName = QString::fromLatin1(name);
    if (m_part == Part::Extension)
        objectName += u'1';
    control->setObjectName(objectName);
    return control;
}

QCheckBox* RuleTab::CheckBox(const char* name, const QString& caption)
{
    auto* box = Named(new QCheckBox(caption), name);
    connect(box, &QCheckBox::toggled, this, &RuleTab::rulesChanged);
    return box;
}

QLineEdit* RuleTab::Edit(const char* name, const QString& text)
{
    auto* edit = Named(new QLineEdit(text), name);
    connect(edit, &QLineEdit::textChanged, this, &RuleTab::rulesChanged);
    return edit;
}

// Only the user's own choice refreshes; a choice made by a command does not.
QComboBox* RuleTab::Choice(const char* name, const QStringList& items, int selected)
{
    auto* box = Named(new QComboBox, name);
    box->addItems(items);
    box->setCurrentIndex(selected);
    connect(box, &QComboBox::activated, this, &RuleTab::rulesChanged);
    return box;
}

QRadioButton* RuleTab::CaseButton(const char* name, const QString& caption)
{
    auto* button = Named(new QRadioButton(caption), name);
    connect(button, &QRadioButton::toggled, this, &RuleTab::rulesChanged);
    return button;
}

QWidget* RuleTab::BuildAddGroup()
{
    m_textPre = CheckBox("cbTextPre", QStringLiteral("Append Text"));
    m_text = Edit("edText");
    m_textIns = CheckBox("cbTextIns", QStringLiteral("Insert Text"));
    m_textInsText = Edit("edTextIns");
    m_textInsPos = Edit("edTextInsPos");
    m_textInsPos->setMaximumWidth(50);
    m_countPre = CheckBox("cbCountPre", QStringLiteral("Add Counter"));
    m_countLen = Named(new QSpinBox, "edCountLen");
    m_countLen->setRange(1, 20);
    m_countLen->setValue(1);
    connect(m_countLen, &QSpinBox::textChanged, this, &RuleTab::rulesChanged);
    m_countStart = Edit("edSFrom", QStringLiteral("1"));
    m_countStart->setMaximumWidth(70);
    if (m_part == Part::FileName)
        m_countStart->setToolTip(QStringLiteral("Start counter from number?"));
    m_countPosition = Choice("cboCountPrefix", kPositions, 1);

    auto* grid = new QGridLayout;
    grid->addWidget(m_textPre, 0, 0);
    grid->addWidget(m_text, 0, 1, 1, 4);
    grid->addWidget(m_textIns, 1, 0);
    grid->addWidget(m_textInsText, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Insert at position")), 1, 3, Qt::AlignRight);
    grid->addWidget(m_textInsPos, 1, 4);

    int row = 2;
    if (m_part == Part::FileName) {
        m_datePre = CheckBox("cbFDatePre", QStringLiteral("Add Date"));
        m_dateType = Choice("cboFileDate",
                            {QStringLiteral("Created Date"), QStringLiteral("Modified Date"),
                             QStringLiteral("Accessed Date"), QStringLiteral("Todays Date")},
                            0);
        m_datePosition = Choice("cboFDatePre", kPositions, 1);
        m_dateFormat = Choice("cboDateFormat",
                              {QStringLiteral("DDMMYYYY"), QStringLiteral("MMDDYYYY"), QStringLiteral("YYYYMMDD"),
                               QStringLiteral("YYMMDD"), QStringLiteral("DDMMYY"), QStringLiteral("DDMM"),
                               QStringLiteral("MMDD"), QStringLiteral("MMYYYY"), QStringLiteral("MMYY"),
                               QStringLiteral("YYYY"), QStringLiteral("MM"), QStringLiteral("DD"), QStringLiteral("YY")},
                              1);
        auto* format = new QHBoxLayout;
        format->addWidget(new QLabel(QStringLiteral("Format")));
        format->addWidget(m_dateFormat);
        grid->addWidget(m_datePre, row, 0);
        grid->addWidget(m_dateType, row, 1);
        grid->addWidget(m_datePosition, row, 2);
        grid->addLayout(format, row, 3, 1, 2);
        ++row;
    }

    auto* length = new QHBoxLayout;
    length->addWidget(new QLabel(QStringLiteral("Length")));
    length->addWidget(m_countLen);
    auto* start = new QHBoxLayout;
    start->addWidget(new QLabel(QStringLiteral("start number")));
    start->addWidget(m_countStart);
    grid->addWidget(m_countPre, row, 0);
    grid->addLayout(length, row, 1);
    grid->addLayout(start, row, 2);
    grid->addWidget(m_countPosition, row, 3, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return Named(Group(QStringLiteral("Add"), grid), "gbAdd");
}

QWidget* RuleTab::BuildReplaceGroup()
{
    m_textRep = CheckBox("cbTextRep", QStringLiteral("Replace Text"));
    m_textRepText = Edit("edTextRep");
    m_repCaseSensitive = CheckBox("cbRepTextCS", QStringLiteral("Case Sensitive"));
    m_textRepWith = Edit("edTextRepW");
    m_repAll = CheckBox("cbRepTextAll", QStringLiteral("Replace All"));

    auto* grid = new QGridLayout;
    grid->addWidget(m_textRep, 0, 0);
    grid->addWidget(m_textRepText, 0, 1);
    grid->addWidget(m_repCaseSensitive, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Replace With")), 1, 0);
    grid->addWidget(m_textRepWith, 1, 1);
    grid->addWidget(m_repAll, 1, 2);
    grid->setColumnStretch(1, 1);
    return Named(Group(QStringLiteral("Replace"), grid), "gbReplace");
}

QWidget* RuleTab::BuildCaseGroup()
{
    m_lower = CaseButton("rbLower", QStringLiteral("Lower"));
    m_upper = CaseButton("rbUpper", QStringLiteral("Upper"));
    m_toggle = CaseButton("rbToggle", QStringLiteral("tOGGLEcASE"));
    m_title = CaseButton("rbTitle", QStringLiteral("Title Case"));
    m_none = CaseButton("rbNone", QStringLiteral("None"));
    m_none->setChecked(true);

    auto* row = new QHBoxLayout;
    for (QRadioButton* button : {m_lower, m_upper, m_toggle, m_title, m_none})
        row->addWidget(button);
    row->addStretch();
    return Named(Group(QStringLiteral("Change Case"), row), "gbCase");
}

QWidget* RuleTab::BuildRemoveGroup()
{
    m_alpha = CheckBox("cbAlpha", QStringLiteral("Alphabets"));
    m_spaces = CheckBox("cbSpaces", QStringLiteral("Spaces"));
    m_spec = CheckBox("cbSpe", QStringLiteral("Special Chars."));
    m_num = CheckBox("cbNum", QStringLiteral("Numbers"));
    m_brackets = CheckBox("cbBrackets", QStringLiteral("Brackets"));
    m_all = Named(new QCheckBox(QStringLiteral("All")), "cbAll");
    connect(m_all, &QCheckBox::toggled, this, &RuleTab::ApplyAllRule);
    m_remAtPos = CheckBox("cbRemAtPos", QStringLiteral("Remove Text at Position"));
    m_remFrom = Edit("edRemFrom", QStringLiteral("1"));
    m_remLen = Edit("edRemLen", QStringLiteral("1"));
    m_remFrom->setMaximumWidth(60);
    m_remLen->setMaximumWidth(60);
    m_remSpec = CheckBox("cbRemSpec", QStringLiteral("Remove Specific Text"));
    m_specText = Edit("edSpecText");
    m_specText->setMaxLength(255);
    m_remCaseSensitive = CheckBox("cbRemTextCS", QStringLiteral("Case Sensitive"));
    m_remAll = CheckBox("cbRemAll", QStringLiteral("Remove All"));

    auto* grid = new QGridLayout;
    grid->addWidget(m_alpha, 0, 0);
    grid->addWidget(m_spaces, 0, 1);
    grid->addWidget(m_spec, 0, 2);
    grid->addWidget(m_num, 1, 0);
    grid->addWidget(m_brackets, 1, 1);
    grid->addWidget(m_all, 1, 2);

    auto* position = new QHBoxLayout;
    position->addWidget(m_remAtPos);
    position->addWidget(m_remFrom);
    position->addWidget(new QLabel(QStringLiteral("Length")));
    position->addWidget(m_remLen);
    position->addStretch();
    grid->addLayout(position, 2, 0, 1, 3);

    auto* specific = new QHBoxLayout;
    specific->addWidget(m_remSpec);
    specific->addWidget(m_specText, 1);
    grid->addLayout(specific, 3, 0, 1, 3);

    auto* flags = new QHBoxLayout;
    flags->addWidget(m_remCaseSensitive);
    flags->addWidget(m_remAll);
    flags->addStretch();
    grid->addLayout(flags, 4, 0, 1, 3);
    return Named(Group(QStringLiteral("Remove"), grid), "gbRemove");
}

QWidget* RuleTab::BuildOtherGroup()
{
    m_remIns = CheckBox("cbRemIns", QStringLiteral("Remove first && then insert"));
    m_remIns->setToolTip(QStringLiteral(
        "Tick this If you wish to remove text from original file name first and then insert the new text "
        "otherwise keep this unticked."));
    auto* row = new QHBoxLayout;
    row->addWidget(m_remIns);
    row->addStretch();
    return Named(Group(QStringLiteral("Other options"), row), "gbOther");
}

// "All" stands for the five classes: they are cleared, and greyed while it is checked.
void RuleTab::ApplyAllRule(bool allChecked)
{
    for (QCheckBox* box : {m_alpha, m_num, m_spec, m_spaces, m_brackets}) {
        box->setChecked(false);
        box->setEnabled(!allChecked);
    }
    emit rulesChanged();
}

RenameRules RuleTab::Rules() const
{
    RenameRules rules;
    rules.textadd = m_textPre->isChecked();
    rules.text = Utf8(m_text->text());
    rules.textins = m_textIns->isChecked();
    rules.textinstext = Utf8(m_textInsText->text());
    rules.textinstextpos = Utf8(m_textInsPos->text());
    if (m_part == Part::FileName) {
        rules.fdate = m_datePre->isChecked();
        rules.fdatetype = Utf8(m_dateType);
        rules.fdateprefix = Utf8(m_datePosition);
        rules.dateformat = Utf8(m_dateFormat);
    }
    rules.counter = m_countPre->isChecked();
    rules.countlen = Utf8(m_countLen->cleanText());
    rules.countstart = Utf8(m_countStart->text());
    rules.countprefix = Utf8(m_countPosition);

    rules.textrep = m_textRep->isChecked();
    rules.textreptext = Utf8(m_textRepText->text());
    rules.textreptextw = Utf8(m_textRepWith->text());
    rules.textrepcs = m_repCaseSensitive->isChecked();
    rules.textrepall = m_repAll->isChecked();

    rules.lower = m_lower->isChecked();
    rules.upper = m_upper->isChecked();
    rules.toggle = m_toggle->isChecked();
    rules.title = m_title->isChecked();
    rules.none = m_none->isChecked();

    rules.remalpha = m_alpha->isChecked();
    rules.remnum = m_num->isChecked();
    rules.remspec = m_spec->isChecked();
    rules.remspace = m_spaces->isChecked();
    rules.rembracket = m_brackets->isChecked();
    rules.remall = m_all->isChecked();
    rules.rematpos = m_remAtPos->isChecked();
    rules.remfrom = Utf8(m_remFrom->text());
    rules.remlen = Utf8(m_remLen->text());
    rules.remspeci = m_remSpec->isChecked();
    rules.remtext = Utf8(m_specText->text());
    rules.remspeccs = m_remCaseSensitive->isChecked();
    rules.remspecall = m_remAll->isChecked();

    rules.remins = m_remIns->isChecked();
    return rules;
}

int RuleTab::DateKind() const
{
    return m_dateType ? m_dateType->currentIndex() : 0;
}

namespace {

void SetChoice(QComboBox* box, const std::string& text)
{
    box->setCurrentIndex(box->findText(QString::fromStdString(text), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void SetText(QLineEdit* edit, const std::string& text)
{
    edit->setText(QString::fromStdString(text));
}

} // namespace

void RuleTab::SetRules(const RenameRules& rules)
{
    m_textPre->setChecked(rules.textadd);
    SetText(m_text, rules.text);
    m_textIns->setChecked(rules.textins);
    SetText(m_textInsText, rules.textinstext);
    SetText(m_textInsPos, rules.textinstextpos);
    if (m_part == Part::FileName) {
        m_datePre->setChecked(rules.fdate);
        SetChoice(m_dateType, rules.fdatetype);
        SetChoice(m_datePosition, rules.fdateprefix);
        SetChoice(m_dateFormat, rules.dateformat);
    }
    m_countPre->setChecked(rules.counter);
    m_countLen->setValue(std::clamp(ParseIntOrZero(rules.countlen), 1, 20));
    SetText(m_countStart, rules.countstart);
    SetChoice(m_countPosition, rules.countprefix);

    m_textRep->setChecked(rules.textrep);
    SetText(m_textRepText, rules.textreptext);
    SetText(m_textRepWith, rules.textreptextw);
    m_repCaseSensitive->setChecked(rules.textrepcs);
    m_repAll->setChecked(rules.textrepall);

    // The last button whose flag is on wins; with none on, no case button is chosen.
    const std::pair<QRadioButton*, bool> cases[] = {
        {m_lower, rules.lower}, {m_upper, rules.upper}, {m_toggle, rules.toggle}, {m_title, rules.title}, {m_none, rules.none}};
    QRadioButton* chosen = nullptr;
    for (const auto& [button, on] : cases) {
        if (on)
            chosen = button;
    }
    for (const auto& [button, on] : cases) {
        button->setAutoExclusive(false);
        button->setChecked(button == chosen);
        button->setAutoExclusive(true);
    }

    if (m_all->isChecked() != rules.remall)
        m_all->setChecked(rules.remall);
    m_alpha->setChecked(rules.remalpha);
    m_num->setChecked(rules.remnum);
    m_spec->setChecked(rules.remspec);
    m_spaces->setChecked(rules.remspace);
    m_brackets->setChecked(rules.rembracket);
    m_remAtPos->setChecked(rules.rematpos);
    SetText(m_remFrom, rules.remfrom);
    SetText(m_remLen, rules.remlen);
    m_remSpec->setChecked(rules.remspeci);
    SetText(m_specText, rules.remtext);
    m_remCaseSensitive->setChecked(rules.remspeccs);
    m_remAll->setChecked(rules.remspecall);

    m_remIns->setChecked(rules.remins);
}
