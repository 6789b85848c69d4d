// Painting the stretched photograph, against rescaling it at every paint.
#include "SetupCtrls/BoardImage.h"
#include "platform/Application.h"
#include "platform/JPEGImage.h"

#include <QElapsedTimer>
#include <QPainter>

#include <cstdio>

namespace {

template <class F>
double millisecondsPer(int rounds, F &&paint)
{
    paint(); // warm up
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        paint();
    return double(timer.nsecsElapsed()) / 1e6 / rounds;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;

    TBoardImage image;
    image.setAutoSize(false);
    image.setStretch(true);
    image.setCenterOnForm(false);
    image.resize(400, 378);
    image.Picture()->loadFromFile(QStringLiteral(PHOTO_FILE));

    QImage target(400, 378, QImage::Format_RGB32);
    const double baseline = millisecondsPer(rounds, [&] {
        QPainter p(&target);
        p.drawImage(0, 0, image.Picture()->graphic()->image().scaled(400, 378, Qt::IgnoreAspectRatio,
                                                                     Qt::SmoothTransformation));
    });
    const double board = millisecondsPer(rounds, [&] { image.render(&target); });

    std::printf("rescale at every paint: %.3f ms\n", baseline);
    std::printf("board image paint:      %.3f ms\n", board);
    std::printf("ratio (board / rescale): %.3f\n", board / baseline);
    return 0;
}
