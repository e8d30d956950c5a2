// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include "ModalWatcher.h"
#include "PrintCommand.h"
#include "PrintEntry.h"
#include "PrinterStatus.h"
#include "Printing.h"

#include <QLibrary>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

ChartResult SampleResult()
{
    ChartResult result;
    result.HourPillar = {"ЗЕМ", "ОГО"};
    result.DayPillar = {"дер", "вод"};
    result.MonthPillar = {"МЕТ", "ВОД"};
    result.YearPillar = {"зем", "мет"};
    result.YearSquare = {{{8, 4, 6}, {7, 9, 2}, {3, 5, 1}}};
    result.MonthSquare = {{{1, 6, 8}, {9, 2, 4}, {5, 7, 3}}};
    return result;
}

void MakePdfPrinter(QPrinter &printer, const QString &fileName)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setPageSize(QPageSize(QPageSize::A4));
}

QString PdfText(const QString &fileName)
{
    QProcess process;
    // Layout mode keeps the date and the time, set apart by blanks, on one line.
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

// The whole print path on a real print engine: the page goes through a
// QPainter into a PDF file whose text is read back.
TEST(Printing, PdfPageHoldsTheChart)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fileName = dir.filePath(QStringLiteral("page.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    MakePdfPrinter(printer, fileName);
    ASSERT_GE(printer.height(), 1500) << "the layout would collapse";
    ASSERT_TRUE(PrintChart(printer, PrintTexts{"6", "12", "2026", "9", "5"}, SampleResult()));
    const QString text = PdfText(fileName);
    for (const char *expected : {"Час", "День", "Месяц", "Год", "небесный ствол", "земная ветвь", "Квадрат Года",
                                 "Квадрат Месяца", "ЗЕМ", "ОГО", "дер", "вод", "МЕТ", "ВОД", "зем", "мет"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << " missing from:\n" << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("6\\.12\\.2026\\s+9:5")))) << text.toStdString();
    EXPECT_EQ(printer.printerState(), QPrinter::Idle);
}

TEST(Printing, JobThatCannotBeginFails)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QPrinter printer(QPrinter::HighResolution);
    MakePdfPrinter(printer, dir.filePath(QStringLiteral("no-such-folder/page.pdf")));
    EXPECT_FALSE(PrintChart(printer, PrintTexts{}, ChartResult{}));
}

// The command goes through the print module of the build tree, as the
// program does; a module that cannot be loaded is a failed print too.
TEST(Printing, WithoutDefaultPrinterOrModuleTheCommandReportsPrintError)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer";
    EXPECT_EQ(MakeDefaultPrinter(), nullptr);
    EXPECT_FALSE(PrintChartOnDefaultPrinter(PrintTexts{}, ChartResult{}));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ModalWatcher watcher;
    watcher.expect(2);
    PrintOnDefaultPrinter(nullptr, PrintTexts{}, ChartResult{});
    PrintOnDefaultPrinter(nullptr, PrintTexts{}, ChartResult{}, dir.filePath(QStringLiteral("velmora-print.so")));
    ASSERT_EQ(watcher.seen().size(), 2u);
    for (const auto &seen : watcher.seen()) {
        EXPECT_EQ(seen.text, QStringLiteral("Ошибка печати"));
        EXPECT_EQ(seen.title, QStringLiteral("Velmora"));
        EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    }
}

TEST(Printing, TheModuleIsFoundFromTheProgramsFolder)
{
    QLibrary module(PrintModulePath());
    EXPECT_NE(module.resolve(PrintEntryName), nullptr) << module.errorString().toStdString();
}

TEST(Printing, DefaultPrinterUsesItsRealResolution)
{
    const std::unique_ptr<QPrinter> printer = MakeDefaultPrinter();
    if (!printer)
        GTEST_SKIP() << "this machine has no default printer";
    EXPECT_GE(printer->height(), 1500);
}

// Whether a job goes to a printer, from what CUPS says of it.
TEST(Printing, OnlyAPrinterThatIsNotStoppedAndAcceptsJobsGetsTheJob)
{
    const struct {
        const char *state, *accepting;
        bool takesJobs;
    } cases[] = {
        {"3", "true", true},   {"4", "true", true}, {"5", "true", false}, {"3", "false", false}, {"4", "false", false},
        {"5", "false", false}, {"", "", true},      {"", "false", false}, {"5", "", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PrinterTakesJobs({QString::fromLatin1(c.state), QString::fromLatin1(c.accepting)}), c.takesJobs)
            << "state " << c.state << ", accepting " << c.accepting;
    EXPECT_TRUE(QueryPrinterStatus(QStringLiteral("velmora-no-such-queue/x")).state.isEmpty());
}
