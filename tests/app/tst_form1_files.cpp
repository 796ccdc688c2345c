// Wall files in the window: the title with the file and its modified mark, 新建, 打开…,
// 保存, 另存为…, the recent files, the question before unsaved changes are closed, a file
// that cannot be read; and files that the command line's library reads and writes alike.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <memory>

#include "dialog_answer.hpp"
#include "form1.hpp"
#include "message_catcher.hpp"
#include "scratch_settings.hpp"
#include "wallcalc/cli/wall_file.hpp"
#include "window_under_test.hpp"

using wallcalc::Box;
using wallcalc::WindowModel;
using wallcalc::app::Form1;
using wallcalc::app::testing::DialogAnswer;
using wallcalc::app::testing::MessageCatcher;

namespace {

const QStringList kUnsavedButtons = {"保存", "不保存", "取消"};

void writeFile(const QString& path, const std::string& text) {
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

std::string readFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A wall a engineer might keep: civil-defence works, case B, C30, HRB400, a project.
WindowModel sampleWall() {
    WindowModel m;
    m.clickCivilDefence();
    m.type(Box::Text20, "50");
    m.type(Box::Text2, "-3.5");
    m.type(Box::Text4, "400");
    m.select(wallcalc::List::Combo1, 3);
    m.select(wallcalc::List::Combo2, 2);
    m.select(wallcalc::List::Combo3, 1);
    m.setProject({"滨江花园", "W3 地下一层", "张工", "李工", "王工"});
    return m;
}

}  // namespace

class Form1Files : public QObject, private wallcalc::app::testing::WindowUnderTest {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString boxText(const char* name) { return get<QLineEdit>(name)->text(); }
    // A shortcut reaches the active window only: after a dialog, the window is made active
    // again, as the desktop does.
    void pressKeys(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        QTest::keyClick(get<QLineEdit>("Text4"), key, modifiers);
    }

  private slots:
    void initTestCase() {
        // The recent files go to a scratch copy of the settings, not the user's.
        wallcalc::app::testing::useScratchSettings();
    }
    void init() {
        wallcalc::app::testing::clearSettings();
        QVERIFY(open());
    }
    void cleanup() { form_.reset(); }

    // The title names the wall's file ("未命名" before it has one) and marks unsaved
    // changes; typing a value back as it was is no change.
    void titleShowsTheFileAndChanges_data() {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("titleStart");
        QTest::addColumn<bool>("modified");
        QTest::newRow("as opened") << QStringList{} << "未命名[*]" << false;
        QTest::newRow("typed") << QStringList{"type Text4 500"} << "未命名[*]" << true;
        QTest::newRow("typed back")
            << QStringList{"type Text4 500", "type Text4 350"} << "未命名[*]" << false;
        QTest::newRow("an option clicked") << QStringList{"click Option1_1"} << "未命名[*]" << true;
        QTest::newRow("the project set") << QStringList{"project"} << "未命名[*]" << true;
        QTest::newRow("saved") << QStringList{"type Text4 500", "save w1.wall"} << "w1.wall[*]"
                               << false;
        QTest::newRow("changed after saving")
            << QStringList{"save w1.wall", "type Text13 40"} << "w1.wall[*]" << true;
        QTest::newRow("a press changes no input")
            << QStringList{"click Option1_1", "save w1.wall", "click Command1"} << "w1.wall[*]"
            << false;
    }
    void titleShowsTheFileAndChanges() {
        QFETCH(QStringList, actions);
        QFETCH(QString, titleStart);
        QFETCH(bool, modified);
        for (const QString& action : actions) {
            const QStringList words = action.split(' ');
            if (words[0] == "type") type(words[1], words[2]);
            if (words[0] == "click") click(words[1]);
            if (words[0] == "project") form_->setProject({"滨江花园", "", "", "", ""});
            if (words[0] == "save") QVERIFY(form_->saveWallFile(path(words[1])));
        }
        QVERIFY2(form_->windowTitle().startsWith(titleStart), qPrintable(form_->windowTitle()));
        QVERIFY(form_->windowTitle().contains("地下室外墙配筋计算"));
        QCOMPARE(form_->isWindowModified(), modified);
    }

    // A file the window saves is the wall the command line's library reads, and a file the
    // library writes opens in the window as the same wall.
    void windowFileReadByTheLibrary() {
        const WindowModel wall = sampleWall();
        const QString file = path("from-window.wall");
        QVERIFY(form_->openWallFile([&] {
            writeFile(path("seed.wall"), wallcalc::cli::wallFileText(wall, wall.project()));
            return path("seed.wall");
        }()));
        type("Text13", "45");
        QVERIFY(form_->saveWallFile(file));
        auto read = wallcalc::cli::loadWallFile(file.toStdString());
        QVERIFY(std::holds_alternative<wallcalc::cli::Wall>(read));
        WindowModel opened;
        std::get<wallcalc::cli::Wall>(read).changes.applyTo(opened);
        opened.setProject(std::get<wallcalc::cli::Wall>(read).project);
        QVERIFY(opened.inputs() == form_->model().inputs());
        QCOMPARE(opened.boxText(Box::Text13), std::string("45"));
        // A person can read it: UTF-8 JSON with the format and the project's names.
        const std::string text = readFile(file);
        QVERIFY(text.find("\"format\": \"wallcalc-wall/1\"") != std::string::npos);
        QVERIFY(text.find("\"designer\": \"张工\"") != std::string::npos);
    }
    void libraryFileOpensInTheWindow() {
        const WindowModel wall = sampleWall();
        const QString file = path("from-library.wall");
        writeFile(file, wallcalc::cli::wallFileText(wall, wall.project()));
        QVERIFY(form_->openWallFile(file));
        QVERIFY(form_->model().inputs() == wall.inputs());
        QCOMPARE(boxText("Text20"), QString("50"));
        QVERIFY(get<QLineEdit>("Text20")->isEnabled());
        QVERIFY(get<QRadioButton>("Option1_0")->isChecked());
        QCOMPARE(get<QComboBox>("Combo1")->currentText(), QString("C30"));
        QCOMPARE(get<QComboBox>("Combo3")->currentText(), QString("情况B"));
        QCOMPARE(form_->wallFile(), file);
        QVERIFY(!form_->isWindowModified());
        // Saved again unchanged, the file is the library's text to the byte.
        QVERIFY(form_->saveWallFile(path("again.wall")));
        QCOMPARE(readFile(path("again.wall")), readFile(file));
    }

    // A file that cannot be read is named in a message with the reason, and the window
    // keeps the wall it showed.
    void unreadableFileChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");  // "-" writes no file
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.wall" << QByteArray("-") << "文件或文件夹不存在";
        QTest::newRow("a folder") << "." << QByteArray("-") << "这是一个文件夹，不是文件";
        QTest::newRow("not JSON") << "notes.wall" << QByteArray("h5=350") << "JSON格式有误";
        QTest::newRow("another format")
            << "other.wall" << QByteArray(R"({"format": "other/1"})") << "不是墙体文件";
        QTest::newRow("an unknown key")
            << "key.wall" << QByteArray(R"({"format": "wallcalc-wall/1", "h9": "1"})")
            << "未知的键“h9”";
        QTest::newRow("not an item of the list")
            << "item.wall" << QByteArray(R"({"format": "wallcalc-wall/1", "concrete": "C99"})")
            << "C99";
    }
    void unreadableFileChangesNothing() {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString file = name == "." ? dir_.path() : path(name);
        if (content != "-") writeFile(file, content.toStdString());
        QVERIFY(form_->saveWallFile(path("kept.wall")));
        type("Text4", "420");
        const wallcalc::WindowInputs before = form_->model().inputs();
        const QString title = form_->windowTitle();
        MessageCatcher catcher;
        QVERIFY(!form_->openWallFile(file));
        QCOMPARE(catcher.seen().size(), 1);
        const auto& m = catcher.seen().first();
        QCOMPARE(m.title, QString("友情提示:"));
        QVERIFY2(m.text.contains(file), qPrintable(m.text));
        QVERIFY2(m.text.contains(reason), qPrintable(m.text));
        QVERIFY(m.onlyOk);
        QVERIFY(form_->model().inputs() == before);
        QCOMPARE(boxText("Text4"), QString("420"));
        QCOMPARE(form_->wallFile(), path("kept.wall"));
        QCOMPARE(form_->windowTitle(), title);
        QVERIFY(form_->isWindowModified());
    }

    void saveFailureNamesTheFile() {
        type("Text4", "420");
        MessageCatcher catcher;
        QVERIFY(!form_->saveWallFile(path("no-folder/w.wall")));
        QCOMPARE(catcher.seen().size(), 1);
        QVERIFY(catcher.seen().first().text.contains(path("no-folder/w.wall")));
        QVERIFY(catcher.seen().first().text.contains("文件或文件夹不存在"));
        QVERIFY(form_->isWindowModified());
        QVERIFY(form_->wallFile().isEmpty());
    }

    // Ctrl+S saves: the first time through the save dialog (which adds ".wall"), then into
    // the same file without asking; Ctrl+Shift+S always asks.
    void saveFromTheKeyboard() {
        type("Text4", "420");
        {
            DialogAnswer dialogs(path("first"));
            pressKeys(Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(dialogs.seen(), 1);
            QCOMPARE(dialogs.lastTitle(), QString("保存墙体文件"));
        }
        QCOMPARE(form_->wallFile(), path("first.wall"));
        QVERIFY(!form_->isWindowModified());
        type("Text4", "430");
        {
            DialogAnswer dialogs;
            pressKeys(Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(dialogs.seen(), 0);
        }
        QVERIFY(readFile(path("first.wall")).find("\"h5\": \"430\"") != std::string::npos);
        {
            DialogAnswer dialogs(path("second.wall"));
            pressKeys(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(dialogs.seen(), 1);
        }
        QCOMPARE(form_->wallFile(), path("second.wall"));
    }

    void openFromTheKeyboard() {
        const WindowModel wall = sampleWall();
        writeFile(path("w.wall"), wallcalc::cli::wallFileText(wall, wall.project()));
        DialogAnswer dialogs(path("w.wall"));
        pressKeys(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(dialogs.seen(), 1);
        QCOMPARE(dialogs.lastTitle(), QString("打开墙体文件"));
        QCOMPARE(form_->wallFile(), path("w.wall"));
        QCOMPARE(boxText("Text4"), QString("400"));
    }

    // Before unsaved changes are closed (新建, 打开…, closing the window) the window asks
    // once: 保存, 不保存 or 取消.
    void unsavedChangesAskOnce_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("named");  // the wall has a file
        QTest::addColumn<bool>("wentOn");
        for (const char* command : {"新建", "打开", "关闭"}) {
            QTest::addRow("%s: 不保存", command) << command << "不保存" << false << true;
            QTest::addRow("%s: 取消", command) << command << "取消" << false << false;
            QTest::addRow("%s: 保存 into its file", command) << command << "保存" << true << true;
            QTest::addRow("%s: 保存 a wall without a file, dialog cancelled", command)
                << command << "保存" << false << false;
        }
    }
    void unsavedChangesAskOnce() {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(bool, named);
        QFETCH(bool, wentOn);
        const WindowModel wall = sampleWall();
        writeFile(path("other.wall"), wallcalc::cli::wallFileText(wall, wall.project()));
        if (named) QVERIFY(form_->saveWallFile(path("mine.wall")));
        type("Text4", "500");
        MessageCatcher catcher({answer});
        DialogAnswer dialogs(command == "打开" && wentOn ? path("other.wall") : QString());
        bool closed = false;
        if (command == "新建") get<QAction>("actionNew")->trigger();
        if (command == "打开") get<QAction>("actionOpen")->trigger();
        if (command == "关闭") closed = form_->close();
        QCOMPARE(catcher.seen().size(), 1);
        QCOMPARE(catcher.seen().first().buttons, kUnsavedButtons);
        QVERIFY(catcher.seen().first().text.contains(named ? "mine.wall" : "未命名"));
        if (named && answer == "保存") {
            QVERIFY(readFile(path("mine.wall")).find("\"h5\": \"500\"") != std::string::npos);
        }
        if (command == "关闭") {
            QCOMPARE(closed, wentOn);
            QCOMPARE(form_->isVisible(), !wentOn);
        } else if (!wentOn) {
            QCOMPARE(boxText("Text4"), QString("500"));
        } else {
            QCOMPARE(boxText("Text4"), command == "新建" ? QString("350") : QString("400"));
            QVERIFY(!form_->isWindowModified());
        }
    }

    void noQuestionWithoutChanges() {
        MessageCatcher catcher;
        QVERIFY(form_->close());
        QCOMPARE(catcher.seen().size(), 0);
    }

    // 新建 and 打开 start the wall afresh: no results, no supplementary design, no sheet,
    // nothing stale.
    void newAndOpenForgetTheResults_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("新建") << "新建";
        QTest::newRow("打开") << "打开";
    }
    void newAndOpenForgetTheResults() {
        QFETCH(QString, command);
        const WindowModel wall = sampleWall();
        writeFile(path("other.wall"), wallcalc::cli::wallFileText(wall, wall.project()));
        click("Option1_1");
        click("Command1");
        QCOMPARE(boxText("Text6"), QString("106.067"));
        QVERIFY(!get<QTextEdit>("TextChecks")->toPlainText().isEmpty());
        MessageCatcher catcher({"不保存"});
        if (command == "新建") {
            get<QAction>("actionNew")->trigger();
        } else {
            QVERIFY(form_->openWallFile(path("other.wall")));
        }
        QVERIFY(form_->calculationSheet() == nullptr);
        QCOMPARE(boxText("Text6"), QString());
        QCOMPARE(get<QTextEdit>("TextChecks")->toPlainText(), QString());
        QVERIFY(!form_->model().resultsStale());
        QVERIFY(!get<QWidget>("StaleNote")->isVisible());
    }

    // The files opened or saved last, newest first, each opening its wall.
    void recentFiles() {
        const WindowModel wall = sampleWall();
        writeFile(path("a.wall"), wallcalc::cli::wallFileText(wall, wall.project()));
        QVERIFY(!get<QMenu>("menuRecent")->isEnabled());
        QVERIFY(form_->openWallFile(path("a.wall")));
        type("Text4", "410");
        QVERIFY(form_->saveWallFile(path("b.wall")));
        QVERIFY(form_->openWallFile(path("a.wall")));
        QMenu* recent = get<QMenu>("menuRecent");
        emit recent->aboutToShow();
        QStringList shown;
        for (QAction* a : recent->actions())
            shown << a->text();
        QCOMPARE(shown, (QStringList{"&1 a.wall", "&2 b.wall"}));
        QVERIFY(recent->isEnabled());
        recent->actions().at(1)->trigger();
        QCOMPARE(form_->wallFile(), path("b.wall"));
        QCOMPARE(boxText("Text4"), QString("410"));
    }
};

QTEST_MAIN(Form1Files)
#include "tst_form1_files.moc"
