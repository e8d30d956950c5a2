// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include "HelpText.h"
#include "MessageBoxes.h"
#include "ModalWatcher.h"
#include "Watchdog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <cerrno>
#include <unistd.h>

namespace {

// Runs each test in a fresh working directory, where the help file is looked
// up first, with the system's data folders (where it is looked up next) in
// a fresh folder too, so an installed help file never answers.
class HelpFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid() && m_data.isValid());
        m_previous = QDir::currentPath();
        m_previousData = qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_DATA_DIRS", m_data.path().toLocal8Bit());
        ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    }
    void TearDown() override
    {
        QDir::setCurrent(m_previous);
        qputenv("XDG_DATA_DIRS", m_previousData);
    }

    // A help file in velmora/ under the system's data folders.
    void WriteInstalled(const QByteArray &bytes)
    {
        ASSERT_TRUE(QDir(m_data.path()).mkpath(QStringLiteral("velmora")));
        QFile file(m_data.filePath(QStringLiteral("velmora/help.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static void Write(const QByteArray &bytes)
    {
        QFile file(QString::fromLatin1(HelpFileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QString ErrorOfRead()
    {
        try {
            ReadHelpText();
        } catch (const VelmoraError &error) {
            return error.message();
        }
        return QStringLiteral("(no error)");
    }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_data;
    QString m_previous;
    QByteArray m_previousData;
};

} // namespace

TEST(HelpText, LinesAndTheirEnds)
{
    const struct {
        const char *name;
        QByteArray bytes;
        const char *text;
    } cases[] = {
        {"CR LF", "A\r\nB\r\n", "\r\nA\r\nB"},
        {"LF", "A\nB\n", "\r\nA\r\nB"},
        {"no final line end", "A\r\nB", "\r\nA\r\nB"},
        {"lone CR dropped", "A\rB\r\nC\r", "\r\nAB\r\nC"},
        {"empty line", "A\r\n\r\nB", "\r\nA\r\n\r\nB"},
        {"one empty line", "\r\n", "\r\n"},
        {"empty file", "", ""},
        {"Ctrl-Z in the third line",
         "1\r\n2\r\n3a\x1A"
         "3b\r\n4\r\n",
         "\r\n1\r\n2\r\n3a"},
        {"Ctrl-Z at a line start",
         "1\r\n\x1A"
         "2",
         "\r\n1"},
        {"Ctrl-Z first",
         "\x1A"
         "1\r\n",
         ""},
        {"UTF-8", "Помощь\r\n", "\r\nПомощь"},
        {"Windows-1251", "\xcf\xee\xec\xee\xf9\xfc\r\n\xc5\xf1\xf2\xfc", "\r\nПомощь\r\nЕсть"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(HelpTextFromBytes(c.bytes), QString::fromUtf8(c.text)) << c.name;
}

TEST(HelpText, FileErrorMessages)
{
    EXPECT_EQ(FileErrorMessage(ENOENT), QStringLiteral("File not found"));
    EXPECT_EQ(FileErrorMessage(EACCES), QStringLiteral("File access denied"));
    EXPECT_EQ(FileErrorMessage(EPERM), QStringLiteral("File access denied"));
    EXPECT_EQ(FileErrorMessage(EISDIR), QStringLiteral("I/O error %1").arg(EISDIR));
    EXPECT_EQ(FileErrorMessage(EIO), QStringLiteral("I/O error %1").arg(EIO));
}

TEST_F(HelpFile, IsReadFromTheWorkingDirectoryOnEveryUse)
{
    Write("Первая\r\nВторая\r\n");
    EXPECT_EQ(ReadHelpText(), QStringLiteral("\r\nПервая\r\nВторая"));
    Write("Новая");
    EXPECT_EQ(ReadHelpText(), QStringLiteral("\r\nНовая"));
}

TEST_F(HelpFile, MissingFile) { EXPECT_EQ(ErrorOfRead(), QStringLiteral("File not found")); }

// The installed help answers only where the working directory has nothing of
// that name; a dangling link there still reads as a missing file.
TEST_F(HelpFile, InstalledFileWhenTheWorkingDirectoryHasNone)
{
    WriteInstalled("Установленная");
    EXPECT_EQ(ReadHelpText(), QStringLiteral("\r\nУстановленная"));
    Write("Своя");
    EXPECT_EQ(ReadHelpText(), QStringLiteral("\r\nСвоя"));
    ASSERT_TRUE(QFile::remove(QString::fromLatin1(HelpFileName)));
    ASSERT_TRUE(QFile::link(QStringLiteral("gone.txt"), QString::fromLatin1(HelpFileName)));
    EXPECT_EQ(ErrorOfRead(), QStringLiteral("File not found"));
}

// A directory of that name opens but cannot be read: an I/O error with the
// system's number. (Permission bits cannot stop root, so the access case is
// checked only when the tests run as an ordinary user.)
TEST_F(HelpFile, DirectoryInsteadOfFile)
{
    ASSERT_TRUE(QDir().mkdir(QString::fromLatin1(HelpFileName)));
    EXPECT_EQ(ErrorOfRead(), QStringLiteral("I/O error %1").arg(EISDIR));
}

TEST_F(HelpFile, UnreadableFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads any file whatever its permissions";
    Write("A");
    ASSERT_TRUE(QFile::setPermissions(QString::fromLatin1(HelpFileName), QFileDevice::WriteOwner));
    EXPECT_EQ(ErrorOfRead(), QStringLiteral("File access denied"));
}

TEST_F(HelpFile, ShownInOnePlainBoxWithOk)
{
    Write("<b>A</b>\nB");
    ModalWatcher watcher;
    watcher.expect();
    ShowHelp(nullptr);
    ASSERT_EQ(watcher.seen().size(), 1u);
    const ModalWatcher::Seen &box = watcher.seen()[0];
    EXPECT_EQ(box.title, QStringLiteral("Velmora"));
    EXPECT_EQ(box.text, QStringLiteral("\r\n<b>A</b>\r\nB"));
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttonCount, 1);
    EXPECT_EQ(box.format, Qt::PlainText);
}

TEST_F(HelpFile, EmptyFileGivesAnEmptyBoxAndAMissingOneNoBox)
{
    Write("");
    ModalWatcher watcher;
    watcher.expect();
    ShowHelp(nullptr);
    ASSERT_EQ(watcher.seen().size(), 1u);
    EXPECT_TRUE(watcher.seen()[0].text.isEmpty());
    QFile::remove(QString::fromLatin1(HelpFileName));
    EXPECT_THROW(ShowHelp(nullptr), VelmoraError);
    EXPECT_EQ(watcher.seen().size(), 1u);
}

TEST(HelpText, ShippedFileIsRussianUtf8)
{
    QFile file(QStringLiteral(VELMORA_SOURCE_DIR "/help.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = HelpTextFromBytes(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("Расчет")));
    EXPECT_TRUE(text.contains(QStringLiteral("F8")));
    EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
}

// Texts a message box could not show on the screen: many lines, very many
// lines, one line wider than any screen. The scrolling box fits the
// screen's available area, holds the whole text and closes with its OK
// button.
TEST_F(HelpFile, LongTextsScrollInABoxThatFitsTheScreen)
{
    QByteArray sixty, many;
    for (int i = 1; i <= 60; ++i)
        sixty += "Строка " + QByteArray::number(i) + "\n";
    for (int i = 1; i <= 20000; ++i)
        many += "Line " + QByteArray::number(i) + "\n";
    const QByteArray wide = "Начало " + QByteArray(6000, 'x') + " конец\n";
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QByteArray &bytes : {sixty, many, wide}) {
        Write(bytes);
        ModalWatcher watcher;
        watcher.expect();
        QString shown;
        watcher.onDialog([&](QWidget *dialog) {
            EXPECT_TRUE(screen.contains(dialog->frameGeometry())) << bytes.size();
            shown = dialog->findChild<QPlainTextEdit *>("HelpText")->toPlainText();
            const auto *edit = dialog->findChild<QPlainTextEdit *>("HelpText");
            EXPECT_NE(edit->wordWrapMode(), QTextOption::NoWrap);
            QPushButton *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
            ASSERT_NE(ok, nullptr);
            EXPECT_TRUE(dialog->rect().contains(ok->geometry()));
            ok->click();
        });
        ShowHelp(nullptr);
        ASSERT_EQ(watcher.messages(), QStringList{"<dialog HelpBox>"}) << bytes.size();
        EXPECT_EQ(shown, HelpTextFromBytes(bytes).replace("\r\n", "\n")) << bytes.size();
    }
}

// A file beyond the read limit is cut there, at a character's start, and
// the text says so at its end.
TEST_F(HelpFile, ABigFileIsCutAtTheReadLimit)
{
    QByteArray big = "a";
    while (big.size() < 5 * 1024 * 1024)
        big += "Ж";
    Write(big);
    const QString text = ReadHelpText();
    EXPECT_TRUE(text.endsWith(QString::fromUtf8(HelpCutNote)));
    EXPECT_TRUE(text.startsWith(QStringLiteral("\r\naЖЖ"))); // still read as UTF-8
    EXPECT_LE(text.size(), HelpReadLimit);
    EXPECT_GT(text.size(), HelpReadLimit / 2 - 10);

    Write(QByteArray(HelpReadLimit, 'b')); // exactly the limit: whole, no note
    EXPECT_FALSE(ReadHelpText().contains(QString::fromUtf8(HelpCutNote)));
}

// Only a regular file, or a link to one, is read: a FIFO, or a link to one,
// is refused at once instead of blocking the window.
TEST_F(HelpFile, OnlyARegularFileIsRead)
{
    Write("Текст");
    ASSERT_TRUE(QFile::rename(QString::fromLatin1(HelpFileName), QStringLiteral("real.txt")));
    ASSERT_TRUE(QFile::link(QStringLiteral("real.txt"), QString::fromLatin1(HelpFileName)));
    EXPECT_EQ(ReadHelpText(), QStringLiteral("\r\nТекст"));

    ASSERT_EQ(::mkfifo("pipe", 0600), 0);
    for (const bool viaLink : {false, true}) {
        QFile::remove(QString::fromLatin1(HelpFileName));
        if (viaLink)
            ASSERT_TRUE(QFile::link(QStringLiteral("pipe"), QString::fromLatin1(HelpFileName)));
        else
            ASSERT_TRUE(QFile::rename(QStringLiteral("pipe"), QString::fromLatin1(HelpFileName)));
        Watchdog guard(viaLink ? QStringLiteral("pipe") : QString::fromLatin1(HelpFileName));
        EXPECT_EQ(ErrorOfRead(), QStringLiteral("File access denied")) << viaLink;
        EXPECT_FALSE(guard.fired()) << "the read blocked";
        if (!viaLink) {
            ASSERT_TRUE(QFile::rename(QString::fromLatin1(HelpFileName), QStringLiteral("pipe")));
        }
    }
}
