// The texts the window translates for the screen: the engine's CR LF line breaks, the
// help message, the boxes' UTF-8 round trip, and Qt's own buttons and dialogs in Chinese.
#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "chinese_texts.hpp"
#include "form1.hpp"
#include "help_text.hpp"
#include "line_breaks.hpp"
#include "scratch_settings.hpp"
#include "wallcalc/engine/controls.hpp"

using namespace wallcalc::app;

namespace {

bool hasChinese(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) return true;
    }
    return false;
}

bool qtTranslationsInstalled() {
    return QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_zh_CN.qm");
}

}  // namespace

class WindowTexts : public QObject {
    Q_OBJECT

  private slots:
    // The window opens on the settings of a machine where it never ran.
    void initTestCase() { wallcalc::app::testing::useScratchSettings(); }
    void shown_data() {
        QTest::addColumn<QByteArray>("engine");
        QTest::addColumn<QString>("screen");
        QTest::newRow("empty") << QByteArray("") << QString("");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\nc") << QString("a\nb\nc");
        QTest::newRow("empty line kept") << QByteArray("a\r\n\r\nb") << QString("a\n\nb");
        QTest::newRow("lone CR") << QByteArray("a\rb") << QString("a\nb");
        QTest::newRow("blanks kept") << QByteArray("    说明： ") << QString("    说明： ");
    }
    void shown() {
        QFETCH(QByteArray, engine);
        QFETCH(QString, screen);
        QCOMPARE(shownText(std::string_view(engine.constData(), engine.size())), screen);
    }

    // What the engine writes into a box it reads back unchanged, Text12 included.
    void boxesGiveBackWhatWasWritten_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("Text12 lines")
            << int(wallcalc::Box::Text12)
            << QByteArray("1.荷载计算：\r\n (1)水上土压力： \r\n\r\n说明：");
        QTest::newRow("Text12 ends in a break")
            << int(wallcalc::Box::Text12) << QByteArray("x\r\n");
        QTest::newRow("one blank") << int(wallcalc::Box::Text9) << QByteArray(" ");
        QTest::newRow("too large") << int(wallcalc::Box::Text19) << QByteArray("太大了");
        QTest::newRow("typed as is") << int(wallcalc::Box::Text4) << QByteArray(" 350.00");
    }
    void boxesGiveBackWhatWasWritten() {
        QFETCH(int, box);
        QFETCH(QByteArray, text);
        Form1 form1;
        const auto b = static_cast<wallcalc::Box>(box);
        form1.setText(b, std::string_view(text.constData(), text.size()));
        QCOMPARE(QByteArray::fromStdString(form1.text(b)), text);
    }

    // Qt's standard buttons speak Chinese, as the program's own texts do.
    void standardButtonsInChinese_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("OK") << int(QDialogButtonBox::Ok) << "确定";
        QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << "取消";
        QTest::newRow("Save") << int(QDialogButtonBox::Save) << "保存";
        QTest::newRow("Open") << int(QDialogButtonBox::Open) << "打开";
    }
    void standardButtonsInChinese() {
        QFETCH(int, button);
        QFETCH(QString, text);
        if (!qtTranslationsInstalled()) QSKIP("qt6-translations-l10n is not installed");
        QVERIFY(useChineseTexts(*QCoreApplication::instance()));
        const auto which = QDialogButtonBox::StandardButton(button);
        QDialogButtonBox box{which};
        QCOMPARE(box.button(which)->text().remove('&'), text);
    }

    // The dialog of "打开…" is Qt's own, in Chinese whatever the desktop's language: its
    // labels and buttons, not only its title.
    void fileDialogInChinese() {
        if (!qtTranslationsInstalled()) QSKIP("qt6-translations-l10n is not installed");
        QVERIFY(useChineseTexts(*QCoreApplication::instance()));
        Form1 form1;
        form1.show();
        QStringList texts;
        bool native = true;
        QTimer::singleShot(200, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
            for (auto* b : dialog->findChildren<QPushButton*>())
                texts << b->text();
            dialog->reject();
        });
        form1.findChild<QAction*>("actionOpen")->trigger();
        QVERIFY(!native);
        QVERIFY(!texts.isEmpty());
        for (const QString& t : texts) {
            if (!t.isEmpty()) QVERIFY2(hasChinese(t), qPrintable(t));
        }
    }

    // 帮助 tells what the program is today and contradicts none of it: each design basis
    // by its item in 设计规范, the boxes each basis reads by their labels, the supplementary
    // design, wall files and the sheet; nothing said to be missing. Paragraphs are parted by one
    // empty line, so that one can be added.
    void helpMessage() {
        const QString text = QString::fromStdString(helpText());
        QStringList named;
        for (const std::string_view basis :
             wallcalc::lists()[wallcalc::index(wallcalc::List::Combo4)].byBasis[0].items)
            named << QString::fromUtf8(basis.data(), qsizetype(basis.size()));
        for (const wallcalc::Box box : {wallcalc::Box::Text5, wallcalc::Box::Text21,
                                        wallcalc::Box::Text22, wallcalc::Box::Text23}) {
            const std::string_view label = wallcalc::boxLabel(box);
            named << QString::fromUtf8(label.data(), qsizetype(label.size())).chopped(1);
        }
        named << "η"
              << "人防"
              << "非人防"
              << "计算"
              << "补充验算"
              << "墙体文件"
              << "计算书"
              << "Issues";
        for (const QString& words : named)
            QVERIFY2(text.contains(words), qPrintable(words));
        for (const char* missing : {"还没有完成", "不断更新", "尚未"})
            QVERIFY2(!text.contains(QString::fromUtf8(missing)), missing);

        const QStringList lines = text.split("\r\n");
        QCOMPARE(int(helpLines().size()), int(lines.size()));
        QVERIFY(!lines.first().isEmpty() && !lines.last().isEmpty());
        for (int i = 1; i < lines.size(); ++i)
            QVERIFY2(!(lines[i].isEmpty() && lines[i - 1].isEmpty()), "one empty line at most");
        QVERIFY(!text.endsWith("\r\n"));
    }
};

QTEST_MAIN(WindowTexts)
#include "tst_window_texts.moc"
