// Build tool: draws an SVG picture as a square PNG icon of a given side, so
// the installed icons are always drawn from the pictures the program shows.
//
//     render_icon PICTURE.svg SIDE ICON.png

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool sideOk = false;
    const int side = args.size() == 4 ? args[2].toInt(&sideOk) : 0;
    if (!sideOk || side <= 0) {
        std::fprintf(stderr, "usage: render_icon PICTURE.svg SIDE ICON.png\n");
        return 2;
    }
    QSvgRenderer picture(args[1]);
    if (!picture.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    QImage icon(side, side, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    if (!icon.save(args[3], "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
