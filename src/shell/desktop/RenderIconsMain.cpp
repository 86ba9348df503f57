// Renders the program's picture to PNG at the sizes desktops look for, at
// build time: "render_icons PICTURE.svg OUTPUT-FOLDER SIZE..." writes
// OUTPUT-FOLDER/SIZExSIZE/apps/torvane.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    // Only pictures are made: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "Usage: render_icons PICTURE.svg OUTPUT-FOLDER SIZE...\n");
        return 2;
    }
    QSvgRenderer picture(QString::fromLocal8Bit(argv[1]));
    if (!picture.isValid()) {
        std::fprintf(stderr, "render_icons: cannot read %s\n", argv[1]);
        return 1;
    }
    for (int at = 3; at < argc; ++at) {
        const int size = QByteArray(argv[at]).toInt();
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        picture.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (size <= 0 || !QDir().mkpath(folder) || !image.save(folder + "/torvane.png")) {
            std::fprintf(stderr, "render_icons: cannot write the %s pixel picture\n", argv[at]);
            return 1;
        }
    }
    return 0;
}
