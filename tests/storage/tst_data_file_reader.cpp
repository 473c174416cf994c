#include "fixtures/file_contents.h"
#include "storage/data_file.h"
#include "storage/data_file_reader.h"

#include <QtTest>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

using namespace rotavex;
using rotavex::fixtures::writeFile;
using Failure = DataFileReadFailure;

Q_DECLARE_METATYPE(std::optional<DataFileReadFailure>)

namespace {

// The read, or absent when it has not come back within a second; the reading
// thread is then left behind, blocked.
std::optional<DataFileBytes> readWithinASecond(const std::string &path)
{
    auto promise = std::make_shared<std::promise<DataFileBytes>>();
    std::future<DataFileBytes> result = promise->get_future();
    std::thread([promise, path] { promise->set_value(readDataFileFromDisk(path)); }).detach();
    if (result.wait_for(std::chrono::seconds(1)) != std::future_status::ready)
        return std::nullopt;
    return result.get();
}

}   // namespace

class DataFileReaderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        writeFile(dir_.filePath("empresa"), "\"ROTAVEX\"\r\n3\r\n");
        QCOMPARE(::mkfifo(QFile::encodeName(dir_.filePath("tuberia")).constData(), 0644), 0);
        QVERIFY(QDir(dir_.path()).mkdir("carpeta"));
        QVERIFY(QFile::link(dir_.filePath("tuberia"), dir_.filePath("enlace-a-tuberia")));
        QVERIFY(QFile::link(dir_.filePath("empresa"), dir_.filePath("enlace-a-empresa")));
    }

    void readsOnlyRegularFilesAndNeverWaits_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<std::optional<DataFileReadFailure>>("failure");
        const auto in = [this](const char *name) { return dir_.filePath(name); };
        QTest::newRow("data file") << in("empresa") << std::optional<Failure>();
        QTest::newRow("link to a data file") << in("enlace-a-empresa") << std::optional<Failure>();
        QTest::newRow("pipe with no writer") << in("tuberia") << std::optional(Failure::IsAPipe);
        QTest::newRow("link to a pipe") << in("enlace-a-tuberia") << std::optional(Failure::IsAPipe);
        QTest::newRow("/dev/null") << "/dev/null" << std::optional(Failure::IsADevice);
        QTest::newRow("/dev/zero") << "/dev/zero" << std::optional(Failure::IsADevice);
        QTest::newRow("/dev/tty") << "/dev/tty" << std::optional(Failure::IsADevice);
        QTest::newRow("folder") << in("carpeta") << std::optional(Failure::IsADirectory);
        QTest::newRow("missing") << in("no-existe") << std::optional(Failure::DoesNotExist);
        QTest::newRow("a file as folder") << in("empresa/datos") << std::optional(Failure::DoesNotExist);
        QTest::newRow("empty name") << "" << std::optional(Failure::DoesNotExist);
    }
    void readsOnlyRegularFilesAndNeverWaits()
    {
        QFETCH(QString, path);
        QFETCH(std::optional<DataFileReadFailure>, failure);
        if (path == "/dev/tty" && !QFileInfo::exists(path))
            QSKIP("this system has no /dev/tty");
        const auto read = readWithinASecond(QFile::encodeName(path).toStdString());
        QVERIFY2(read, "the read kept waiting");
        QCOMPARE(read->failure, failure);
        if (!failure)
            QCOMPARE(read->bytes, std::string("\"ROTAVEX\"\r\n3\r\n"));
    }

    void readsAtMostOneByteMoreThanADataFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("read");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("largest data file") << int(MaxDataFileBytes) << int(MaxDataFileBytes);
        QTest::newRow("too big") << int(MaxDataFileBytes) * 3 << int(MaxDataFileBytes) + 1;
    }
    void readsAtMostOneByteMoreThanADataFile()
    {
        QFETCH(int, size);
        QFETCH(int, read);
        writeFile(dir_.filePath("grande"), QByteArray(size, 'x'));
        const DataFileBytes bytes = readDataFileFromDisk(QFile::encodeName(dir_.filePath("grande")).toStdString());
        QVERIFY(!bytes.failure);
        QCOMPARE(int(bytes.bytes.size()), read);
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(DataFileReaderTest)
#include "tst_data_file_reader.moc"
