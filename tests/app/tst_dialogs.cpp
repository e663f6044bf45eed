#include "app/untAbout.h"
#include "app/untTip.h"
#include "platform/ShellOpen.h"
#include "platform/WebPages.h"
#include "tests/support/FakeShell.h"
#include "tests/support/MessageCatcher.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void init();

    void tipCheckBoxFollowsSetting_data();
    void tipCheckBoxFollowsSetting();
    void tipSettingAfterClicks_data();
    void tipSettingAfterClicks();
    void captions_data();
    void captions();
    void tipEscapeAndContinueClose_data();
    void tipEscapeAndContinueClose();
    void tipHelpButtonsOpenPagesAndStayOpen_data();
    void tipHelpButtonsOpenPagesAndStayOpen();
    void aboutLinkOpensProductSite();
    void aboutOkCloses();
    void pageThatCannotOpenWarns();

private:
    FakeShell m_shell;
};

void TestDialogs::init()
{
    m_shell = FakeShell();
}

// The named control; a missing one ends the run, since every later step would need it.
template <typename Widget>
Widget* Child(QWidget& dialog, const QString& name)
{
    auto* child = dialog.findChild<Widget*>(name);
    if (!child)
        qFatal("no control %s", qPrintable(name));
    return child;
}

void TestDialogs::tipCheckBoxFollowsSetting_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("checked");
    QTest::newRow("one") << QStringLiteral("1") << true;
    QTest::newRow("zero") << QStringLiteral("0") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("other text") << QStringLiteral("yes") << false;
    QTest::newRow("one with blank") << QStringLiteral("1 ") << false;
}

void TestDialogs::tipCheckBoxFollowsSetting()
{
    QFETCH(QString, setting);
    QFETCH(bool, checked);
    TfrmTip tip(setting, m_shell);
    QCOMPARE(Child<QCheckBox>(tip, QStringLiteral("chkShowTip"))->isChecked(), checked);
    QCOMPARE(tip.ShowTips(), setting);
}

void TestDialogs::tipSettingAfterClicks_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("result");
    QTest::newRow("one, unchecked") << QStringLiteral("1") << 1 << QStringLiteral("0");
    QTest::newRow("one, unchecked, checked") << QStringLiteral("1") << 2 << QStringLiteral("1");
    QTest::newRow("zero, checked") << QStringLiteral("0") << 1 << QStringLiteral("1");
    QTest::newRow("empty, checked") << QString() << 1 << QStringLiteral("1");
    QTest::newRow("empty, checked and unchecked") << QString() << 2 << QStringLiteral("0");
    QTest::newRow("other text, checked") << QStringLiteral("yes") << 1 << QStringLiteral("1");
}

void TestDialogs::tipSettingAfterClicks()
{
    QFETCH(QString, setting);
    QFETCH(int, clicks);
    QFETCH(QString, result);
    TfrmTip tip(setting, m_shell);
    tip.show();
    auto* chkShowTip = Child<QCheckBox>(tip, QStringLiteral("chkShowTip"));
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(chkShowTip, Qt::LeftButton, {}, QPoint(8, chkShowTip->height() / 2));
    QCOMPARE(chkShowTip->isChecked(), result == u"1");
    QCOMPARE(tip.ShowTips(), result);
}

void TestDialogs::captions_data()
{
    QTest::addColumn<bool>("about");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("tip window") << false << QString() << QStringLiteral("Quillmark");
    QTest::newRow("btnManual") << false << QStringLiteral("btnManual")
                               << QStringLiteral("&User Manual");
    QTest::newRow("btnTutorial") << false << QStringLiteral("btnTutorial")
                                 << QStringLiteral("Online Video Tutorial");
    QTest::newRow("btnClose") << false << QStringLiteral("btnClose")
                              << QStringLiteral("&Continue with the program");
    QTest::newRow("chkShowTip") << false << QStringLiteral("chkShowTip")
                                << QStringLiteral("Show when program starts");
    QTest::newRow("about window") << true << QString() << QStringLiteral("About");
    QTest::newRow("btnOK") << true << QStringLiteral("btnOK") << QStringLiteral("OK");
}

void TestDialogs::captions()
{
    QFETCH(bool, about);
    QFETCH(QString, button);
    QFETCH(QString, text);
    std::unique_ptr<QDialog> dialog;
    if (about)
        dialog = std::make_unique<TfrmAbout>(m_shell);
    else
        dialog = std::make_unique<TfrmTip>(QStringLiteral("1"), m_shell);
    QCOMPARE(dialog->objectName(), about ? QStringLiteral("TfrmAbout") : QStringLiteral("TfrmTip"));
    const QString shown = button.isEmpty() ? dialog->windowTitle()
                                           : Child<QAbstractButton>(*dialog, button)->text();
    QCOMPARE(shown, text);
}

void TestDialogs::tipEscapeAndContinueClose_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Esc") << true;
    QTest::newRow("btnClose") << false;
}

void TestDialogs::tipEscapeAndContinueClose()
{
    QFETCH(bool, escape);
    TfrmTip tip(QStringLiteral("1"), m_shell);
    tip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tip));
    auto* btnClose = Child<QPushButton>(tip, QStringLiteral("btnClose"));
    QVERIFY(btnClose->isDefault());
    if (escape)
        QTest::keyClick(&tip, Qt::Key_Escape);
    else
        QTest::mouseClick(btnClose, Qt::LeftButton);
    QVERIFY(!tip.isVisible());
    QVERIFY(m_shell.opened.isEmpty());
}

void TestDialogs::tipHelpButtonsOpenPagesAndStayOpen_data()
{
    const QUrl helpFile = HelpFileUrl();
    QTest::addColumn<QString>("button");
    QTest::addColumn<QUrl>("page");
    QTest::newRow("btnManual") << QStringLiteral("btnManual") << helpFile;
    QTest::newRow("btnTutorial") << QStringLiteral("btnTutorial") << WebPages::VideoTutorial();
}

void TestDialogs::tipHelpButtonsOpenPagesAndStayOpen()
{
    QFETCH(QString, button);
    QFETCH(QUrl, page);
    TfrmTip tip(QStringLiteral("1"), m_shell);
    tip.show();
    QTest::mouseClick(Child<QPushButton>(tip, button), Qt::LeftButton);
    QCOMPARE(m_shell.opened, QList<QUrl>{page});
    QVERIFY(tip.isVisible());
    QCOMPARE(tip.ShowTips(), QStringLiteral("1"));
}

void TestDialogs::aboutLinkOpensProductSite()
{
    TfrmAbout about(m_shell);
    auto* webSite = Child<QLabel>(about, QStringLiteral("lblWebSite"));
    QVERIFY(webSite->text().contains(WebPages::ProductSite().toString()));
    emit webSite->linkActivated(WebPages::ProductSite().toString());
    QCOMPARE(m_shell.opened, QList<QUrl>{WebPages::ProductSite()});
}

void TestDialogs::aboutOkCloses()
{
    TfrmAbout about(m_shell);
    about.show();
    auto* btnOK = Child<QPushButton>(about, QStringLiteral("btnOK"));
    QVERIFY(btnOK->isDefault());
    QTest::mouseClick(btnOK, Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

// The tips dialog's guide button on a desktop that starts nothing: the mend's warning, and the
// dialog stays.
void TestDialogs::pageThatCannotOpenWarns()
{
    m_shell.openSucceeds = false;
    TfrmTip tip(QStringLiteral("1"), m_shell);
    tip.show();
    MessageCatcher catcher;
    QTest::mouseClick(Child<QPushButton>(tip, QStringLiteral("btnManual")), Qt::LeftButton);
    QCOMPARE(catcher.Texts(), QStringList{QStringLiteral("Cannot open ") + HelpFileUrl().toLocalFile() + QStringLiteral(" !")});
    QCOMPARE(catcher.Messages().first().icon, QMessageBox::Warning);
    QCOMPARE(catcher.Messages().first().title, QStringLiteral("Quillmark"));
    QVERIFY(tip.isVisible());
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
