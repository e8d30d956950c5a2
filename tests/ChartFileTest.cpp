// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include "Chart.h"
#include "ChartFile.h"
#include "ChartPdf.h"
#include "ChartPicture.h"
#include "ToolRun.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace {

ChartInput SampleInput()
{
    ChartInput input;
    input.Day = 6;
    input.Month = 12;
    input.Year = 2026;
    input.Hour = 14;
    input.Minute = 5;
    input.Correction = 3;
    input.LongitudeDegrees = 37;
    input.LongitudeMinutes = 37;
    return input;
}

SharedChart SampleChart()
{
    const ChartInput input = SampleInput();
    return {input, ComputeChart(input).Details->Result};
}

bool HavePoppler() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

// The tool's JSON for the sample chart: what the file must show.
QJsonObject ToolJson()
{
    const QString out = RunTool(QStringLiteral(VELMORA_CHART), SampleToolArguments() << QStringLiteral("--json"));
    return QJsonDocument::fromJson(out.toUtf8()).object();
}

QStringList Words(const QString &line)
{
    return line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

QStringList FolderEntries(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// A tmpfs of the given options mounted on a fresh folder for one test, where
// the test may mount (root); unmounted again at the end.
class TinyMount
{
public:
    explicit TinyMount(const char *options)
    {
        m_mounted = geteuid() == 0 && mount("tmpfs", m_dir.path().toLocal8Bit().constData(), "tmpfs", 0, options) == 0;
    }
    ~TinyMount()
    {
        if (m_mounted)
            umount2(m_dir.path().toLocal8Bit().constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    void makeReadOnly()
    {
        mount("tmpfs", m_dir.path().toLocal8Bit().constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace

TEST(ChartFile, DefaultNamesHaveFourDigitYears)
{
    struct Case {
        int day, month, year, hour, minute;
        const char *name;
    };
    const Case cases[] = {{25, 12, 2020, 8, 30, "velmora-2020-12-25-0830.pdf"},
                          {1, 1, 1, 0, 0, "velmora-0001-01-01-0000.pdf"},
                          {9, 3, 999, 7, 5, "velmora-0999-03-09-0705.pdf"},
                          {31, 12, 3000, 23, 59, "velmora-3000-12-31-2359.pdf"},
                          {29, 2, 9996, 12, 0, "velmora-9996-02-29-1200.pdf"}};
    for (const Case &c : cases) {
        ChartInput input;
        input.Day = c.day;
        input.Month = c.month;
        input.Year = c.year;
        input.Hour = c.hour;
        input.Minute = c.minute;
        EXPECT_EQ(DefaultChartFileName(input).toStdString(), c.name);
    }
}

TEST(ChartFile, KindFollowsTheExtension)
{
    EXPECT_EQ(ChartFileKindOf(QStringLiteral("/a/b.pdf")), ChartFileKind::Pdf);
    EXPECT_EQ(ChartFileKindOf(QStringLiteral("/a/B.PDF")), ChartFileKind::Pdf);
    EXPECT_EQ(ChartFileKindOf(QStringLiteral("b.Png")), ChartFileKind::Png);
    EXPECT_EQ(ChartFileKindOf(QStringLiteral("b.pdf.txt")), std::nullopt);
    EXPECT_EQ(ChartFileKindOf(QStringLiteral("pdf")), std::nullopt);
}

// The saved PDF read back: one A4 page titled with the moment, made by
// Velmora, holding the tool's tokens and squares in the printed layout.
TEST(ChartFile, PdfHoldsTheToolsChartOnOneA4Page)
{
    if (!HavePoppler())
        GTEST_SKIP() << "poppler-utils is not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.pdf"));
    ASSERT_EQ(SaveChartFile(path, SampleChart()), QString());
    const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:.*\\(A4\\)")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+06.12.2026 14:05\\n"))));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Creator:\\s+Velmora\\n"))));

    const QJsonObject json = ToolJson();
    const QJsonObject pillars = json[QStringLiteral("pillars")].toObject();
    QStringList stems, branches;
    for (const char *name : {"hour", "day", "month", "year"}) {
        stems << pillars[QLatin1String(name)].toArray()[0].toString();
        branches << pillars[QLatin1String(name)].toArray()[1].toString();
    }
    const QStringList lines =
        RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")}).split(u'\n');
    QStringList squareRows;
    for (const QString &line : lines) {
        if (line.contains(QStringLiteral("небесный ствол"))) {
            EXPECT_EQ(Words(line), stems + QStringLiteral("небесный ствол").split(u' '));
        }
        if (line.contains(QStringLiteral("земная ветвь"))) {
            EXPECT_EQ(Words(line), branches + QStringLiteral("земная ветвь").split(u' '));
        }
        if (line.contains(QStringLiteral("Час"))) {
            EXPECT_TRUE(line.contains(QRegularExpression(QStringLiteral("06\\.12\\.2026 {4,}14:05"))));
        }
        if (line.contains(QRegularExpression(QStringLiteral("^\\s*\\d[\\s\\d]*$"))))
            squareRows << Words(line).join(u' ');
    }
    const QJsonArray year = json[QStringLiteral("yearSquare")].toArray();
    const QJsonArray month = json[QStringLiteral("monthSquare")].toArray();
    QStringList expected;
    for (int r = 0; r < 3; ++r) {
        QStringList row;
        for (const QJsonArray &square : {year, month})
            for (int c = 0; c < 3; ++c)
                row << QString::number(square[r].toArray()[c].toInt());
        expected << row.join(u' ');
    }
    EXPECT_EQ(squareRows, expected);
}

// Twice the window's size, the tables in their colours, lines two device
// pixels wide with no blur beside them.
TEST(ChartFile, PngIsTheResultAreaAtTwiceTheSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.png"));
    ASSERT_EQ(SaveChartFile(path, SampleChart()), QString());
    QImage image(path);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), ChartPictureSize() * 2);
    const auto at = [&](int x, int y) { return image.pixelColor(x, y); };
    EXPECT_EQ(at(1, 1), QColor(240, 240, 240));   // the window's face
    EXPECT_EQ(at(20, 60), QColor(0, 0, 255));     // the table's blue frame
    EXPECT_EQ(at(24, 80), QColor(255, 255, 185)); // pale yellow heading row
    EXPECT_EQ(at(50, 276), QColor(Qt::white));    // year square
    // The first grid line of the table, at window row 27 of the table.
    for (int y : {113, 114})
        EXPECT_EQ(at(30, y), QColor(Qt::black)) << y;
    for (int y : {112, 115})
        EXPECT_EQ(at(30, y), QColor(255, 255, 185)) << y;
    bool maroon = false;
    for (int y = 60; y < 114 && !maroon; ++y)
        for (int x = 20; x < 480 && !maroon; ++x)
            maroon = at(x, y) == QColor(128, 0, 0);
    EXPECT_TRUE(maroon) << "no heading drawn in maroon";
}

TEST(ChartFile, UnknownTypeOrMissingFolderIsReportedWithTheName)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("chart.txt"));
    EXPECT_EQ(
        SaveChartFile(text, SampleChart()),
        QStringLiteral("Не удалось сохранить файл «%1»: тип файла задаётся расширением .pdf или .png.").arg(text));
    const QString missing = dir.filePath(QStringLiteral("no/chart.pdf"));
    EXPECT_EQ(SaveChartFile(missing, SampleChart()),
              QStringLiteral("Не удалось сохранить файл «%1»: папка «%2» не существует.")
                  .arg(missing, dir.filePath(QStringLiteral("no"))));
    const QString longName = dir.filePath(QString(300, u'я') + QStringLiteral(".pdf"));
    EXPECT_EQ(
        SaveChartFile(longName, SampleChart()),
        QStringLiteral("Не удалось сохранить файл «%1»: недопустимое имя файла (слишком длинное).").arg(longName));
    EXPECT_TRUE(FolderEntries(dir.path()).isEmpty());
}

// Only a new name or a regular file is written. A FIFO, a device node (made
// with the null device's numbers, where the test runs as root), a folder, a
// dangling link, or a link to one of them is refused, in the window and the
// tool, and left as it was; a link to a regular file writes its target.
TEST(ChartFile, OnlyARegularFileIsReplaced)
{
    QTemporaryDir dir;
    const auto name = [&](const char *file) { return dir.filePath(QString::fromLatin1(file)); };
    const auto mode = [&](const char *file) {
        struct stat status = {};
        return ::lstat(QFile::encodeName(name(file)).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0u;
    };
    ASSERT_EQ(::mkfifo(QFile::encodeName(name("fifo.pdf")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(name("fifo.pdf"), name("to-fifo.png")));
    ASSERT_TRUE(QDir().mkdir(name("folder.pdf")));
    ASSERT_TRUE(QFile::link(name("gone"), name("dangling.pdf")));
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(::mknod(QFile::encodeName(name("device.pdf")).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
    }
    struct Case {
        const char *file, *reason;
        unsigned kind; // what stays there
    };
    const Case cases[] = {
        {"fifo.pdf", "под этим именем не обычный файл", S_IFIFO},
        {"to-fifo.png", "под этим именем не обычный файл", S_IFLNK},
        {"folder.pdf", "под этим именем уже есть папка", S_IFDIR},
        {"dangling.pdf", "под этим именем не обычный файл", S_IFLNK},
        {"device.pdf", "под этим именем не обычный файл", S_IFCHR},
    };
    for (const Case &c : cases) {
        if (!root && c.kind == S_IFCHR)
            continue; // only root may make a device node
        EXPECT_EQ(SaveChartFile(name(c.file), SampleChart()),
                  QStringLiteral("Не удалось сохранить файл «%1»: %2.").arg(name(c.file), QString::fromUtf8(c.reason)));
        EXPECT_EQ(mode(c.file), c.kind) << c.file;
        QProcess tool;
        const QString option =
            name(c.file).endsWith(QLatin1String(".png")) ? QStringLiteral("--png") : QStringLiteral("--pdf");
        tool.start(QStringLiteral(VELMORA_CHART), SampleToolArguments() << option << name(c.file));
        ASSERT_TRUE(tool.waitForFinished(30000));
        EXPECT_EQ(tool.exitCode(), 1) << c.file;
        EXPECT_EQ(mode(c.file), c.kind) << c.file;
    }
    EXPECT_EQ(mode("fifo.pdf"), unsigned(S_IFIFO));
    EXPECT_FALSE(QFile::exists(name("gone")));

    QFile real(name("real.png"));
    ASSERT_TRUE(real.open(QIODevice::WriteOnly));
    real.close();
    ASSERT_TRUE(QFile::link(name("real.png"), name("link.png")));
    EXPECT_EQ(SaveChartFile(name("link.png"), SampleChart()), QString());
    EXPECT_EQ(mode("link.png"), unsigned(S_IFLNK));
    EXPECT_FALSE(QImage(name("real.png")).isNull());
}

// A folder the program may not write: a read-only mount where the test may
// mount (root writes into any folder whatever its mode), else a folder
// without write permission.
TEST(ChartFile, ReadOnlyFolderGivesTheMessageAndNoFile)
{
    TinyMount mount("size=64k");
    QTemporaryDir plain;
    QString folder = plain.path();
    if (mount.mounted()) {
        mount.makeReadOnly();
        folder = mount.path();
    } else if (geteuid() == 0) {
        GTEST_SKIP() << "cannot mount a read-only tmpfs";
    } else {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    const QString path = QDir(folder).filePath(QStringLiteral("chart.pdf"));
    EXPECT_EQ(SaveChartFile(path, SampleChart()),
              QStringLiteral("Не удалось сохранить файл «%1»: запись в папку «%2» запрещена.").arg(path, folder));
    EXPECT_TRUE(FolderEntries(folder).isEmpty());
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A file system that fills up during the write: the message, no temporary
// file left, and the file that was there before unharmed.
TEST(ChartFile, FullFileSystemGivesTheMessageAndKeepsTheOldFile)
{
    TinyMount mount("size=8k");
    if (!mount.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here";
    const QString path = QDir(mount.path()).filePath(QStringLiteral("chart.pdf"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    ASSERT_GT(ChartPdf(SampleChart()).size(), 8 * 1024) << "the PDF must not fit";
    EXPECT_EQ(SaveChartFile(path, SampleChart()),
              QStringLiteral("Не удалось сохранить файл «%1»: на диске недостаточно места.").arg(path));
    EXPECT_EQ(FolderEntries(mount.path()), QStringList{QStringLiteral("chart.pdf")});
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
}

// velmora-chart --pdf/--png, with no display and no platform named, writes
// the files the window writes.
TEST(ChartFile, ToolSavesTheWindowsFilesWithoutADisplay)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("tool.pdf")), png = dir.filePath(QStringLiteral("tool.png"));
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(VELMORA_CHART),
               SampleToolArguments() << QStringLiteral("--pdf") << pdf << QStringLiteral("--png") << png);
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    QFile saved(png);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), ChartPng(SampleChart()));
    if (!HavePoppler())
        GTEST_SKIP() << "poppler-utils is not installed";
    const QString window = dir.filePath(QStringLiteral("window.pdf"));
    ASSERT_EQ(SaveChartFile(window, SampleChart()), QString());
    const auto text = [](const QString &path) {
        return RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    };
    EXPECT_FALSE(text(pdf).isEmpty());
    EXPECT_EQ(text(pdf), text(window));
}
