// The built-in pictures are found and drawn at the sizes the windows ask for:
// a missing or unreadable drawing would leave a blank picture.

#include "shell/ui/splash_window.h"
#include "widgets/picture_drawing.h"
#include "widgets/program_pictures.h"
#include "widgets/program_resources.h"

#include <QImage>
#include <QLabel>
#include <QResource>
#include <QtTest>

namespace {

// The pictures the start shows: the splash's logo and emblem at the sizes of
// their boxes and the application icon at every side the window manager is
// given, on screens of one and two device pixels to each pixel.
struct StartPicture {
    QString name;
    QString artFile;
    QSize size;
    qreal ratio;
};

std::vector<StartPicture> startPictures()
{
    const rotavex::SplashWindow splash(nullptr);
    std::vector<StartPicture> pictures;
    for (qreal ratio : {1.0, 2.0}) {
        for (const char *name : {"logo", "emblem"}) {
            const auto *label = splash.findChild<const QLabel *>(
                QLatin1String(name == QLatin1String("logo") ? "imgLogo" : "Image1"));
            const QSize size = label->pixmap().deviceIndependentSize().toSize();
            pictures.push_back({QLatin1String(name), QLatin1String(name) + QStringLiteral(".svg"), size, ratio});
        }
        for (int side : {16, 24, 32, 48, 64, 128, 256})
            pictures.push_back({QStringLiteral("application"),
                                rotavex::iconDrawingFile(QStringLiteral("application"), side * ratio),
                                QSize(side, side) * ratio, 1.0});
    }
    return pictures;
}

int drawnPixels(const QImage &image)
{
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += qAlpha(image.pixel(x, y)) > 0;
    return drawn;
}

}   // namespace

class ProgramPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void logoCoversItsBox_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("splash") << QSize(633, 343);
        QTest::newRow("About") << QSize(505, 294);
    }

    void logoCoversItsBox()
    {
        QFETCH(QSize, size);
        const QPixmap logo = rotavex::logoPicture(size);
        QCOMPARE(logo.deviceIndependentSize().toSize(), size);
        const QImage image = logo.toImage();
        QCOMPARE(drawnPixels(image), image.width() * image.height());
    }

    void emblemIsDrawn()
    {
        const QImage image = rotavex::emblemPicture(QSize(58, 58)).toImage();
        QCOMPARE(image.size(), QSize(58, 58));
        QVERIFY(drawnPixels(image) > 58 * 58 / 2);
    }

    void iconsAreDrawnAtEverySide_data()
    {
        QTest::addColumn<bool>("observatory");
        QTest::addColumn<int>("side");
        for (int side : {16, 20, 24, 32, 48, 64, 256}) {
            QTest::addRow("application %d", side) << false << side;
            QTest::addRow("observatory %d", side) << true << side;
        }
    }

    void iconsAreDrawnAtEverySide()
    {
        QFETCH(bool, observatory);
        QFETCH(int, side);
        const QIcon icon = observatory ? rotavex::observatoryIcon() : rotavex::applicationIcon();
        QVERIFY(!icon.isNull());
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            const QImage image = icon.pixmap(QSize(side, side), mode).toImage();
            QCOMPARE(image.size(), QSize(side, side));
            QVERIFY(drawnPixels(image) > side * side / 2);
        }
    }

    void picturesOfTheStartAreDrawnInAdvance_data()
    {
        QTest::addColumn<QString>("drawn");
        QTest::addColumn<QString>("artFile");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("ratio");
        for (const StartPicture &picture : startPictures()) {
            const QString drawn = QStringLiteral(":/drawn/%1-%2x%3@%4")
                                      .arg(picture.name)
                                      .arg(picture.size.width())
                                      .arg(picture.size.height())
                                      .arg(picture.ratio);
            QTest::newRow(qPrintable(drawn)) << drawn << picture.artFile << picture.size << picture.ratio;
        }
    }

    // Drawing them from their art took more time than the rest of the
    // start-up; drawn when the program is built, they must still be what the
    // art draws.
    void picturesOfTheStartAreDrawnInAdvance()
    {
        QFETCH(QString, drawn);
        QFETCH(QString, artFile);
        QFETCH(QSize, size);
        QFETCH(qreal, ratio);
        const QResource stored(drawn);
        QVERIFY(stored.isValid());
        const QImage art = rotavex::drawPicture(QStringLiteral(":/pictures/") + artFile, size, ratio);
        const QByteArray pixels = stored.uncompressedData();
        QCOMPARE(pixels.size(), art.sizeInBytes());
        QVERIFY(pixels == QByteArray::fromRawData(reinterpret_cast<const char *>(art.constBits()), art.sizeInBytes()));
    }

    void picturesOfTheStartAreReadAsStored_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *picture : {"logo", "emblem", "application", "application-32", "application-16"})
            QTest::newRow(picture) << QStringLiteral(":/pictures/%1.svg").arg(picture);
    }

    // Unpacking them would cost every start more time and memory than the
    // few kilobytes it saves in the program file.
    void picturesOfTheStartAreReadAsStored()
    {
        QFETCH(QString, path);
        rotavex::registerBuiltInFiles();
        const QResource picture(path);
        QVERIFY(picture.isValid());
        QCOMPARE(picture.compressionAlgorithm(), QResource::NoCompression);
    }
};

QTEST_MAIN(ProgramPicturesTest)
#include "tst_program_pictures.moc"
