#include "app/untMain.h"
#include "batch/RenamedModel.h"
#include "tests/support/MessageCatcher.h"
#include "tests/support/WindowControls.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {

QStringList Column(const QAbstractItemModel* model, int column)
{
    QStringList cells;
    for (int row = 0; row < model->rowCount(); ++row)
        cells << model->index(row, column).data().toString();
    cells.sort();
    return cells;
}

QByteArray TagBlock(const char* title, const char* artist)
{
    QByteArray block("TAG");
    for (const char* text : {title, artist, "Album", "1999"}) {
        QByteArray field(text);
        field.append(QByteArray((field == "1999" ? 4 : 30) - field.size(), ' '));
        block += field;
    }
    block += QByteArray(30, '\0');
    block += char(17);
    return block;
}

} // namespace

class AddingTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsTheTreeFolder();
    void addCommandsAndMessages();
    void mp3TagsAndColumns();
    void modeSwitchClearsTheList();
    void walkAddsTheSubtree();

private:
    void Write(const QString& name, const QByteArray& content = "x");
    void ShowFolder(const QString& path);
    QTableView* FileList() const { return Find<QTableView>(*m_window, "lvwFiles"); }
    RenamedModel* RenameList() const { return qobject_cast<RenamedModel*>(Find<QTableView>(*m_window, "lvwRenamed")->model()); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TfrmMain> m_window;
};

void AddingTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    for (const char* name : {"b.jpg", "a.JPG", "notes", "clip.mp", "song.mp3", ".hidden.png"})
        Write(QString::fromLatin1(name));
    Write(QStringLiteral("tagged.mp3"), QByteArray(50, 'x') + TagBlock("  Title  ", "Artist"));
    QDir(m_dir->path()).mkpath(QStringLiteral("sub/deeper"));
    Write(QStringLiteral("sub/c.jpg"));
    Write(QStringLiteral("sub/deeper/d.jpg"));
    m_window = std::make_unique<TfrmMain>();
    m_window->show();
    ShowFolder(m_dir->path());
}

void AddingTest::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

void AddingTest::Write(const QString& name, const QByteArray& content)
{
    QFile file(m_dir->filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void AddingTest::ShowFolder(const QString& path)
{
    auto* tree = Find<QTreeView>(*m_window, "tvwFolders");
    auto* folders = qobject_cast<QFileSystemModel*>(tree->model());
    tree->setCurrentIndex(folders->index(path));
}

void AddingTest::listsTheTreeFolder()
{
    QCOMPARE(Column(FileList()->model(), 0),
             (QStringList{QStringLiteral(".hidden.png"), QStringLiteral("a.JPG"), QStringLiteral("b.jpg")}));
    auto* filter = Find<QComboBox>(*m_window, "cboFilter");
    filter->setCurrentIndex(2);
    emit filter->activated(2);
    QCOMPARE(Column(FileList()->model(), 0),
             (QStringList{QStringLiteral("clip.mp"), QStringLiteral("song.mp3"), QStringLiteral("tagged.mp3")}));
    Find<QAbstractButton>(*m_window, "rbShowFolders")->setChecked(true);
    QCOMPARE(Column(FileList()->model(), 0), QStringList{QStringLiteral("sub")});
    QCOMPARE(FileList()->model()->index(0, 1).data().toString(), QStringLiteral("File Folder"));
    QVERIFY(!filter->isEnabled());
}

void AddingTest::addCommandsAndMessages()
{
    MessageCatcher catcher;
    Find<QAction>(*m_window, "actAddFiles")->trigger();  // nothing selected: nothing added, no message
    QVERIFY(RenameList()->Rows().empty());
    QCOMPARE(Find<QLineEdit>(*m_window, "lblOldName")->text(), QStringLiteral("A SAMPLE FILE-(name)-1900-#2.JPG"));

    FileList()->selectRow(1);
    Find<QPushButton>(*m_window, "btnMoveRight")->click();
    QCOMPARE(RenameList()->Rows().size(), std::size_t(1));
    const RenameItem& row = RenameList()->Rows()[0];
    QCOMPARE(row[RenameItem::Path], QFile::encodeName(m_dir->path()).toStdString() + "/");
    QCOMPARE(QString::fromStdString(row[RenameItem::OriginalName]), FileList()->model()->index(1, 0).data().toString());
    QCOMPARE(Find<QLineEdit>(*m_window, "lblOldName")->text(), QString::fromStdString(row[RenameItem::OriginalName]));

    Find<QPushButton>(*m_window, "btnAddAllFiles")->click();
    Find<QPushButton>(*m_window, "btnAddAllFiles")->click();
    QCOMPARE(RenameList()->Rows().size(), std::size_t(7));  // duplicates are kept

    RenameList()->MutableRows()[3][RenameItem::NewName] = "renamed";
    Find<QAction>(*m_window, "actAddAll")->trigger();
    Find<QAction>(*m_window, "actAddFolder")->trigger();
    ShowFolder(m_dir->filePath(QStringLiteral("sub/deeper")));
    Find<QAbstractButton>(*m_window, "rbShowFolders")->setChecked(true);  // clears the rename list
    Find<QAction>(*m_window, "actAddAll")->trigger();
    QCOMPARE(catcher.Texts(), (QStringList{
        QStringLiteral("Please remove all the previously renamed files first (use Clear List toolbar button) !"),
        QStringLiteral("Please remove all the previously renamed files first (use \"Clear List\" toolbar button) !"),
        QStringLiteral("No files found, please select a folder where files are present !"),
    }));
}

void AddingTest::mp3TagsAndColumns()
{
    auto* filter = Find<QComboBox>(*m_window, "cboFilter");
    filter->setCurrentIndex(2);
    emit filter->activated(2);
    auto* renamed = Find<QTableView>(*m_window, "lvwRenamed");
    QVERIFY(!renamed->isColumnHidden(RenameItem::Title));
    QCOMPARE(renamed->columnWidth(RenameItem::Title), 200);
    Find<QAction>(*m_window, "actAddAll")->trigger();
    bool found = false;
    for (const RenameItem& row : RenameList()->Rows()) {
        if (row[RenameItem::OriginalName] != "tagged.mp3") {
            QCOMPARE(row[RenameItem::Title], std::string());
            continue;
        }
        found = true;
        QCOMPARE(row[RenameItem::Title], std::string("Title"));
        QCOMPARE(row[RenameItem::Artist], std::string("Artist"));
        QCOMPARE(row[RenameItem::Year], std::string("1999"));
        QCOMPARE(row[RenameItem::Genre], std::string("Rock"));
    }
    QVERIFY(found);
    filter->setCurrentIndex(4);
    emit filter->activated(4);
    QVERIFY(renamed->isColumnHidden(RenameItem::Title));
}

void AddingTest::modeSwitchClearsTheList()
{
    Find<QAction>(*m_window, "actAddAll")->trigger();
    QVERIFY(!RenameList()->Rows().empty());
    Find<QAbstractButton>(*m_window, "rbShowFolders")->setChecked(true);
    QVERIFY(RenameList()->Rows().empty());
    auto* tabs = Find<QTabWidget>(*m_window, "pcParam");
    QCOMPARE(tabs->tabText(0), QStringLiteral("Folder"));
    QVERIFY(!tabs->isTabVisible(1));
    QCOMPARE(Find<QPushButton>(*m_window, "btnAddAllFiles")->text(), QStringLiteral("Add All Folders >>"));
    Find<QAction>(*m_window, "actAddAll")->trigger();
    QCOMPARE(RenameList()->Rows().size(), std::size_t(1));
    QCOMPARE(RenameList()->Rows()[0][RenameItem::Type], std::string("File Folder"));
    Find<QAbstractButton>(*m_window, "rbShowFiles")->setChecked(true);
    QVERIFY(RenameList()->Rows().empty());
    QCOMPARE(Find<QPushButton>(*m_window, "btnMoveRight")->text(), QStringLiteral("Add Selected Files >>"));
    QVERIFY(tabs->isTabVisible(2));
}

void AddingTest::walkAddsTheSubtree()
{
    Find<QAbstractButton>(*m_window, "cbIncSub")->setChecked(true);
    Find<QPushButton>(*m_window, "btnAddAllFiles")->click();
    QStringList names;
    for (const RenameItem& row : RenameList()->Rows())
        names << QString::fromStdString(row[RenameItem::OriginalName]);
    names.sort();
    QCOMPARE(names, (QStringList{QStringLiteral(".hidden.png"), QStringLiteral("a.JPG"), QStringLiteral("b.jpg"),
                                 QStringLiteral("c.jpg"), QStringLiteral("d.jpg")}));
    QVERIFY(Find<QWidget>(*m_window, "TfrmProg")->isHidden());
}

QTEST_MAIN(AddingTest)
#include "tst_adding.moc"
