// The built-in pictures are found and drawn at the sizes the windows ask for:
// a missing or unreadable drawing would leave a blank picture.

#include "widgets/program_pictures.h"
#include "widgets/program_resources.h"

#include <QImage>
#include <QResource>
#include <QtTest>

namespace {

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
