#include "fixtures/file_contents.h"
#include "storage/failure_causes.h"
#include "storage/file_replacement.h"

#include <QtTest>

#include <cerrno>
#include <cstring>
#include <map>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rotavex;
using rotavex::fixtures::contents;
using rotavex::fixtures::writeFile;

namespace {

// What a scripted call answers, in turn; once its answers run out it does
// what the system does.
constexpr int Pass = 0;
constexpr int ShortWrite = -1;   // write takes one byte only
constexpr int Removed = -2;      // another program removes the new file before it is renamed

constexpr uid_t Nobody = 65534;

const QByteArray OldBytes = "datos anteriores";
const QString FolderTakesNoNewFiles = "la carpeta no permite crear ficheros nuevos, y los datos se escriben primero en "
                                      "un fichero nuevo para no dejar el anterior a medias. Guárdelos en otra carpeta";
const QByteArray NewBytes = "\"ROTAVEX\"\r\n3\r\n";

// The system calls, with one of them answering from a script.
class ScriptedCalls {
public:
    ScriptedCalls(const QString &step, const QList<int> &answers) : step_(step), answers_(answers) {}

    FileSystemCalls calls()
    {
        return {
            [this](const char *path, int flags, mode_t mode) {
                if (const int error = next("open"); error > 0)
                    return fail(error);
                const int fd = ::open(path, flags, mode);
                opened_ += fd >= 0;
                return fd;
            },
            [this](int fd, const void *bytes, std::size_t count) -> ssize_t {
                const int answer = next("write");
                if (answer > 0)
                    return ssize_t(fail(answer));
                return ::write(fd, bytes, answer == ShortWrite ? 1 : count);
            },
            [this](int fd) {
                const int answer = next("fsync");
                return answer > 0 ? fail(answer) : ::fsync(fd);
            },
            [this](int fd) {
                ++closed_;
                const int result = ::close(fd);   // a failing close still lets the descriptor go
                const int answer = next("close");
                return answer > 0 ? fail(answer) : result;
            },
            [this](const char *from, const char *to) {
                const int answer = next("rename");
                if (answer == Removed)
                    ::unlink(from);
                return answer > 0 ? fail(answer) : ::rename(from, to);
            },
        };
    }

    bool everyDescriptorClosed() const { return opened_ == closed_; }

private:
    int next(const char *step)
    {
        if (step_ != QLatin1String(step) || answers_.isEmpty())
            return Pass;
        return answers_.takeFirst();
    }
    static int fail(int error)
    {
        errno = error;
        return -1;
    }

    QString step_;
    QList<int> answers_;
    int opened_ = 0;
    int closed_ = 0;
};

std::string native(const QString &path) { return QFile::encodeName(path).toStdString(); }

mode_t permissionsOf(const QString &path)
{
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

}   // namespace

class FileReplacementTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        writeFile(target(), OldBytes);
    }

    void aFailedStepKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("cause");
        const QString full = "no queda espacio en el dispositivo";
        const QString io = "error de entrada/salida";
        QTest::newRow("no space at the first write") << "write" << QList<int>{ENOSPC} << ENOSPC << full;
        QTest::newRow("a short write, then no space") << "write" << QList<int>{ShortWrite, ENOSPC} << ENOSPC << full;
        QTest::newRow("interrupted, then I/O error") << "write" << QList<int>{EINTR, EIO} << EIO << io;
        QTest::newRow("I/O error at sync") << "fsync" << QList<int>{EIO} << EIO << io;
        QTest::newRow("no space at sync") << "fsync" << QList<int>{ENOSPC} << ENOSPC << full;
        QTest::newRow("quota at close") << "close" << QList<int>{EDQUOT} << EDQUOT
                                        << "se ha superado la cuota de disco";
        QTest::newRow("I/O error at close") << "close" << QList<int>{EIO} << EIO << io;
        QTest::newRow("another volume at rename")
            << "rename" << QList<int>{EXDEV} << EXDEV << "el fichero está en otro dispositivo";
        QTest::newRow("no permission at rename") << "rename" << QList<int>{EACCES} << EACCES << "permiso denegado";
        QTest::newRow("new file removed before rename")
            << "rename" << QList<int>{Removed} << ENOENT
            << "otro programa ha borrado el fichero nuevo en el que se escribían antes de que ocupara su lugar";
        QTest::newRow("read-only volume")
            << "open" << QList<int>{EROFS} << EROFS << "el dispositivo es de solo lectura";
        QTest::newRow("no permission to create") << "open" << QList<int>{EACCES} << EACCES << FolderTakesNoNewFiles;
        QTest::newRow("no room for a new file") << "open" << QList<int>{ENOSPC} << ENOSPC << full;
    }
    void aFailedStepKeepsTheOldFile()
    {
        QFETCH(QString, step);
        QFETCH(QList<int>, answers);
        QFETCH(int, error);
        QFETCH(QString, cause);
        ScriptedCalls scripted(step, answers);
        const FileReplacement result = replaceFileContents(native(target()), NewBytes.toStdString(), scripted.calls());
        QVERIFY(!result.replaced);
        QCOMPARE(result.error, error);
        QCOMPARE(QString::fromStdString(saveFailureText(result)), cause);
        QCOMPARE(QString::fromStdString(result.reason), QString::fromLocal8Bit(std::strerror(error)));
        QCOMPARE(contents(target()), OldBytes);
        QCOMPARE(entries(), QStringList{"empresa"});
        QVERIFY(scripted.everyDescriptorClosed());
    }

    void interruptionsAndShortWritesStillSave_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QList<int>>("answers");
        QTest::newRow("nothing in the way") << "" << QList<int>{};
        QTest::newRow("one byte at a time") << "write" << QList<int>(NewBytes.size() - 1, ShortWrite);
        QTest::newRow("interrupted writes") << "write" << QList<int>{EINTR, ShortWrite, EINTR};
        QTest::newRow("interrupted sync") << "fsync" << QList<int>{EINTR, EINTR};
        QTest::newRow("interrupted creation") << "open" << QList<int>{EINTR};
        QTest::newRow("temporary names taken") << "open" << QList<int>{EEXIST, EEXIST, EEXIST};
    }
    void interruptionsAndShortWritesStillSave()
    {
        QFETCH(QString, step);
        QFETCH(QList<int>, answers);
        ScriptedCalls scripted(step, answers);
        const FileReplacement result = replaceFileContents(native(target()), NewBytes.toStdString(), scripted.calls());
        QVERIFY2(result.replaced, result.reason.c_str());
        QCOMPARE(contents(target()), NewBytes);
        QCOMPARE(entries(), QStringList{"empresa"});
        QVERIFY(scripted.everyDescriptorClosed());
    }

    void permissionsOfTheOldFileAreKept_data()
    {
        QTest::addColumn<int>("permissions");
        QTest::newRow("owner only") << 0600;
        QTest::newRow("group may read") << 0640;
        QTest::newRow("everyone may write") << 0666;
    }
    void permissionsOfTheOldFileAreKept()
    {
        QFETCH(int, permissions);
        QCOMPARE(::chmod(native(target()).c_str(), mode_t(permissions)), 0);
        QVERIFY(replaceFileContents(native(target()), NewBytes.toStdString()).replaced);
        QCOMPARE(permissionsOf(target()), mode_t(permissions));
    }

    void aSaveCutShortIsClearedByTheNextOne()
    {
        // A save killed while it writes leaves its new file behind.
        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        const pid_t saver = ::fork();
        if (saver == 0) {
            FileSystemCalls calls = systemFileCalls();
            calls.write = [&](int fd, const void *bytes, std::size_t) {
                const ssize_t written = ::write(fd, bytes, 1);
                (void)::write(ready[1], "!", 1);
                for (;;)
                    ::pause();
                return written;
            };
            replaceFileContents(native(target()), NewBytes.toStdString(), calls);
            ::_exit(0);
        }
        char signal;
        QCOMPARE(::read(ready[0], &signal, 1), ssize_t(1));
        ::kill(saver, SIGKILL);
        ::waitpid(saver, nullptr, 0);
        ::close(ready[0]);
        ::close(ready[1]);
        QCOMPARE(entries().size(), 2);
        const QString untilHost = entries().constFirst().section('-', 0, 4).remove(".tmp");

        // Files like it that are not leftovers: a running process's (the
        // first process always runs), ones the program did not name, and the
        // gone process's number from other machines, other process namespaces
        // or saves that named no namespace.
        QStringList others{".rotavex-1-0-1f.tmp", ".rotavex-notas.tmp", ".rotavex-999999999.tmp"};
        for (const char *host : {"", "-00000000", "-ffffffff"})
            others << QString(".rotavex-%1-0-1f%2.tmp").arg(saver).arg(host);
        others << untilHost + ".tmp" << untilHost + "-1.tmp";
        for (const QString &name : others)
            writeFile(dir_->filePath(name), "ajeno");
        QVERIFY(replaceFileContents(native(target()), NewBytes.toStdString()).replaced);
        QCOMPARE(contents(target()), NewBytes);
        others << "empresa";
        others.sort();
        QCOMPARE(entries(), others);
    }

    void ownerAndGroupOfTheOldFileAreKept()
    {
        if (::geteuid() != 0)
            QSKIP("only root may give a file to another user");
        QCOMPARE(::chown(native(target()).c_str(), Nobody, Nobody), 0);
        QVERIFY(replaceFileContents(native(target()), NewBytes.toStdString()).replaced);
        struct stat status {};
        QCOMPARE(::stat(native(target()).c_str(), &status), 0);
        QCOMPARE(status.st_uid, Nobody);
        QCOMPARE(status.st_gid, gid_t(Nobody));
    }

    void aNewFileTakesTheUmask()
    {
        const QString path = dir_->filePath("nuevo");
        QVERIFY(replaceFileContents(native(path), NewBytes.toStdString()).replaced);
        QCOMPARE(contents(path), NewBytes);
        QCOMPARE(permissionsOf(path), mode_t(0666 & ~currentUmask()));
    }

    void aSaveThroughLinksKeepsThem_data()
    {
        QTest::addColumn<QStringList>("links");   // name, then what it points to; the first is saved onto
        QTest::addColumn<QString>("written");     // the file that takes the bytes, none when refused
        QTest::newRow("to a file") << QStringList{"enlace", "empresa"} << "empresa";
        QTest::newRow("to nothing yet") << QStringList{"enlace", "nuevo"} << "nuevo";
        QTest::newRow("relative to its folder") << QStringList{"carpeta/enlace", "../nuevo"} << "nuevo";
        QTest::newRow("a chain to nothing yet")
            << QStringList{"enlace", "carpeta/otro", "carpeta/otro", "nuevo"} << "carpeta/nuevo";
        QTest::newRow("to itself") << QStringList{"enlace", "enlace"} << "";
        QTest::newRow("a loop of two") << QStringList{"enlace", "carpeta/otro", "carpeta/otro", "../enlace"} << "";
    }
    void aSaveThroughLinksKeepsThem()
    {
        QFETCH(QStringList, links);
        QFETCH(QString, written);
        QVERIFY(QDir(dir_->path()).mkdir("carpeta"));
        for (qsizetype i = 0; i < links.size(); i += 2)
            QCOMPARE(::symlink(native(links[i + 1]).c_str(), native(dir_->filePath(links[i])).c_str()), 0);
        const FileReplacement result = replaceFileContents(native(dir_->filePath(links[0])), NewBytes.toStdString());
        for (qsizetype i = 0; i < links.size(); i += 2)
            QVERIFY(QFileInfo(dir_->filePath(links[i])).isSymLink());
        if (written.isEmpty())
            QCOMPARE(QString::fromStdString(saveFailureText(result)),
                     "los enlaces simbólicos del nombre forman un bucle o son demasiados");
        else
            QCOMPARE(contents(dir_->filePath(written)), NewBytes);
    }

    void anotherUsersLinkInASharedFolderIsNotFollowed()
    {
        if (::geteuid() != 0)
            QSKIP("only root may give a link to another user");
        QCOMPARE(::chmod(native(dir_->path()).c_str(), 01777), 0);
        const std::string link = native(dir_->filePath("enlace"));
        QCOMPARE(::symlink("nuevo", link.c_str()), 0);
        QCOMPARE(::lchown(link.c_str(), Nobody, Nobody), 0);
        QCOMPARE(replaceFileContents(link, NewBytes.toStdString()).error, EACCES);
        QVERIFY(QFileInfo(dir_->filePath("enlace")).isSymLink());
        QCOMPARE(entries(), QStringList({"empresa", "enlace"}));
    }

    void whatIsNotARegularFileIsLeftAlone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("error");
        QTest::newRow("folder") << "carpeta" << EISDIR;
        QTest::newRow("name ending in a slash") << "carpeta/" << EISDIR;
        QTest::newRow("pipe") << "tuberia" << EINVAL;
        QTest::newRow("missing folder") << "no-existe/datos" << ENOENT;
        QTest::newRow("a file as folder") << "empresa/datos" << ENOTDIR;
    }
    void whatIsNotARegularFileIsLeftAlone()
    {
        QFETCH(QString, name);
        QFETCH(int, error);
        QVERIFY(QDir(dir_->path()).mkdir("carpeta"));
        QCOMPARE(::mkfifo(native(dir_->filePath("tuberia")).c_str(), 0644), 0);
        const FileReplacement result = replaceFileContents(native(dir_->filePath(name)), NewBytes.toStdString());
        QVERIFY(!result.replaced);
        QCOMPARE(result.error, error);
        QCOMPARE(entries(), QStringList({"carpeta", "empresa", "tuberia"}));
        QVERIFY(QFileInfo(dir_->filePath("carpeta")).isDir());
        QCOMPARE(QFileInfo(dir_->filePath("tuberia")).isFile(), false);
        QCOMPARE(contents(target()), OldBytes);
    }

private:
    QString target() const { return dir_->filePath("empresa"); }
    QStringList entries() const
    {
        return QDir(dir_->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_GUILESS_MAIN(FileReplacementTest)
#include "tst_file_replacement.moc"
