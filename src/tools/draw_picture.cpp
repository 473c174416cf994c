// Build tool: draws one of the program's pictures in advance, as the program
// would draw it, and stores its pixels as they are (premultiplied ARGB, one
// 32-bit word a pixel, row after row), for the program to show them without
// drawing them at every start.
//
//     draw_picture picture|icon PICTURES_DIR NAME WIDTHxHEIGHT RATIO OUTPUT
//
// "picture" draws NAME.svg; "icon" the drawing of icon NAME for that side.

#include "widgets/picture_drawing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QStringList size = args.size() == 7 ? args[4].split(QLatin1Char('x')) : QStringList();
    bool widthOk = false, heightOk = false, ratioOk = false;
    const int width = size.size() == 2 ? size[0].toInt(&widthOk) : 0;
    const int height = size.size() == 2 ? size[1].toInt(&heightOk) : 0;
    const qreal ratio = args.size() == 7 ? args[5].toDouble(&ratioOk) : 0;
    const bool icon = args.value(1) == QLatin1String("icon");
    if ((!icon && args.value(1) != QLatin1String("picture")) || !widthOk || !heightOk || !ratioOk || width <= 0
        || height <= 0 || ratio <= 0 || (icon && width != height)) {
        std::fprintf(stderr, "usage: draw_picture picture|icon PICTURES_DIR NAME WIDTHxHEIGHT RATIO OUTPUT\n");
        return 2;
    }
    const QString art = QDir(args[2]).filePath(icon ? rotavex::iconDrawingFile(args[3], width)
                                                    : args[3] + QStringLiteral(".svg"));
    if (!QFile::exists(art)) {
        std::fprintf(stderr, "draw_picture: cannot read %s\n", qPrintable(art));
        return 1;
    }
    const QImage picture = rotavex::drawPicture(art, QSize(width, height), ratio);
    QFile output(args[6]);
    if (!output.open(QIODevice::WriteOnly)
        || output.write(reinterpret_cast<const char *>(picture.constBits()), picture.sizeInBytes())
               != picture.sizeInBytes()
        || !output.flush()) {
        std::fprintf(stderr, "draw_picture: cannot write %s\n", qPrintable(args[6]));
        return 1;
    }
    return 0;
}
