#include "SampleData.h"
#include "data/DataFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/NativeName.h"
#include "data/PhotoList.h"
#include "support/WriteLimit.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <functional>
#include <system_error>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace vimo;
using vimo::test::addDataSet;
using vimo::test::readFile;
using vimo::test::writeFile;

namespace {

// A data set with every property a file carries: samples that need rounding to 4 decimals, peak tags, trigger
// samples (one after the last altitude sample, which the format cannot carry), rate marks, name, notes, styles.
DataSet& addRichDataSet(Plot& plot, const QString& name)
{
    DataSet& set = addDataSet(plot, {{0, 100.123449}, {0.5, 101.5}, {1, -2.25}, {1.5, 300}, {2, 300}}, {1, 3});
    set.trigger.series.append(9, 9);
    set.altitude.series.setTag(3, 1);
    set.altitude.series.setTag(4, 7);
    set.addRateMark(0, 3);
    set.addRateMark(4, 99); // outside the series: kept as it is
    plot.signals.rename(plot.signals.size() - 1, name);
    set.notes = {QStringLiteral("Field \u00F6st"), QString(), QStringLiteral("10 sec, interval=0.5 sec, max=300")};
    set.altitude.lineColor = 0x00FF00;
    set.altitude.lineStyle = kLineDashDot;
    set.altitude.pointColor = 0x123456;
    set.altitude.pointStyle = kPointDiamond;
    set.trigger.pointColor = 0x654321;
    set.trigger.pointStyle = kPointX;
    return set;
}

void expectSameDataSet(const DataSet& loaded, const DataSet& saved, bool withStyles)
{
    EXPECT_EQ(loaded.name(), saved.name());
    EXPECT_EQ(loaded.notes, saved.notes);
    EXPECT_EQ(loaded.trigger.visible, saved.trigger.visible);
    const SampleSeries& a = loaded.altitude.series;
    const SampleSeries& b = saved.altitude.series;
    ASSERT_EQ(a.count(), b.count());
    for (int i = 0; i < a.count(); ++i) {
        EXPECT_NEAR(a.time(i), b.time(i), 0.00005);
        EXPECT_NEAR(a.altitude(i), b.altitude(i), 0.00005);
        EXPECT_EQ(a.tag(i), b.tag(i));
    }
    // Trigger samples come back except those after the last altitude sample.
    int carried = 0;
    while (carried < saved.trigger.series.count() && b.count() > 0
           && saved.trigger.series.time(carried) <= b.time(b.count() - 1))
        ++carried;
    ASSERT_EQ(loaded.trigger.series.count(), saved.trigger.visible ? carried : 0);
    for (int t = 0; t < loaded.trigger.series.count(); ++t) {
        EXPECT_NEAR(loaded.trigger.series.time(t), saved.trigger.series.time(t), 0.00005);
        EXPECT_NEAR(loaded.trigger.series.altitude(t), saved.trigger.series.altitude(t), 0.00005);
    }
    EXPECT_EQ(loaded.rateMarkCount(), saved.rateMarkCount());
    for (int m = 0; m < saved.rateMarkCount(); ++m) {
        EXPECT_EQ(loaded.rateMarks[std::size_t(m)].first, saved.rateMarks[std::size_t(m)].first);
        EXPECT_EQ(loaded.rateMarks[std::size_t(m)].second, saved.rateMarks[std::size_t(m)].second);
    }
    if (withStyles) {
        EXPECT_EQ(loaded.altitude.lineColor, saved.altitude.lineColor);
        EXPECT_EQ(loaded.altitude.lineStyle, saved.altitude.lineStyle);
        EXPECT_EQ(loaded.altitude.pointColor, saved.altitude.pointColor);
        EXPECT_EQ(loaded.altitude.pointStyle, saved.altitude.pointStyle);
        EXPECT_EQ(loaded.trigger.pointColor, saved.trigger.pointColor);
        EXPECT_EQ(loaded.trigger.pointStyle, saved.trigger.pointStyle);
    }
}

} // namespace

TEST(DataFileSaveLoad, dataSetFileRoundTripGivesBackTheDataSet)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Alt.csv"));
    Plot plot;
    addDataSet(plot, {{0, 0}});
    const DataSet& saved = addRichDataSet(plot, QStringLiteral("Thermal \u00E9t\u00E9"));
    ASSERT_EQ(datafile::saveDataSetFile(path, plot, 1), SaveStatus::Saved);

    Plot loaded;
    ASSERT_EQ(datafile::loadDataFile(path, loaded), 1);
    expectSameDataSet(loaded.signals.at(0), saved, false);
}

TEST(DataFileSaveLoad, plotFileRoundTripGivesBackDataSetsTextsAndRanges)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Plot.csv"));
    Plot plot;
    plot.title = QStringLiteral("Evening \u2013 calm");
    plot.xLabel = QStringLiteral("Time (seconds)");
    plot.yLabel = QStringLiteral("Altitude (meters)");
    plot.info1 = QStringLiteral("one");
    plot.info3 = QString(255, QLatin1Char('i'));
    plot.setRange({-2.5, 1234.5, -10, 350});
    addRichDataSet(plot, QStringLiteral("First"));
    DataSet& second = addDataSet(plot, {{0, 5}, {1, 6}});
    second.trigger.visible = false;
    addDataSet(plot, {}); // a data set without samples
    ASSERT_EQ(datafile::savePlotFile(path, plot), SaveStatus::Saved);

    Plot loaded;
    ASSERT_EQ(datafile::loadDataFile(path, loaded), 3);
    for (int k = 0; k < 3; ++k)
        expectSameDataSet(loaded.signals.at(k), plot.signals.at(k), true);
    for (const auto field : {&Plot::title, &Plot::xLabel, &Plot::yLabel, &Plot::info1, &Plot::info2, &Plot::info3})
        EXPECT_EQ(loaded.*field, plot.*field);
    EXPECT_EQ(loaded.range(), plot.range());
    // Saving what was loaded gives the same bytes.
    EXPECT_EQ(datafile::plotFileBytes(loaded), readFile(path));
}

TEST(DataFileSaveLoad, fullDataSetRoundTripKeepsEverySampleAndItsRateMarks)
{
    Plot plot;
    DataSet& set = plot.signals.createDataSet();
    set.clearSamples();
    for (int i = 0; i < SampleSeries::kCapacity; ++i)
        set.altitude.series.append(i * 0.5, i % 1000);
    set.trigger.series.append(10, 20);
    set.addRateMark(1, SampleSeries::kCapacity - 1);
    Plot loaded;
    ASSERT_EQ(datafile::readDataFile(datafile::dataSetFileBytes(plot, 0), loaded), 1);
    expectSameDataSet(loaded.signals.at(0), set, false);
}

TEST(DataFileSaveLoad, savingTheActiveDataSetWithNoneSelectedWritesNothingAndSaysSo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Alt.csv"));
    Plot plot;
    plot.signals.createDataSet();
    QString reason;
    EXPECT_EQ(datafile::saveDataSetFile(path, plot, -1, &reason), SaveStatus::NoDataSet);
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(DataFileSaveLoad, saveIntoAMissingFolderFailsWithAReason)
{
    QTemporaryDir dir;
    Plot plot;
    plot.signals.createDataSet();
    QString reason;
    EXPECT_EQ(datafile::savePlotFile(dir.filePath(QStringLiteral("missing/Plot.csv")), plot, &reason),
              SaveStatus::Failed);
    EXPECT_FALSE(reason.isEmpty());
}

#ifdef Q_OS_UNIX
// A save that cannot be written (as on a full disk) says the system's reason, keeps the old file as it was and
// leaves no temporary file: for data set files, plot files and photo lists alike.
TEST(DataFileSaveLoad, failedSaveLeavesThePreviousFileAsItWasAndSaysWhy)
{
    QTemporaryDir dir;
    Plot plot;
    DataSet& set = plot.signals.createDataSet();
    for (int i = 0; i < 5000; ++i) {
        set.altitude.series.append(i, i);
        set.trigger.series.append(i, i);
    }
    const std::pair<const char*, std::function<SaveStatus(const QString&, QString*)>> saves[] = {
        {"Alt.csv", [&](const QString& p, QString* r) { return datafile::saveDataSetFile(p, plot, 0, r); }},
        {"Plot.csv", [&](const QString& p, QString* r) { return datafile::savePlotFile(p, plot, r); }},
        {"Photos.txt", [&](const QString& p, QString* r) { return savePhotoList(p, plot, 0, r); }},
    };
    for (const auto& [name, save] : saves) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        writeFile(path, "previous content\r\n");
        QString reason;
        SaveStatus status;
        {
            vimo::test::WriteLimit limit(4096);
            status = save(path, &reason);
        }
        EXPECT_EQ(status, SaveStatus::Failed) << name;
        EXPECT_EQ(reason, QString::fromStdString(std::system_category().message(EFBIG))) << name;
        EXPECT_EQ(readFile(path), QByteArray("previous content\r\n")) << name;
        QFile::remove(path);
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty()) << name << ": no temporary left";
    }
}
#endif

// A saved file gets the permissions of any new file, and a file saved over keeps its own.
#ifdef Q_OS_UNIX
TEST(DataFileSaveLoad, savedFileHasTheUsualPermissionsOrKeepsTheOldOnes)
{
    QTemporaryDir dir;
    Plot plot;
    plot.signals.createDataSet();
    const QString path = dir.filePath(QStringLiteral("Plot.csv"));
    const mode_t mask = ::umask(022);
    ASSERT_EQ(datafile::savePlotFile(path, plot), SaveStatus::Saved);
    EXPECT_EQ(QFileInfo(path).permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther
                                                 | QFile::ReadUser | QFile::WriteUser);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    ASSERT_EQ(datafile::savePlotFile(path, plot), SaveStatus::Saved);
    ::umask(mask);
    EXPECT_EQ(QFileInfo(path).permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
}
#endif

TEST(DataFileSaveLoad, fileThatCannotBeOpenedChangesNothing)
{
    QTemporaryDir dir;
    Plot plot;
    QString reason;
    EXPECT_EQ(datafile::loadDataFile(dir.filePath(QStringLiteral("none.csv")), plot, &reason), -1);
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(datafile::loadDataFile(dir.path(), plot), -1); // a folder
#ifdef Q_OS_UNIX
    EXPECT_EQ(datafile::loadDataFile(QStringLiteral("/dev/zero"), plot), -1); // endless: would never finish
#endif
    EXPECT_EQ(plot.signals.size(), 0);
    EXPECT_EQ(unableToOpenMessage(QStringLiteral("/x/y.csv")), QStringLiteral("Unable to open /x/y.csv!"));
}

TEST(DataFileSaveLoad, loadedSeriesHoldAboutSeventeenBytesPerSample)
{
    Plot plot;
    DataSet& set = plot.signals.createDataSet();
    set.clearSamples();
    for (int i = 0; i < 3000; ++i)
        set.altitude.series.append(i, i);
    for (int i = 0; i < 3000; i += 10)
        set.trigger.series.append(i, i);
    Plot loaded;
    datafile::readDataFile(datafile::dataSetFileBytes(plot, 0), loaded);
    const DataSet& read = loaded.signals.at(0);
    EXPECT_EQ(read.altitude.series.memoryBytes(), 3000u * 17u);
    EXPECT_EQ(read.trigger.series.memoryBytes(), 300u * 16u);
}

TEST(DataFileSaveLoad, suggestedFileNamesCarryTheDateAndTheSetNumber)
{
    const QDate date(2026, 6, 1);
    EXPECT_EQ(datafile::suggestedDataSetFileName(date, 0), QStringLiteral("Alt_2026-06-01_1.csv"));
    EXPECT_EQ(datafile::suggestedDataSetFileName(date, 11), QStringLiteral("Alt_2026-06-01_12.csv"));
    EXPECT_EQ(datafile::suggestedPlotFileName(date), QStringLiteral("Plot_2026-06-01.csv"));
}

// Samples that share one time (also only once written with 4 decimals) keep their trigger marks on the same
// samples through a save and a load, so a second save gives the same bytes as the first.
TEST(DataFileSaveLoad, triggerMarksAmongSamplesOfEqualTimeStayOnTheirSamples)
{
    Plot plot;
    DataSet& set = addDataSet(plot, {{0, 1}, {5, 2}, {5, 3}, {5, 4}, {5.00001, 5}, {5.00002, 6}}, {2, 5});
    const QByteArray first = datafile::plotFileBytes(plot);
    EXPECT_NE(first.indexOf("5.0000,    3.0000, 1"), -1) << first.constData();
    EXPECT_NE(first.indexOf("5.0000,    6.0000, 1"), -1) << first.constData();
    ASSERT_EQ(set.trigger.series.count(), 2);

    Plot again;
    ASSERT_EQ(datafile::readDataFile(first, again), 1);
    EXPECT_EQ(datafile::plotFileBytes(again), first);

    // A file found by fuzzing: equal times, trigger marks among them and lines that do not parse.
    Plot fromCase;
    datafile::readDataFile(vimo::test::readFixture(QStringLiteral("round_trip_equal_times.csv")), fromCase);
    const QByteArray saved = datafile::plotFileBytes(fromCase);
    Plot reloaded;
    datafile::readDataFile(saved, reloaded);
    EXPECT_EQ(datafile::plotFileBytes(reloaded), saved);
}

#ifdef Q_OS_UNIX
// The safe save replaces only a regular file it may write: a read-only file and anything that is no regular file
// (a device, also through a link) are refused with the reason and left as they were; a link to a file stays a link
// and the file it names is replaced; a new file is never wider than the umask allows.
TEST(DataFileSaveLoad, safeSaveRefusesReadOnlyFilesAndDevicesAndKeepsLinksAndTheUmask)
{
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    const auto native = [&](const char* name) { return QFile::encodeName(path(name)); };
    QString reason;

    writeFile(path("picture.png"), "old picture");
    ::chmod(native("picture.png").constData(), 0444);
    EXPECT_EQ(saveBytes(path("picture.png"), "new", &reason), SaveStatus::Failed);
    EXPECT_EQ(reason, QString::fromStdString(std::system_category().message(EACCES)));
    EXPECT_EQ(readFile(path("picture.png")), QByteArray("old picture"));

    ASSERT_EQ(::symlink("/dev/null", native("out.csv").constData()), 0);
    EXPECT_EQ(saveBytes(path("out.csv"), "new", &reason), SaveStatus::Failed);
    EXPECT_EQ(reason, QStringLiteral("Not a regular file"));
    EXPECT_TRUE(QFileInfo(path("out.csv")).isSymLink()) << "the link is not turned into a file";

    writeFile(path("target.csv"), "old");
    ::chmod(native("target.csv").constData(), 0640);
    ASSERT_EQ(::symlink("target.csv", native("link.csv").constData()), 0);
    ASSERT_EQ(saveBytes(path("link.csv"), "new", &reason), SaveStatus::Saved) << reason.toStdString();
    EXPECT_TRUE(QFileInfo(path("link.csv")).isSymLink());
    EXPECT_EQ(readFile(path("target.csv")), QByteArray("new"));
    struct stat info {};
    ASSERT_EQ(::stat(native("target.csv").constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    const mode_t mask = ::umask(077);
    const SaveStatus fresh = saveBytes(path("fresh.csv"), "new");
    ::umask(mask);
    ASSERT_EQ(fresh, SaveStatus::Saved);
    ASSERT_EQ(::stat(native("fresh.csv").constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

// A file name that is not UTF-8 keeps its bytes from the system to the system, and is shown escaped.
TEST(DataFileSaveLoad, fileNamesThatAreNotUtf8_openAndSaveUnderTheirOwnBytes)
{
    QTemporaryDir dir;
    const QByteArray bytes = QFile::encodeName(dir.path()) + "/h\xf6he \\x.csv";
    const QString name = nativename::decode(bytes);
    EXPECT_EQ(nativename::encode(name), bytes);
    EXPECT_TRUE(nativename::shown(name).endsWith(QStringLiteral("/h\\xf6he \\x.csv")));
    EXPECT_EQ(nativename::fromText(nativename::toText(name)), name);
    EXPECT_EQ(nativename::decode("plain \xc3\xa9.csv"), QStringLiteral("plain \u00e9.csv"));

    Plot plot;
    addRichDataSet(plot, QStringLiteral("Bytes"));
    ASSERT_EQ(datafile::saveDataSetFile(name, plot, 0), SaveStatus::Saved);
    struct stat info {};
    EXPECT_EQ(::stat(bytes.constData(), &info), 0) << "written under the very bytes";
    Plot loaded;
    EXPECT_EQ(datafile::loadDataFile(name, loaded), 1);
}
#endif
