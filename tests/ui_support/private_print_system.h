#pragma once
// A print system of the test's own: a CUPS scheduler started with its own
// folders and socket, which this process's printing talks to, and three
// queues on the cups-pdf backend: "rotavex-pdf" writes every job as a PDF
// file into outputDir(), "rotavex-refusing" does not accept jobs (as after
// cupsreject), and "rotavex-denied" accepts jobs but lets no user print, so
// it refuses each one when it is sent. It needs root: cups-pdf works only
// for a scheduler running as root, and reads its settings from /etc/cups.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>

#include <algorithm>

namespace rotavex {

class PrivatePrintSystem {
public:
    PrivatePrintSystem() { whyNot_ = start(); }

    ~PrivatePrintSystem()
    {
        if (cupsd_.state() != QProcess::NotRunning) {
            cupsd_.terminate();
            if (!cupsd_.waitForFinished(10000))
                cupsd_.kill(), cupsd_.waitForFinished(5000);
        }
        if (!backendSettings_.isEmpty())
            QFile::remove(backendSettings_);
    }

    // Empty when the print system runs; else why it could not start.
    QString whyNot() const { return whyNot_; }

    QString outputDir() const { return dir_.filePath(QStringLiteral("out")); }

    // Makes `queue` the default printer of this process's printing.
    static void makeDefault(const QString &queue)
    {
        qunsetenv("LPDEST");
        qputenv("PRINTER", queue.toUtf8());
    }

    // The PDF files of the jobs the "rotavex-pdf" queue has written, in the
    // order of the jobs, once no job is left in any queue.
    QStringList writtenFiles()
    {
        for (int wait = 0; wait < 600 && !tool("lpstat", {"-o"}).trimmed().isEmpty(); ++wait)
            QThread::msleep(100);
        QStringList files = QDir(outputDir()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        const QRegularExpression jobNumber(QStringLiteral("job_(\\d+)"));
        std::sort(files.begin(), files.end(), [&](const QString &a, const QString &b) {
            return jobNumber.match(a).captured(1).toInt() < jobNumber.match(b).captured(1).toInt();
        });
        for (QString &file : files)
            file = QDir(outputDir()).filePath(file);
        return files;
    }

    void forgetWrittenFiles()
    {
        for (const QString &file : writtenFiles())
            QFile::remove(file);
    }

private:
    QString start()
    {
        const QString cupsd = QStringLiteral("/usr/sbin/cupsd");
        const QString backend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
        const QString ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
        for (const QString &needed : {cupsd, backend, ppd})
            if (!QFile::exists(needed))
                return needed + QStringLiteral(" is missing (packages cups, printer-driver-cups-pdf)");
        if (geteuid() != 0)
            return QStringLiteral("cups-pdf prints only for a scheduler running as root");
        if (!dir_.isValid())
            return QStringLiteral("no temporary folder");
        // The scheduler's filters run as lp, and must reach its spool.
        QFile::setPermissions(dir_.path(), QFile::permissions(dir_.path()) | QFile::ExeOther | QFile::ReadOther);
        for (const char *folder : {"etc/ppd", "spool/tmp", "cache", "state", "log", "out", "pdf-spool"})
            QDir(dir_.path()).mkpath(QString::fromLatin1(folder));
        const QString root = dir_.path();
        socket_ = dir_.filePath(QStringLiteral("cups.sock"));
        write(QStringLiteral("etc/cups-files.conf"),
              QStringLiteral("ServerRoot %1/etc\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
                             "StateDir %1/state\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                             "AccessLog %1/log/access_log\nErrorLog %1/log/error_log\nPageLog %1/log/page_log\n"
                             "Printcap %1/printcap\nUser lp\nGroup lp\nSystemGroup root\n")
                  .arg(root));
        write(QStringLiteral("etc/cupsd.conf"),
              QStringLiteral("Listen %1\nLogLevel info\nBrowsing No\nDefaultAuthType None\nDefaultPolicy open\n"
                             "<Policy open>\n<Limit All>\nOrder allow,deny\nAllow all\n</Limit>\n</Policy>\n"
                             "<Location />\nOrder allow,deny\nAllow all\n</Location>\n")
                  .arg(socket_));
        // cups-pdf takes the settings of the instance its device names.
        const QString instance = QStringLiteral("rotavextest%1").arg(QCoreApplication::applicationPid());
        backendSettings_ = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(instance);
        QFile settings(backendSettings_);
        if (!settings.open(QIODevice::WriteOnly))
            return QStringLiteral("cannot write ") + backendSettings_;
        settings.write(
            QStringLiteral("Out %1/out\nAnonDirName %1/out\nSpool %1/pdf-spool\nLog %1/log\n").arg(root).toUtf8());
        settings.close();

        qputenv("CUPS_SERVER", socket_.toUtf8());
        cupsd_.setProcessChannelMode(QProcess::MergedChannels);
        cupsd_.start(cupsd,
                     {QStringLiteral("-f"), QStringLiteral("-c"), dir_.filePath(QStringLiteral("etc/cupsd.conf")),
                      QStringLiteral("-s"), dir_.filePath(QStringLiteral("etc/cups-files.conf"))});
        if (!cupsd_.waitForStarted(10000))
            return QStringLiteral("cupsd did not start");
        for (int wait = 0; wait < 100 && !QFile::exists(socket_); ++wait)
            QThread::msleep(100);
        if (!QFile::exists(socket_))
            return QStringLiteral("cupsd did not listen: ") + QString::fromLocal8Bit(cupsd_.readAll());

        const QString device = QStringLiteral("cups-pdf:/") + instance;
        for (const char *queue : {"rotavex-pdf", "rotavex-refusing", "rotavex-denied"})
            if (!succeeds("lpadmin", {"-p", queue, "-E", "-v", device, "-P", ppd}))
                return QStringLiteral("lpadmin could not add ") + QString::fromLatin1(queue);
        if (!succeeds("cupsreject", {"rotavex-refusing"})
            || !succeeds("lpadmin", {"-p", "rotavex-denied", "-u", "allow:nobody"}))
            return QStringLiteral("the refusing queues could not be set up");
        return QString();
    }

    // Runs a CUPS tool against the private scheduler; its output.
    static QString tool(const char *name, const QStringList &arguments, bool *succeeded = nullptr)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QString::fromLatin1(name), arguments);
        const bool finished = process.waitForFinished(30000);
        if (succeeded)
            *succeeded = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        return QString::fromLocal8Bit(process.readAll());
    }
    static bool succeeds(const char *name, const QStringList &arguments)
    {
        bool succeeded = false;
        tool(name, arguments, &succeeded);
        return succeeded;
    }

    void write(const QString &name, const QString &text)
    {
        QFile file(dir_.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(text.toUtf8());
    }

    QTemporaryDir dir_;
    QProcess cupsd_;
    QString socket_;
    QString backendSettings_;
    QString whyNot_;
};

}   // namespace rotavex
