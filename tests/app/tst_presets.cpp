#include "app/untMain.h"
#include "batch/RenamedModel.h"
#include "presets/untLoadSet.h"
#include "presets/untSaveSet.h"
#include "tests/support/MessageCatcher.h"
#include "tests/support/WindowControls.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <functional>

namespace {

bool Checked(const QObject& window, const char* name)
{
    return Find<QAbstractButton>(window, name)->isChecked();
}

// Runs `act` on the dialog of type Dialog once it is the active modal window; the first call
// that finds it wins.
template <typename Dialog>
void WhenDialog(const std::function<void(Dialog&)>& act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(*dialog);
        }
    });
    timer->start(10);
}

QString SettingsPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/settings.ini");
}

void Save(TfrmMain& window, const QString& name)
{
    WhenDialog<TfrmSaveSet>([name](TfrmSaveSet& dialog) {
        Find<QLineEdit>(dialog, "edSetname")->setText(name);
        Find<QPushButton>(dialog, "btnSave")->click();
    });
    Find<QAction>(window, "SavePreset1")->trigger();
}

void Load(TfrmMain& window, const QString& name)
{
    WhenDialog<TfrmLoadSet>([name](TfrmLoadSet& dialog) {
        auto* list = Find<QListWidget>(dialog, "lbSet");
        list->findItems(name, Qt::MatchExactly).constFirst()->setSelected(true);
        Find<QPushButton>(dialog, "btnLoad")->click();
    });
    Find<QAction>(window, "LoadPreset1")->trigger();
}

} // namespace

class PresetsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsPath()); }
    void cleanup() { QFile::remove(SettingsPath()); }

    void emptyStore();
    void saveDialogRefusals();
    void saveAndLoadRoundTrip();
    void loadOrderAndAllRule();
    void listDialog();
    void newPreset();
};

void PresetsTest::emptyStore()
{
    TfrmMain window;
    MessageCatcher catcher;
    Find<QAction>(window, "LoadPreset1")->trigger();
    Find<QAction>(window, "DeletePreset1")->trigger();
    QCOMPARE(catcher.Texts(), (QStringList(2, QStringLiteral("No preset found, please save a preset first !"))));
    QCOMPARE(catcher.Messages()[0].icon, QMessageBox::Information);
}

void PresetsTest::saveDialogRefusals()
{
    TfrmSaveSet dialog;
    auto* name = Find<QLineEdit>(dialog, "edSetname");
    name->setText(QStringLiteral("123456789012345678901"));
    QCOMPARE(name->text().size(), 20);
    MessageCatcher catcher;
    dialog.show();
    for (const QString& text : {QStringLiteral("   "), QStringLiteral("a[b"), QStringLiteral(" ;x")}) {
        name->setText(text);
        Find<QPushButton>(dialog, "btnSave")->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(name->text(), text);
    }
    QCOMPARE(catcher.Texts(), (QStringList{QStringLiteral("Please enter a name for rename setting e.g. mp3 files"),
                                           QStringLiteral("A preset name cannot contain [ or ] or begin with ; !"),
                                           QStringLiteral("A preset name cannot contain [ or ] or begin with ; !")}));
    QCOMPARE(catcher.Messages()[0].icon, QMessageBox::Warning);
}

void PresetsTest::saveAndLoadRoundTrip()
{
    TfrmMain window;
    window.show();
    Find<QLineEdit>(window, "edText")->setText(QStringLiteral(" (1)"));
    Find<QAbstractButton>(window, "cbTextPre")->setChecked(true);
    Find<QAbstractButton>(window, "rbUpper1")->setChecked(true);
    auto* position = Find<QComboBox>(window, "cboCountPrefix");
    position->setCurrentIndex(position->findText(QStringLiteral("Prefix")));
    Find<QSpinBox>(window, "edCountLen")->setValue(4);
    MessageCatcher catcher;
    Save(window, QStringLiteral("  Holiday "));
    QCOMPARE(catcher.Texts(), QStringList{QStringLiteral("Rename preset saved to Holiday successfully !")});

    TfrmMain fresh;
    fresh.show();
    Load(fresh, QStringLiteral("Holiday"));
    QCOMPARE(Find<QLineEdit>(fresh, "edText")->text(), QStringLiteral(" (1)"));
    QVERIFY(Checked(fresh, "cbTextPre"));
    QVERIFY(Checked(fresh, "rbUpper1"));
    QVERIFY(!Checked(fresh, "rbNone1"));
    QCOMPARE(Find<QComboBox>(fresh, "cboCountPrefix")->currentText(), QStringLiteral("Prefix"));
    QCOMPARE(Find<QSpinBox>(fresh, "edCountLen")->value(), 4);
    QCOMPARE(Find<QLineEdit>(fresh, "lblNewName")->text(), QStringLiteral("A SAMPLE FILE-(name)-1900-#2 (1).JPG"));
}

void PresetsTest::loadOrderAndAllRule()
{
    TfrmMain window;
    window.show();
    MessageCatcher catcher;
    Find<QAbstractButton>(window, "rbShowFolders")->setChecked(true);
    Find<QAbstractButton>(window, "cbNum")->setChecked(true);
    Save(window, QStringLiteral("folders"));

    Find<QAbstractButton>(window, "rbShowFiles")->setChecked(true);
    Find<QAbstractButton>(window, "cbAll")->setChecked(true);
    RenameItem row;
    row[RenameItem::OriginalName].assign(1, 'x');
    RenameList(window)->Append({row});
    Load(window, QStringLiteral("folders"));
    QVERIFY(Checked(window, "rbShowFolders"));
    QVERIFY(RenameList(window)->Rows().empty());
    QVERIFY(!Checked(window, "cbAll"));
    QVERIFY(Checked(window, "cbNum"));
    QVERIFY(Find<QWidget>(window, "cbNum")->isEnabled());
    QVERIFY(Find<QWidget>(window, "cbAlpha")->isEnabled());
}

void PresetsTest::listDialog()
{
    TfrmLoadSet dialog({"beta", "Alpha", "gamma"});
    auto* list = Find<QListWidget>(dialog, "lbSet");
    QCOMPARE(list->item(0)->text(), QStringLiteral("Alpha"));
    QCOMPARE(list->item(2)->text(), QStringLiteral("gamma"));
    QVERIFY(list->selectedItems().isEmpty());
    dialog.show();
    MessageCatcher catcher;
    Find<QPushButton>(dialog, "btnLoad")->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(catcher.Texts(), QStringList{QStringLiteral("You must select a preset to proceed !")});
    dialog.SetDeleteCaptions();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Delete Rename settings"));
    QCOMPARE(Find<QPushButton>(dialog, "btnLoad")->text(), QStringLiteral("&Delete"));
}

void PresetsTest::newPreset()
{
    TfrmMain window;
    window.show();
    Find<QAbstractButton>(window, "rbTitle")->setChecked(true);
    Find<QLineEdit>(window, "edRemFrom")->setText(QStringLiteral("7"));
    Find<QAbstractButton>(window, "cbAll1")->setChecked(true);
    Find<QAction>(window, "NewPreset1")->trigger();
    for (const char* button : {"rbLower", "rbUpper", "rbToggle", "rbTitle", "rbNone", "rbNone1"})
        QVERIFY2(!Checked(window, button), button);
    QCOMPARE(Find<QLineEdit>(window, "edRemFrom")->text(), QStringLiteral("1"));
    QCOMPARE(Find<QLineEdit>(window, "edSFrom1")->text(), QStringLiteral("1"));
    QVERIFY(!Checked(window, "cbAll1"));
    QVERIFY(Find<QWidget>(window, "cbAlpha1")->isEnabled());
    QCOMPARE(Find<QLineEdit>(window, "lblNewName")->text(), QStringLiteral("A SAMPLE FILE-(name)-1900-#2.JPG"));
}

QTEST_MAIN(PresetsTest)
#include "tst_presets.moc"
