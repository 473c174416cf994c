// The painted pictures come out at the size asked for, drawn over the whole
// of it (the logo) or centred with a clear surround (the emblem and icons).

#include "shell/ui/program_pictures.h"

#include <QImage>
#include <QtTest>

namespace {

bool opaqueAt(const QImage &image, qreal x, qreal y)
{
    return qAlpha(image.pixel(int(x * (image.width() - 1)), int(y * (image.height() - 1)))) == 255;
}

} // namespace

class ProgramPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void logoFillsItsBox_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("splash") << QSize(633, 343);
        QTest::newRow("About") << QSize(505, 294);
        QTest::newRow("tall") << QSize(120, 300);
        QTest::newRow("tiny") << QSize(3, 2);
    }

    void logoFillsItsBox()
    {
        QFETCH(QSize, size);
        const QPixmap logo = rotavex::logoPicture(size);
        QCOMPARE(logo.deviceIndependentSize().toSize(), size);
        const QImage image = logo.toImage();
        for (qreal x : {0.0, 1.0})
            for (qreal y : {0.0, 1.0})
                QVERIFY(opaqueAt(image, x, y));
    }

    void badgesAreCentred_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("side");
        for (const char *picture : {"emblem", "application icon", "observatory icon"})
            for (int side : {16, 32, 58, 104})
                QTest::addRow("%s %d", picture, side) << QString(picture) << side;
    }

    void badgesAreCentred()
    {
        QFETCH(QString, picture);
        QFETCH(int, side);
        const QSize size(side, side);
        const QPixmap pixmap = picture == "emblem" ? rotavex::emblemPicture(size)
                             : picture == "application icon" ? rotavex::applicationIcon().pixmap(size)
                                                             : rotavex::observatoryIcon().pixmap(size);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
        const QImage image = pixmap.toImage();
        QVERIFY(opaqueAt(image, 0.5, 0.5));
        QVERIFY(!opaqueAt(image, 0.0, 0.0));
    }
};

QTEST_MAIN(ProgramPicturesTest)
#include "tst_program_pictures.moc"
