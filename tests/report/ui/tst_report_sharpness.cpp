// On a screen that scales its pixels (QT_SCALE_FACTOR, as a laptop at 150 or
// 200 % does), a report area's letters are as sharp as a label's beside it:
// the area draws at the screen's pixel density, not at 96 dpi scaled up.
// The test runs once for each scale the test command gives it.

#include "report/ui/report_area.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QtTest>

#include <cmath>

using namespace rotavex;

namespace {

const QString Sample = QStringLiteral("Coste total del trayecto: 279,03 euros");

// How many pixels wide, on average, the edge of a letter is: the pixels
// that are neither background nor full ink, over the edges crossed along
// every row. A letter drawn at the screen's density has edges of about one
// pixel; one drawn smaller and scaled up, of two or more.
qreal edgeWidth(const QImage &image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    int darkest = 255, lightest = 0;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) {
            darkest = std::min(darkest, int(grey.pixelColor(x, y).value()));
            lightest = std::max(lightest, int(grey.pixelColor(x, y).value()));
        }
    const qreal range = std::max(1, lightest - darkest);
    int between = 0, edges = 0;
    for (int y = 0; y < grey.height(); ++y) {
        bool wasInk = false;
        for (int x = 0; x < grey.width(); ++x) {
            const qreal level = (grey.pixelColor(x, y).value() - darkest) / range;   // 0 ink, 1 background
            if (level > 0.15 && level < 0.85)
                ++between;
            const bool ink = level < 0.5;
            if (ink != wasInk)
                ++edges;
            wasInk = ink;
        }
    }
    return edges ? qreal(between) / edges : 0;
}

// The part of the window's picture that shows `widget`, in device pixels.
QImage partOf(const QImage &picture, const QWidget *widget, const QSize &textSize)
{
    const qreal ratio = picture.devicePixelRatio();
    const QRect logical(widget->mapTo(widget->window(), QPoint(0, 0)), textSize);
    return picture.copy(
        QRect((QPointF(logical.topLeft()) * ratio).toPoint(), (QSizeF(logical.size()) * ratio).toSize()));
}

}   // namespace

class ReportSharpnessTest : public QObject {
    Q_OBJECT
private slots:
    void reportLettersAreAsSharpAsALabels()
    {
        QWidget window;
        auto *layout = new QHBoxLayout(&window);
        auto *area = new ReportArea;
        auto *label = new QLabel(Sample);
        label->setFont(area->font());
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setContentsMargins(0, 0, 0, 0);
        label->setMargin(0);
        layout->addWidget(area);
        layout->addWidget(label);
        area->setFixedSize(320, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        area->write(Report().line(Sample.toStdString()));

        const QImage picture = window.grab().toImage();
        QVERIFY(picture.devicePixelRatio() > 0);
        const QSize textSize(QFontMetrics(area->font()).horizontalAdvance(Sample), QFontMetrics(area->font()).height());
        const qreal inReport = edgeWidth(partOf(picture, area->viewport(), textSize));
        const qreal inLabel = edgeWidth(partOf(picture, label, textSize));
        qInfo("scale %.2f: letter edges %.2f px in the report, %.2f px in the label", picture.devicePixelRatio(),
              inReport, inLabel);
        QVERIFY2(inReport <= inLabel * 1.3 + 0.2, qPrintable(QString::number(inReport)));

        // The picture for the clipboard has the same density.
        QCOMPARE(area->picture().devicePixelRatio(), picture.devicePixelRatio());
        QCOMPARE(area->picture().width(), qRound(std::ceil(area->viewport()->width() * picture.devicePixelRatio())));
    }
};

QTEST_MAIN(ReportSharpnessTest)
#include "tst_report_sharpness.moc"
